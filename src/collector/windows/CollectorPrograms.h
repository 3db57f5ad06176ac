#pragma once
// The collector window as each program starts it: opened from the workstation's menu, or
// as the stand-alone program's only window.

#include "collector/windows/MiniBrondel.h"
#include "platform/Platform.h"
#include "workstation/core/Global.h"
#include "workstation/core/MainWindowLinks.h"
#include "workstation/core/MainWindowPlacement.h"
#include "workstation/core/ProgramTitle.h"

#include <functional>
#include <memory>
#include <string>

namespace collector {

inline const std::string kStandaloneTitle = "tapsel";

// The workstation's collector: every showing loads it afresh on the stored settings and
// the code set (asking for one when it is missing), and its Exit ends the whole program
// through `endProgram`, the main window's end.
class WorkstationCollector {
public:
    WorkstationCollector(ws::Global& g, platform::Platform& p, std::function<void()> endProgram);
    ~WorkstationCollector();

    // Sets the main window's "Collect &Data..." link. The collector opens over `parent`,
    // and its loads place `mainWindow` and make the links' settings calls as the main
    // window's own start-up does.
    void wireInto(ws::MainWindowLinks& links, QWidget* parent, ws::MainWindowPlacement* mainWindow);
    // Created on first use and kept for the rest of the run.
    MiniBrondel& window();

private:
    ws::Global& g_;
    platform::Platform& p_;
    std::function<void()> endProgram_;
    QWidget* parent_ = nullptr;
    ws::MainWindowPlacement* mainWindow_ = nullptr;
    const ws::SettingsCalls* settingsCalls_ = nullptr;
    std::unique_ptr<MiniBrondel> window_;
};

// The stand-alone program's window, loaded: the settings are read without writing them
// and the code set without a dialog.
std::unique_ptr<MiniBrondel> loadStandaloneCollector(ws::Global& g, platform::Platform& p,
                                                     std::function<void()> endProgram);

} // namespace collector
