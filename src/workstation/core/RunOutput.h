#pragma once
// Everything a run writes to its report file goes through appendToOutput. While a
// RunOutputHold lives, those bytes are kept in memory in the order they were written and
// reach the file in one append, so a run of hundreds of sections (and the reader's error
// entries between them) opens the report once.

#include "workstation/core/AnalysisRun.h"

#include <string>

namespace ws {

// Appends to OutputFileName, or to what a hold on it keeps.
void appendToOutput(AnalysisRun& run, const std::string& bytes);
// What a hold on OutputFileName keeps, for a report to be appended straight into; nullptr
// when nothing holds it.
std::string* heldOutput(AnalysisRun& run);

class RunOutputHold {
public:
    // Holds OutputFileName as it is now; a hold inside another one leaves the outer one in charge.
    explicit RunOutputHold(AnalysisRun& run);
    // Writes what is still held; a failure here is dropped, as this runs when a run has
    // already failed or returned early.
    ~RunOutputHold();
    RunOutputHold(const RunOutputHold&) = delete;
    RunOutputHold& operator=(const RunOutputHold&) = delete;

    // Appends what is held and goes on holding. Throws as textfile::appendToFile.
    void write();

private:
    AnalysisRun& run_;
    bool owner_ = false;
};

} // namespace ws
