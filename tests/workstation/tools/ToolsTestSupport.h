#pragma once
// Helpers of the file-tool tests: drops from the file manager, and a cap on the size of
// files this process writes, which makes a save fail even for root.

#include "support/ScriptedPlatform.h"
#include "workstation/core/Global.h"
#include "workstation/core/MainWindowLinks.h"
#include "workstation/core/windows/Talvor.h"
#include "workstation/tools/windows/ToolWindows.h"

class QMimeData;
class QWidget;

namespace toolstest {

// The main window with the tools' windows wired in as the program wires them.
struct Workstation {
    Workstation();
    // Triggers the main window's menu item of that name.
    void choose(const char* item);

    testsupport::ScriptedPlatform sp;
    ws::Global g;
    ws::MainWindowLinks links;
    ws::ToolWindows tools{g, sp.platform, nullptr};
    ws::Talvor main{g, sp.platform, links};
};

// Drags the data over the widget and drops it there, as the window system delivers a drop.
void dropFiles(QWidget& target, const QMimeData& data);

// While it lives, any write that would make a file larger than `bytes` fails (EFBIG).
class FileSizeLimit {
public:
    explicit FileSizeLimit(long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    unsigned long long oldSoft_ = 0;
    void (*oldHandler_)(int) = nullptr;
};

} // namespace toolstest
