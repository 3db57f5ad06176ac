// The data-file editor's open of a million-line event file against one read() of the same file:
// the time from the dropped name to the first screen of text shown with the window answering
// again (the rest fills in parts, with progress and Cancel; target: at most 3), and the time
// until the last part is in.
#include "support/ScriptedPlatform.h"
#include "workstation/core/Global.h"
#include "workstation/tools/windows/FileEdit.h"

#include "BenchFiles.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

namespace {

constexpr int kLines = 1'000'000;

std::string millionLineSession() {
    std::string bytes = "Events\r\nA session of a million events\r\n";
    const char* codes[] = {"SIT", "STAND", "WALK", "RUN"};
    for (int line = 3; line < kLines; ++line) {
        bytes += std::string(codes[line % 4]) + ", " + std::to_string(line * 3) + " \r\n";
    }
    bytes += "-500, " + std::to_string(kLines * 3) + " \r\n";
    return bytes;
}

QApplication& offscreenApplication() {
    static int argc = 1;
    static char name[] = "suite_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform says on every window shown that it cannot size it to its hints;
    // that line alone is left out of the table.
    static const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (!text.contains(QLatin1String("propagateSizeHints"))) {
                previous(type, context, text);
            }
        });
    static QApplication app(argc, argv);
    return app;
}

struct MillionLineFile {
    bench::ScratchFolder folder{"file-edit-bench"};
    std::string path = (folder / "long.eve").string();
    MillionLineFile() { bench::writeFile(path, millionLineSession()); }
};

const MillionLineFile& millionLineFile() {
    static const MillionLineFile file;
    return file;
}

// Opens the file in a new editor window, as the main window makes one for each showing, and
// returns the seconds from the dropped name to the first screen painted (firstScreen) or to
// the last part in; false in shown when the editor did not show the whole file.
double secondsToOpen(testsupport::ScriptedPlatform& sp, ws::Global& g, bool firstScreen, bool& shown) {
    auto editor = std::make_unique<ws::FileEdit>(g, sp.platform);
    editor->show();
    const auto start = std::chrono::steady_clock::now();
    double firstScreenSeconds = 0;
    sp.dialogs.onYield = [&] {
        if (firstScreenSeconds == 0) {
            QApplication::processEvents(); // the first screen painted
            firstScreenSeconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        }
    };
    editor->OLEDragDrop({millionLineFile().path});
    QApplication::processEvents();
    const double wholeSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    sp.dialogs.onYield = nullptr;
    shown = shown && editor->findChild<QPlainTextEdit*>("Text1")->document()->blockCount() >= kLines &&
            sp.dialogs.boxes.empty();
    return firstScreen ? firstScreenSeconds : wholeSeconds;
}

void BM_FileEditOpenMillionLines(benchmark::State& state, bool firstScreen) {
    offscreenApplication();
    testsupport::ScriptedPlatform sp;
    ws::Global g;
    bool shown = true;
    bench::contestAgainstRead(state, millionLineFile().path, kLines,
                              [&] { return secondsToOpen(sp, g, firstScreen, shown); });
    if (!shown) {
        state.SkipWithError("the editor did not show the whole file");
    }
}

} // namespace

BENCHMARK_CAPTURE(BM_FileEditOpenMillionLines, first_screen, true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(BM_FileEditOpenMillionLines, whole, false)->Unit(benchmark::kMillisecond)->Iterations(5);
