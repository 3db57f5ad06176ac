#pragma once
// The options dialog, put together once per program and shown from "&TALVOR Options..." (and,
// through the same link, from the analysis dialog's "Prefs...").

#include "platform/Platform.h"
#include "workstation/core/Global.h"
#include "workstation/core/MainWindowLinks.h"
#include "workstation/core/MainWindowPlacement.h"

#include <memory>

namespace ws {

class frmOptions;

class OptionsWindows {
public:
    OptionsWindows(Global& g, platform::Platform& p);
    ~OptionsWindows();

    // Sets the options link. Storing the settings goes through the main window's placement
    // and the links' settings calls, as every other save does.
    void wireInto(MainWindowLinks& links, MainWindowPlacement* mainWindow);
    // The dialog, created on first use and kept (hidden) for the rest of the run.
    frmOptions& options();

private:
    Global& g_;
    platform::Platform& p_;
    MainWindowLinks* links_ = nullptr;
    MainWindowPlacement* mainWindow_ = nullptr;
    std::unique_ptr<frmOptions> options_;
};

} // namespace ws
