#pragma once
// Helpers of the analysis dialog, runner and frequency report tests: a scratch folder
// that can stand in as the current folder, small file writers, and the code set.

#include "platform/Platform.h"
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

// A status that keeps what the analysis told it.
class RecordingStatus : public ws::AnalysisStatus {
public:
    std::vector<std::string> labels;
    std::vector<int> progress;
    std::vector<bool> progressShown;
    std::vector<bool> pickEnabled;
    bool busy = false;

    explicit RecordingStatus(std::string title = {}) { labels.push_back(std::move(title)); }
    void setLabel(const std::string& text) override { labels.push_back(text); }
    std::string label() const override { return labels.back(); }
    void redraw() override {}
    void showProgress(bool visible) override { progressShown.push_back(visible); }
    void setProgress(int percent) override { progress.push_back(percent); }
    void enablePick(bool enabled) override { pickEnabled.push_back(enabled); }
    void setBusy(bool b) override { busy = b; }
};

} // namespace analtest
