// The stand-alone collector: the collector window on the workstation's stored settings
// and code set, which it reads and never writes.
#include "collector/windows/CollectorPrograms.h"
#include "platform/qt/QtPlatform.h"
#include "workstation/core/Global.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::qt::QtPlatform qt;
    ws::Global g;
    // The window is the program: closing it, or its Exit, ends the run.
    auto window = collector::loadStandaloneCollector(g, qt.platform, [] { QCoreApplication::quit(); });
    qt.dialogs.showModal(*window);
    return 0;
}
