// The analysis workstation: builds the platform, the shared state and the main window,
// and wires in the windows that the main window opens but does not own.
#include "platform/Platform.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtLauncher.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtSound.h"
#include "platform/qt/SystemClock.h"
#include "platform/qt/TextBridge.h"
#include "workstation/analyses/windows/AnalysisWindows.h"
#include "workstation/core/Global.h"
#include "workstation/core/MainWindowLinks.h"
#include "workstation/core/windows/Talvor.h"

#include <QApplication>

namespace {

// Every window the main window reaches is wired here, in one place. The collector, the
// editors, the merger, the comparison window, the options window and printing join as
// they arrive; an unset link leaves its menu item doing nothing.
// The sequential and multi-group windows that saving the settings unloads, and the
// continuous-variable rules that loading reads, join links.settingsCalls the same way.
void wireWindows(ws::AnalysisWindows& analyses, ws::MainWindowLinks& links) {
    analyses.wireInto(links);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);

    platform::qt::QtDialogs dialogs;
    platform::qt::QtSettingsStore settings;
    platform::qt::QtLauncher launcher;
    platform::qt::QtSound sound;
    platform::qt::SystemClock clock;
    // The sounds are installed beside the program.
    platform::Platform platform{dialogs,  settings,
                                launcher, sound,
                                clock,    platform::fromPath(QCoreApplication::applicationDirPath())};

    ws::Global g;
    ws::MainWindowLinks links;
    ws::AnalysisWindows analyses(g, platform);
    wireWindows(analyses, links);

    ws::Talvor window(g, platform, links);
    window.show();
    window.Form_Load();
    return app.exec();
}
