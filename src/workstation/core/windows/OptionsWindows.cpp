#include "workstation/core/windows/OptionsWindows.h"

#include "workstation/core/Settings.h"
#include "workstation/core/windows/frmOptions.h"

namespace ws {

OptionsWindows::OptionsWindows(Global& g, platform::Platform& p) : g_(g), p_(p) {}

OptionsWindows::~OptionsWindows() = default;

void OptionsWindows::wireInto(MainWindowLinks& links, MainWindowPlacement* mainWindow) {
    links_ = &links;
    mainWindow_ = mainWindow;
    links.showOptions = [this] { options().showDialog(); };
}

frmOptions& OptionsWindows::options() {
    if (!options_) {
        options_ = std::make_unique<frmOptions>(g_, p_, [this] {
            SaveSettings(g_, p_, mainWindow_, links_ != nullptr ? links_->settingsCalls : SettingsCalls{});
        });
    }
    return *options_;
}

} // namespace ws
