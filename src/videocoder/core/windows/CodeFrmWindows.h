#pragma once
// The video coder's code-set editor, put together once per program: the editor over gCodes
// and the group descriptions, and its window, created on first showing and kept. It shows
// modeless; it closes with the descriptions when the program unloads them.

#include "platform/Platform.h"
#include "videocoder/core/CodeEditor.h"
#include "videocoder/core/CoderLinks.h"
#include "videocoder/core/EditorCodeTable.h"
#include "videocoder/core/EditorGroupNames.h"
#include "videocoder/core/MainFrm.h"

#include <memory>

namespace vc {

class CodeFrm;

class CodeFrmWindows {
public:
    CodeFrmWindows(Globals& g, CoderLinks& links, platform::Platform& p);
    ~CodeFrmWindows();

    // Sets the main window's link that shows the editor.
    void wireInto(MainFrmLinks& links);
    // Loads the editor when it is not loaded, then shows it (modeless) in front.
    void show();
    // The coding window's "Show Loaded Code File".
    void ShowCodesMnu_Click();
    CodeEditor& editor() { return editor_; }
    // The window, created on first use.
    CodeFrm& window();

private:
    Globals& g_;
    CoderLinks& links_;
    platform::Platform& p_;
    EditorCodeTable table_;
    EditorGroupNames groups_;
    CodeEditor editor_;
    std::unique_ptr<CodeFrm> window_;
};

} // namespace vc
