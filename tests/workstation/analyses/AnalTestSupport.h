#pragma once
// Helpers of the analysis dialog, runner and frequency report tests: a scratch folder
// that can stand in as the current folder, small file writers, and the code set.

#include "platform/Platform.h"
#include "support/RecordingStatus.h"
#include "support/ScratchFolder.h"
#include "support/TestFiles.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/core/Global.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace analtest {

namespace fs = std::filesystem;

using testsupport::RecordingStatus;
using testsupport::ScratchFolder;

using testsupport::crlfLines;
using testsupport::CurrentFolder;
using testsupport::readBytes;
using testsupport::writeBytes;
using testsupport::writeEventFile;
using testsupport::writeListFile;

// The code table straight in memory: code, description, group.
struct CodeRow {
    std::string code;
    std::string description;
    int group = 0;
};
void useCodeTable(ws::Global& g, const std::vector<CodeRow>& rows, const std::string& codeFile = "code.cod");

} // namespace analtest
