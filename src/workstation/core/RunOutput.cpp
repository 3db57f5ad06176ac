#include "workstation/core/RunOutput.h"

#include "textfile/Files.h"

#include <exception>

namespace ws {

std::string* heldOutput(AnalysisRun& run) {
    return run.OutputHold.held && run.OutputHold.fileName == run.OutputFileName ? &run.OutputHold.bytes
                                                                                : nullptr;
}

void appendToOutput(AnalysisRun& run, const std::string& bytes) {
    if (std::string* held = heldOutput(run)) {
        *held += bytes;
        return;
    }
    textfile::appendToFile(run.OutputFileName, bytes);
}

RunOutputHold::RunOutputHold(AnalysisRun& run) : run_(run), owner_(!run.OutputHold.held) {
    if (owner_) {
        run_.OutputHold.held = true;
        run_.OutputHold.fileName = run_.OutputFileName;
        run_.OutputHold.bytes.clear();
    }
}

RunOutputHold::~RunOutputHold() {
    if (!owner_) {
        return;
    }
    try {
        write();
    } catch (const std::exception&) {
        // The run's own failure, if any, is the one to show.
    }
    run_.OutputHold.held = false;
}

void RunOutputHold::write() {
    if (!owner_ || run_.OutputHold.bytes.empty()) {
        return;
    }
    // The buffer keeps its room for the next run: a report of a megabyte would otherwise
    // be new memory, page by page, every run.
    std::string& bytes = run_.OutputHold.bytes;
    try {
        textfile::appendToFile(run_.OutputHold.fileName, bytes);
    } catch (...) {
        bytes.clear();
        throw;
    }
    bytes.clear();
}

} // namespace ws
