// The data-file editor's open of a million-line event file, interleaved with one read() of the
// same file. per_read is the time from the dropped name to the first screen of text shown with
// the window answering again (the rest fills in parts, with progress and Cancel) over the read's;
// target: at most 3. whole_per_read is the time until the last part is in, over the read's.
#include "support/ScriptedPlatform.h"
#include "workstation/core/Global.h"
#include "workstation/tools/windows/FileEdit.h"

#include "BenchFiles.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

namespace {

namespace fs = std::filesystem;

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

// One read() of the whole file into a buffer of its size: the least any open can cost. The
// buffer is new each time, as an open's is (on a machine whose page faults are dear, a buffer
// used before reads several times faster: read_warm_ms says by how much).
std::size_t readOnce(const std::string& path, std::string& buffer) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    std::size_t total = 0;
    for (ssize_t got = 0; (got = ::read(fd, buffer.data() + total, buffer.size() - total)) > 0;) {
        total += static_cast<std::size_t>(got);
    }
    ::close(fd);
    return total;
}

QApplication& offscreenApplication() {
    static int argc = 1;
    static char name[] = "suite_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

void BM_FileEditOpenMillionLines(benchmark::State& state) {
    offscreenApplication();
    const fs::path folder = fs::temp_directory_path() / ("file-edit-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const std::string path = (folder / "long.eve").string();
    const std::string bytes = millionLineSession();
    bench::writeFile(path, bytes);
    std::string buffer(bytes.size(), '\0');

    testsupport::ScriptedPlatform sp;
    ws::Global g;
    double readSeconds = 0;
    double warmReadSeconds = 0;
    double firstScreenSeconds = 0;
    double wholeSeconds = 0;
    for (auto _ : state) {
        readSeconds += bench::timedPass([&] {
            std::string fresh(bytes.size(), '\0');
            benchmark::DoNotOptimize(readOnce(path, fresh));
        });
        warmReadSeconds += bench::timedPass([&] { benchmark::DoNotOptimize(readOnce(path, buffer)); });
        // Each showing of the editor is a window of its own, as the main window makes it.
        auto editor = std::make_unique<ws::FileEdit>(g, sp.platform);
        editor->show();
        const auto start = std::chrono::steady_clock::now();
        bool firstYield = true;
        sp.dialogs.onYield = [&] {
            if (firstYield) {
                QApplication::processEvents(); // the first screen painted
                firstScreenSeconds +=
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
                firstYield = false;
            }
        };
        wholeSeconds += bench::timedPass([&] {
            editor->OLEDragDrop({path});
            QApplication::processEvents();
        });
        sp.dialogs.onYield = nullptr;
        if (editor->findChild<QPlainTextEdit*>("Text1")->document()->blockCount() < kLines ||
            !sp.dialogs.boxes.empty()) {
            state.SkipWithError("the editor did not show the whole file");
            break;
        }
    }
    fs::remove_all(folder);
    const auto perPass = [&state](double seconds) {
        return 1000 * seconds / static_cast<double>(state.iterations());
    };
    state.counters["read_ms"] = perPass(readSeconds);
    state.counters["read_warm_ms"] = perPass(warmReadSeconds);
    state.counters["first_screen_ms"] = perPass(firstScreenSeconds);
    state.counters["whole_ms"] = perPass(wholeSeconds);
    state.counters["per_read"] = firstScreenSeconds / readSeconds;
    state.counters["whole_per_read"] = wholeSeconds / readSeconds;
}

} // namespace

BENCHMARK(BM_FileEditOpenMillionLines)->Unit(benchmark::kMillisecond)->Iterations(3);
