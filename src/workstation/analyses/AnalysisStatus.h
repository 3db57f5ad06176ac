#pragma once
// What an analysis shows while it runs: the label of the analysis dialog, its
// progress bar, its pick button and the mouse pointer. The dialog implements it;
// headless runs use QuietStatus.

#include <string>

namespace ws {

class AnalysisStatus {
public:
    virtual ~AnalysisStatus() = default;
    virtual void setLabel(const std::string& text) = 0; // Label1
    virtual std::string label() const = 0;
    virtual void redraw() = 0;
    virtual void showProgress(bool visible) = 0; // ProgressBar1
    virtual void setProgress(int percent) = 0;
    virtual void enablePick(bool enabled) = 0; // Doit_Btn
    virtual void setBusy(bool busy) = 0;       // hourglass pointer
};

class QuietStatus : public AnalysisStatus {
public:
    std::string text;
    void setLabel(const std::string& t) override { text = t; }
    std::string label() const override { return text; }
    void redraw() override {}
    void showProgress(bool) override {}
    void setProgress(int) override {}
    void enablePick(bool) override {}
    void setBusy(bool) override {}
};

} // namespace ws
