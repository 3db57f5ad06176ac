#include "workstation/analyses/windows/AnalysisWindows.h"

#include "textfile/Numeric.h"
#include "workstation/analyses/MultiGroupFreqDur.h"
#include "workstation/analyses/windows/ShowAnalysis.h"

namespace ws {

AnalysisWindows::AnalysisWindows(Global& g, platform::Platform& p) : g_(g), p_(p) {
    routes_.multiLevSetup = [this] { MultiLevSetup(); };
    routes_.showMultilev = [this] { p_.dialogs.showModal(multilev()); };
    routes_.multiGroupFreqDur = [this] {
        MultiGroupFreqDur(g_, p_, anal(), multilev().tree(),
                          [this](const GraphFile& file) { showGraph(file); });
    };
}

void AnalysisWindows::MultiLevSetup() {
    g_.RunCancelled = textfile::kFalse;
    multilev().prepareForRun();
    if (g_.RunCancelled != textfile::kFalse) {
        multilev().unload();
    }
}

void AnalysisWindows::showGraph(const GraphFile& file) {
    if (graphDisplay().GraphDisplay_Form_Load(multilev().tree(), file)) {
        p_.dialogs.showModal(graphDisplay());
    }
}

Multilev& AnalysisWindows::multilev() {
    if (!multilev_) {
        multilev_ = std::make_unique<Multilev>(g_, p_);
    }
    return *multilev_;
}

GraphDisplay& AnalysisWindows::graphDisplay() {
    if (!graphDisplay_) {
        graphDisplay_ = std::make_unique<GraphDisplay>(p_);
    }
    return *graphDisplay_;
}

AnalysisWindows::~AnalysisWindows() = default;

Anal& AnalysisWindows::anal() {
    if (!anal_) {
        anal_ = std::make_unique<Anal>(g_, p_, routes_);
        // "Prefs..." shows what the main window's options item shows.
        anal_->setShowOptions([this] {
            if (links_ != nullptr && links_->showOptions) {
                links_->showOptions();
            }
        });
    }
    return *anal_;
}

void AnalysisWindows::wireInto(MainWindowLinks& links) {
    links.showAnalysis = [this](const std::string& title) {
        if (routes_.newAnalysis) {
            routes_.newAnalysis();
        }
        makeShowAnalysis(anal(), p_)(title);
    };
    links_ = &links;
    // A save of the settings unloads the group tree, so the next run builds a fresh one.
    links.settingsCalls.unloadMultilev = [this] {
        if (multilev_ && multilev_->loaded()) {
            multilev_->unload();
        }
    };
}

} // namespace ws
