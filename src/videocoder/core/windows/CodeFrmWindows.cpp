#include "videocoder/core/windows/CodeFrmWindows.h"

#include "videocoder/core/CodeSetFile.h"
#include "videocoder/core/windows/CodeFrm.h"

namespace vc {

CodeFrmWindows::CodeFrmWindows(Globals& g, CoderLinks& links, platform::Platform& p)
    : g_(g), links_(links), p_(p), table_(g, links, p.settings), groups_(g, links.codeFrmGroups),
      editor_(table_, groups_, p) {
    // Unloaded by the program (its Exit, the coding window's close, a failed code-file
    // command), the editor's window goes with it, its place kept for the next showing.
    links_.codeFrmGroups.onUnload([this] {
        if (window_ && editor_.loaded()) {
            if (window_->isVisible() && window_->normalState()) {
                table_.storeGeometry(window_->geometry());
            }
            editor_.markUnloaded();
            window_->hide();
        }
        editor_.markUnloaded();
    });
}

CodeFrmWindows::~CodeFrmWindows() {
    links_.codeFrmGroups.onUnload({});
}

void CodeFrmWindows::wireInto(MainFrmLinks& links) {
    links.showCodeFrm = [this] { show(); };
}

CodeFrm& CodeFrmWindows::window() {
    if (!window_) {
        window_ = std::make_unique<CodeFrm>(editor_, p_.dialogs);
        editor_.attach(*window_);
    }
    return *window_;
}

void CodeFrmWindows::show() {
    CodeFrm& frm = window();
    if (!editor_.loaded() || !links_.codeFrmGroups.loaded()) {
        frm.guarded([this] { editor_.Form_Load(); });
    }
    frm.show();
    frm.raise();
    frm.activateWindow();
}

void CodeFrmWindows::ShowCodesMnu_Click() {
    // An empty name reads the coding window's code-file field.
    if (g_.open.gCodeOpen == kFalse) {
        OpenCodeFile(g_, links_);
    }
    show();
}

} // namespace vc
