#include "videocoder/core/windows/OptionsWindow.h"

#include "videocoder/core/windows/frmOptions.h"

namespace vc {

OptionsWindow::OptionsWindow(Globals& g, CoderLinks& links, platform::Platform& p)
    : p_(p), form_(g, p.settings, p.dialogs, [&links] { links.refreshDataGrid(); }) {}

OptionsWindow::~OptionsWindow() = default;

void OptionsWindow::wireInto(MainFrmLinks& links) {
    links.showOptions = [this] { show(); };
}

frmOptions& OptionsWindow::window() {
    if (!window_) {
        window_ = std::make_unique<frmOptions>(form_, p_.dialogs);
    }
    return *window_;
}

void OptionsWindow::show() {
    frmOptions& dialog = window();
    dialog.Form_Load();
    p_.dialogs.showModal(dialog);
}

} // namespace vc
