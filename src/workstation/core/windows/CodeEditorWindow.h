#pragma once
// The workstation's code-set editor ("&Code File Editor...", F3): the video coder's editor
// bound to the workstation's code set, shown modally. The code set stays the workstation's
// current one after it closes.

#include "platform/Platform.h"
#include "videocoder/core/CodeEditor.h"
#include "workstation/core/Global.h"
#include "workstation/core/MainWindowLinks.h"
#include "workstation/core/windows/CodeSetCodeTable.h"
#include "workstation/core/windows/CodeSetGroupNames.h"

#include <memory>

namespace vc {
class CodeFrm;
}

namespace ws {

class CodeEditorWindow {
public:
    CodeEditorWindow(Global& g, platform::Platform& p);
    ~CodeEditorWindow();

    // Sets the editor's link; its settings saves go through the main window's placement and
    // the links' settings calls, as every other save does.
    void wireInto(MainWindowLinks& links, MainWindowPlacement* mainWindow);
    // Loads the editor and shows it modally; returns when it has closed.
    void show();
    vc::CodeEditor& editor() { return editor_; }

private:
    platform::Platform& p_;
    CodeSetCodeTable table_;
    CodeSetGroupNames groups_;
    vc::CodeEditor editor_;
    std::unique_ptr<vc::CodeFrm> window_;
};

} // namespace ws
