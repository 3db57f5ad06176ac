#pragma once
// The analysis dialog and the analyses behind its runner, put together once per program
// and handed to the main window through its links.

#include "platform/Platform.h"
#include "workstation/analyses/AnalysisRoutes.h"
#include "workstation/analyses/windows/Anal.h"
#include "workstation/core/Global.h"
#include "workstation/core/MainWindowLinks.h"

#include <memory>

namespace ws {

class AnalysisWindows {
public:
    AnalysisWindows(Global& g, platform::Platform& p);
    ~AnalysisWindows();

    // Sets the main window's link to the analysis dialog.
    void wireInto(MainWindowLinks& links);
    // The dialog, created on first use and kept for the rest of the run.
    Anal& anal();
    AnalysisRoutes& routes() { return routes_; }

private:
    Global& g_;
    platform::Platform& p_;
    AnalysisRoutes routes_;
    std::unique_ptr<Anal> anal_;
};

} // namespace ws
