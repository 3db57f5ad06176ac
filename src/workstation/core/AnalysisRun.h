#pragma once
// The state of the analysis being run: what it reads, where its report goes, and the stop flags.

#include <cstdint>
#include <string>

namespace ws {

// Values of InputMode.
inline constexpr std::int16_t kSingleFileInput = 1;
inline constexpr std::int16_t kListFileInput = 4;

// Values of OutputKind.
inline constexpr std::int16_t kTextOutput = 1;      // a text report for the text editor
inline constexpr std::int16_t kCsvOutput = 2;       // comma-separated, for the spreadsheet
inline constexpr std::int16_t kNamedFileOutput = 3; // a named file that runs append to

struct AnalysisRun {
    std::string DataFileName;
    std::int16_t InputMode = kSingleFileInput;
    std::int16_t SkipToPooled = 0;
    std::string OutputFileName;
    std::int16_t OutputKind = kTextOutput;
    std::int16_t AbortRun = 0;
    std::int16_t RunCancelled = 0;
    std::int16_t ListOfListsMode = 0;
    std::int16_t ListOfListsActive = 0;
    std::int16_t IOAFirstFileTaken = 0;
    std::string IOAFirstFileName;
    std::string SecBySecFileName;
    // Report bytes a run keeps back to write in one append (see RunOutput.h).
    struct HeldOutput {
        bool held = false;
        std::string fileName;
        std::string bytes;
    } OutputHold;
};

} // namespace ws
