// The analysis workstation: builds the platform, the shared state and the main window,
// and wires in the windows that the main window opens but does not own.
#include "collector/windows/CollectorPrograms.h"
#include "platform/Random.h"
#include "platform/qt/QtPlatform.h"
#include "workstation/analyses/windows/AnalysisWindows.h"
#include "workstation/core/Global.h"
#include "workstation/core/MainWindowLinks.h"
#include "workstation/core/PrintMenuItems.h"
#include "workstation/core/ProgramTitle.h"
#include "workstation/core/windows/CodeEditorWindow.h"
#include "workstation/core/windows/OptionsWindows.h"
#include "workstation/core/windows/Talvor.h"
#include "workstation/sequential/windows/SequentialWindows.h"
#include "workstation/tools/windows/ToolWindows.h"

#include <QApplication>

namespace {

// Every window the main window reaches is wired here, in one place (the collector and the
// options dialog below, once the main window they need exists); an unset link leaves its
// menu item doing nothing. The sequential and multi-group windows that saving the settings
// unloads join links.settingsCalls the same way.
void wireWindows(ws::AnalysisWindows& analyses, ws::SequentialWindows& sequential, ws::ToolWindows& tools,
                 ws::MainWindowLinks& links) {
    analyses.wireInto(links);
    sequential.wireInto(links);
    tools.wireInto(links);
    analyses.routes().showRecode = [&tools] { return tools.showRecode(); };
    analyses.routes().fileRecode = [&tools] { tools.fileRecode(); };
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);

    // The sounds are installed beside the program.
    platform::qt::QtPlatform qt;
    platform::Platform& platform = qt.platform;

    ws::Global g;
    ws::MainWindowLinks links;
    ws::AnalysisWindows analyses(g, platform);
    // The one random source of the program: never reseeded, so every start draws the same.
    platform::FixedRandom random;
    ws::SequentialWindows sequential(g, platform, random, analyses);
    // Recoding a list shows each entry in the analysis dialog's title line as it goes.
    ws::ToolWindows tools(g, platform, [&analyses](const std::string& text) {
        analyses.anal().setLabel(text);
        analyses.anal().redraw();
    });
    wireWindows(analyses, sequential, tools, links);
    ws::wirePrinting(g, platform, links);

    ws::Talvor window(g, platform, links);
    // The code-set editor is the video coder's window over the workstation's code set.
    ws::CodeEditorWindow codeEditor(g, platform);
    codeEditor.wireInto(links, &window);
    // The options dialog stores the settings with the main window's placement.
    ws::OptionsWindows options(g, platform);
    options.wireInto(links, &window);
    // The collector's Exit ends the program the way the main window ends it.
    collector::WorkstationCollector collector(g, platform, [&window] { window.endProgram(); });
    collector.wireInto(links, &window, &window);
    window.show();
    window.Form_Load();
    return app.exec();
}
