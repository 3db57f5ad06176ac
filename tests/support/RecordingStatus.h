#pragma once
// Records everything a run tells its status: each label, progress step and shown state, in
// order, so a test can check what the person would have seen.

#include "workstation/analyses/AnalysisStatus.h"

#include <string>
#include <utility>
#include <vector>

namespace testsupport {

class RecordingStatus : public ws::AnalysisStatus {
public:
    std::vector<std::string> labels; // the title given, if any, then every label set
    std::vector<int> progress;
    std::vector<bool> progressShown;
    std::vector<bool> pickEnabled;
    bool busy = false;
    int redraws = 0;

    RecordingStatus() = default;
    explicit RecordingStatus(std::string title) { labels.push_back(std::move(title)); }

    // The progress bar as last shown or hidden (hidden until shown).
    bool progressVisible() const { return !progressShown.empty() && progressShown.back(); }
    // The pick button as last enabled or disabled (enabled until told otherwise).
    bool pickOn() const { return pickEnabled.empty() || pickEnabled.back(); }

    void setLabel(const std::string& text) override { labels.push_back(text); }
    std::string label() const override { return labels.empty() ? std::string() : labels.back(); }
    void redraw() override { ++redraws; }
    void showProgress(bool visible) override { progressShown.push_back(visible); }
    void setProgress(int percent) override { progress.push_back(percent); }
    void enablePick(bool enabled) override { pickEnabled.push_back(enabled); }
    void setBusy(bool b) override { busy = b; }
};

} // namespace testsupport
