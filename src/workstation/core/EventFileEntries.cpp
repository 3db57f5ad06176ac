#include "workstation/core/EventFileEntries.h"

#include "textfile/Paths.h"
#include "textfile/TextForms.h"
#include "workstation/core/RunOutput.h"

namespace ws {
namespace {

const std::string kCrLf(textfile::kLineEnd);

// Entries are written as one print line, which closes them with a line end of its own.
std::string printLine(const std::string& text) {
    return text + kCrLf;
}

} // namespace

std::string sequenceErrorEntryWithPath(const std::string& fileName, int index, const std::string& code) {
    return printLine("Error:" + std::string(" Times out of sequence!") + kCrLf + " File:" + fileName +
                     " Line:" + textfile::joinedNumber(index) + " Code:" + code + kCrLf);
}

std::string sequenceErrorEntry(const std::string& fileName, int index, const std::string& code) {
    return sequenceErrorEntryWithPath(textfile::FileNameOnly(fileName), index, code);
}

std::string fileTooLongEntry(const std::string& fileName) {
    return printLine("Error:" + std::string(" File too long!") + kCrLf + " File:" + fileName);
}

std::string undefinedCodeEntry(const std::string& fileName, int index, const std::string& code) {
    return printLine("Error:" + std::string(" Code not defined in current code set!") + kCrLf + kCrLf +
                     " File:" + textfile::FileNameOnly(fileName) + kCrLf +
                     " Line:" + textfile::joinedNumber(index) + kCrLf + " Code:" + code + kCrLf);
}

std::string readErrorEntry(int errorNumber, const std::string& description, const std::string& fileName,
                           int index) {
    return printLine("Error:" + std::string(" Read/write error...") + kCrLf +
                     " ERR Number:" + textfile::joinedNumber(errorNumber) + kCrLf + description +
                     " File: " + fileName + " Line:" + textfile::joinedNumber(index) + kCrLf);
}

void appendErrorEntry(AnalysisRun& run, const std::string& entry) {
    appendToOutput(run, entry);
}

} // namespace ws
