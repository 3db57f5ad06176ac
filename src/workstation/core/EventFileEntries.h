#pragma once
// The error entries that the event-file readers append to the run's output file.
// Each text ends with the line end of the print line that writes it.

#include "workstation/core/AnalysisRun.h"

#include <string>

namespace ws {

// Times out of sequence: names the file without its folder.
std::string sequenceErrorEntry(const std::string& fileName, int index, const std::string& code);
// The same naming the file with its folder, as the imports do.
std::string sequenceErrorEntryWithPath(const std::string& fileName, int index, const std::string& code);
std::string fileTooLongEntry(const std::string& fileName);
std::string undefinedCodeEntry(const std::string& fileName, int index, const std::string& code);
std::string readErrorEntry(int errorNumber, const std::string& description, const std::string& fileName,
                           int index);

// Appends the entry to the run's output file (through the run's hold, if it has one).
void appendErrorEntry(AnalysisRun& run, const std::string& entry);

} // namespace ws
