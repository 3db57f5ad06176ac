#pragma once
// Helpers of the analysis dialog, runner and frequency report tests: a scratch folder
// that can stand in as the current folder, small file writers, and the code set.

#include "platform/Platform.h"
#include "support/ScratchFolder.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/core/Global.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace analtest {

namespace fs = std::filesystem;

using testsupport::ScratchFolder;

// Makes a folder the current one for its lifetime, so fixture lists can name files
// relative to their own folder.
class CurrentFolder {
public:
    explicit CurrentFolder(const fs::path& folder);
    ~CurrentFolder();
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    fs::path previous_;
};

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);
// Lines joined with CR LF, the last one ended too.
std::string crlfLines(const std::vector<std::string>& lines);

// An event file: "Events", the header, then code,time records (the end record included).
void writeEventFile(const std::string& path, const std::string& header,
                    const std::vector<std::pair<std::string, int>>& records);
// A list file of the given type with its entry count.
void writeListFile(const std::string& path, const std::string& type, const std::vector<std::string>& entries);

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
