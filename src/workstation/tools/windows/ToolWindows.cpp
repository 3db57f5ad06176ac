#include "workstation/tools/windows/ToolWindows.h"

#include "textfile/Numeric.h"
#include "workstation/tools/windows/FileEdit.h"
#include "workstation/tools/windows/ListEdit3.h"
#include "workstation/tools/windows/MergerFrm.h"
#include "workstation/tools/windows/Recode.h"

namespace ws {

ToolWindows::ToolWindows(Global& g, platform::Platform& p,
                         std::function<void(const std::string&)> showRecodeProgress)
    : g_(g), p_(p), showRecodeProgress_(std::move(showRecodeProgress)) {}

ToolWindows::~ToolWindows() = default;

void ToolWindows::wireInto(MainWindowLinks& links) {
    links.showListEditor = [this] { showListEditor(); };
    links.showDataEditor = [this] {
        // Each showing loads the window afresh: no file open, nothing unsaved.
        fileEdit_ = std::make_unique<FileEdit>(g_, p_);
        p_.dialogs.showModal(*fileEdit_);
    };
    links.showMerger = [this] {
        merger_ = std::make_unique<MergerFrm>(g_, p_);
        p_.dialogs.showModal(*merger_);
    };
}

void ToolWindows::showListEditor() {
    listEditor_ = std::make_unique<ListEdit3>(p_);
    p_.dialogs.showModal(*listEditor_);
}

Recode& ToolWindows::recode() {
    if (!recode_) {
        recode_ = std::make_unique<Recode>(g_, p_, showRecodeProgress_);
    }
    return *recode_;
}

MergerFrm& ToolWindows::merger() {
    if (!merger_) {
        merger_ = std::make_unique<MergerFrm>(g_, p_);
    }
    return *merger_;
}

FileEdit& ToolWindows::fileEdit() {
    if (!fileEdit_) {
        fileEdit_ = std::make_unique<FileEdit>(g_, p_);
    }
    return *fileEdit_;
}

bool ToolWindows::showRecode() {
    Recode& window = recode();
    // A list the window refuses as it loads ends the run there, so it is not refused twice.
    if (!window.loaded() && !window.Form_Load()) {
        g_.AbortRun = textfile::kTrue;
        return false;
    }
    window.startShowing();
    p_.dialogs.showModal(window);
    // Closed without "&Go for it!": the person recoded nothing and wants nothing recoded.
    if (!window.recodedThisShowing()) {
        g_.AbortRun = textfile::kTrue;
        return false;
    }
    return true;
}

void ToolWindows::fileRecode() {
    recode().FileRecode();
}

} // namespace ws
