#pragma once
// The analysis dialog and the analyses behind its runner, put together once per program
// and handed to the main window through its links.

#include "platform/Platform.h"
#include "workstation/analyses/AnalysisRoutes.h"
#include "workstation/analyses/windows/Anal.h"
#include "workstation/analyses/windows/GraphDisplay.h"
#include "workstation/analyses/windows/Multilev.h"
#include "workstation/core/Global.h"
#include "workstation/core/MainWindowLinks.h"

#include <memory>

namespace ws {

class AnalysisWindows {
public:
    AnalysisWindows(Global& g, platform::Platform& p);
    ~AnalysisWindows();

    // Sets the main window's links to the analysis dialog and to the group tree's unloading;
    // the dialog's "Prefs..." follows the links' options item.
    void wireInto(MainWindowLinks& links);
    // The dialog, created on first use and kept for the rest of the run.
    Anal& anal();
    Multilev& multilev();
    GraphDisplay& graphDisplay();
    AnalysisRoutes& routes() { return routes_; }

private:
    // What the runner's MultiLevSetup does before the group tree is shown.
    void MultiLevSetup();
    void showGraph(const GraphFile& file);

    Global& g_;
    platform::Platform& p_;
    AnalysisRoutes routes_;
    MainWindowLinks* links_ = nullptr;
    std::unique_ptr<Anal> anal_;
    std::unique_ptr<Multilev> multilev_;
    std::unique_ptr<GraphDisplay> graphDisplay_;
};

} // namespace ws
