#pragma once
// The file tools' windows, put together once per program: the list editor, the data-file
// editor and the merger for the main window's links, the recode window for the runner.

#include "platform/Platform.h"
#include "workstation/core/Global.h"
#include "workstation/core/MainWindowLinks.h"

#include <functional>
#include <memory>
#include <string>

namespace ws {

class FileEdit;
class ListEdit3;
class MergerFrm;
class Recode;

class ToolWindows {
public:
    // showRecodeProgress puts a text in the analysis dialog's title line and repaints it.
    ToolWindows(Global& g, platform::Platform& p, std::function<void(const std::string&)> showRecodeProgress);
    ~ToolWindows();

    void wireInto(MainWindowLinks& links);
    // The runner's two steps of a recoding run.
    // True when the person recoded from the window; false (AbortRun set) when it was closed without.
    bool showRecode();
    void fileRecode();

    // Each window is created when first shown and kept.
    Recode& recode();
    MergerFrm& merger();
    FileEdit& fileEdit();

private:
    void showListEditor();

    Global& g_;
    platform::Platform& p_;
    std::function<void(const std::string&)> showRecodeProgress_;
    std::unique_ptr<ListEdit3> listEditor_;
    std::unique_ptr<Recode> recode_;
    std::unique_ptr<MergerFrm> merger_;
    std::unique_ptr<FileEdit> fileEdit_;
};

} // namespace ws
