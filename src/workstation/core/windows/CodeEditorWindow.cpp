#include "workstation/core/windows/CodeEditorWindow.h"

#include "videocoder/core/windows/CodeFrm.h"

namespace ws {

CodeEditorWindow::CodeEditorWindow(Global& g, platform::Platform& p)
    : p_(p), table_(g, p), groups_(g), editor_(table_, groups_, p) {}

CodeEditorWindow::~CodeEditorWindow() = default;

void CodeEditorWindow::wireInto(MainWindowLinks& links, MainWindowPlacement* mainWindow) {
    table_.saveSettingsThrough(mainWindow, &links.settingsCalls);
    links.showCodeEditor = [this] { show(); };
}

void CodeEditorWindow::show() {
    if (!window_) {
        window_ = std::make_unique<vc::CodeFrm>(editor_, p_.dialogs);
        editor_.attach(*window_);
    }
    window_->guarded([this] { editor_.Form_Load(); });
    p_.dialogs.showModal(*window_);
}

} // namespace ws
