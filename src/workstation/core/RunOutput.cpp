#include "workstation/core/RunOutput.h"

#include "textfile/Files.h"

#include <exception>

namespace ws {

void appendToOutput(AnalysisRun& run, const std::string& bytes) {
    if (run.OutputHold.held && run.OutputHold.fileName == run.OutputFileName) {
        run.OutputHold.bytes += bytes;
        return;
    }
    textfile::appendToFile(run.OutputFileName, bytes);
}

RunOutputHold::RunOutputHold(AnalysisRun& run) : run_(run), owner_(!run.OutputHold.held) {
    if (owner_) {
        run_.OutputHold = {true, run_.OutputFileName, {}};
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
    run_.OutputHold = {};
}

void RunOutputHold::write() {
    if (!owner_ || run_.OutputHold.bytes.empty()) {
        return;
    }
    std::string bytes;
    bytes.swap(run_.OutputHold.bytes);
    textfile::appendToFile(run_.OutputHold.fileName, bytes);
}

} // namespace ws
