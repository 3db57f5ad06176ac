// The video coder's data file: a 20,000-row, 50-column EVENTS file opened and saved again
// (OpenDataFile then SaveDataFile) beside one atomic write of the same bytes. The counter
// per_atomic_write of the open-and-save is its time over the plain write's; target: at most 2.
// The same file naming a code set is also opened, its grid dressed (RefreshDataGrid) and the
// grid model's first screen read, then saved: per_atomic_write again, target at most 2.
#include "support/ScriptedPlatform.h"
#include "support/SilentCodingWindow.h"
#include "textfile/Files.h"
#include "videocoder/coding/windows/DataGridModel.h"
#include "videocoder/core/CoderLinks.h"
#include "videocoder/core/DataFile.h"
#include "videocoder/core/RefreshDataGrid.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int kRows = 20'000;
constexpr int kColumns = 50;

// A coded session as the coder writes it: the time, a code in a few of the groups, empty
// texts in the rest, and a comment with commas in the last column of every tenth row.
// codeFile: the code set its header names, or "".
std::string sessionBytes(const std::string& codeFile = "") {
    std::string bytes =
        "EVENTS\r\nS01\r\n12-10-2026\r\n09:30\r\nLab\r\nA1\r\njm\r\n<notes>\r\nvisit one\r\n\r\n"
        "</notes>\r\n\r\n" +
        codeFile + "\r\n00:00:00.00\r\n\r\n12-10-2026\r\n\r\n";
    bytes += std::to_string(kRows) + "\r\n" + std::to_string(kColumns) + "\r\n";
    const char* codes[] = {"A", "B", "C", "D"};
    char time[32];
    for (int row = 1; row <= kRows; ++row) {
        std::snprintf(time, sizeof time, "\"%02d:%02d:%02d.%02d\",", row / 3600 % 100, row / 60 % 60,
                      row % 60, row * 7 % 100);
        bytes += time;
        for (int column = 2; column < kColumns; ++column) {
            bytes +=
                (row + column) % 5 == 0 ? std::string("\"") + codes[(row + column) % 4] + "\"," : "\"\",";
        }
        bytes += row % 10 == 0 ? "looked away, then back" : "";
        bytes += "\r\n";
    }
    return bytes;
}

// The codes A to D in every group the session uses, each group described.
std::string codeSetBytes() {
    const int groups = kColumns - 2;
    std::string bytes = " " + std::to_string(4 * groups) + " \r\n";
    for (int group = 0; group < groups; ++group) {
        for (const char* code : {"A", "B", "C", "D"}) {
            bytes += "\"" + std::string(code) + "\",\"Code " + code + "\"," + std::to_string(group) + "\r\n";
        }
    }
    for (int group = 0; group < 49; ++group) {
        bytes += "\"Group " + std::to_string(group) + " behaviour\"\r\n";
    }
    return bytes;
}

struct BenchFile {
    BenchFile() {
        folder = fs::temp_directory_path() / ("qvd-bench-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        path = (folder / "session.qvd").string();
        bytes = sessionBytes();
        textfile::saveFileAtomically(path, bytes);
        codeSetPath = (folder / "session.cod").string();
        textfile::saveFileAtomically(codeSetPath, codeSetBytes());
        codedPath = (folder / "coded.qvd").string();
        codedBytes = sessionBytes(codeSetPath);
        textfile::saveFileAtomically(codedPath, codedBytes);
    }
    ~BenchFile() { fs::remove_all(folder); }
    fs::path folder;
    std::string path;
    std::string bytes;
    std::string codeSetPath;
    std::string codedPath;
    std::string codedBytes;
};

BenchFile& benchFile() {
    static BenchFile file;
    return file;
}

double plainWriteSeconds = 0;

void BM_AtomicWrite(benchmark::State& state) {
    BenchFile& file = benchFile();
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        textfile::saveFileAtomically(file.path, file.bytes);
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    plainWriteSeconds = total / static_cast<double>(state.iterations());
}

void BM_OpenThenSave(benchmark::State& state) {
    BenchFile& file = benchFile();
    // One program run: its shared state and windows live across the opens, as they do
    // while a coder opens one file after another.
    testsupport::ScriptedDialogs dialogs;
    testsupport::SilentCodingWindow view;
    vc::Globals g;
    vc::CodingWindowModel dataFrm(view);
    vc::GroupDescriptions groups;
    vc::CoderLinks links{dialogs, dataFrm, groups, {}};
    double total = 0;
    for (auto _ : state) {
        g.data.gFileName = file.path;
        const auto start = std::chrono::steady_clock::now();
        const bool opened = vc::OpenDataFile(g, links);
        const bool saved = vc::SaveDataFile(g, links);
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!opened || !saved || !dialogs.boxes.empty()) {
            state.SkipWithError("the data file did not open and save cleanly");
            return;
        }
    }
    if (textfile::readWholeFile(file.path) != file.bytes) {
        state.SkipWithError("the saved file differs from the one opened");
        return;
    }
    if (plainWriteSeconds > 0) {
        state.counters["per_atomic_write"] =
            total / static_cast<double>(state.iterations()) / plainWriteSeconds;
    }
}

// What a coder waits for between choosing a file and seeing it: the open (which reads the
// code set and dresses the grid), the first screen of rows and titles, then a save.
void BM_OpenDressFillSave(benchmark::State& state) {
    constexpr int kScreenRows = 40;
    BenchFile& file = benchFile();
    testsupport::ScriptedDialogs dialogs;
    testsupport::SilentCodingWindow view;
    vc::Globals g;
    g.settings.gCommentField = vc::kTrue;
    vc::CodingWindowModel dataFrm(view);
    vc::GroupDescriptions groups;
    vc::CoderLinks links{dialogs, dataFrm, groups, {}};
    links.RefreshDataGrid = [&] { vc::RefreshDataGrid(g, links); };
    vc::DataGridModel model(g.data, dataFrm.FG1);
    double total = 0;
    std::size_t shown = 0;
    for (auto _ : state) {
        g.data.gFileName = file.codedPath;
        const auto start = std::chrono::steady_clock::now();
        const bool opened = vc::OpenDataFile(g, links);
        model.reload();
        for (int column = 0; column < model.columnCount(); ++column) {
            shown += static_cast<std::size_t>(
                model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().size());
            for (int row = 0; row < kScreenRows; ++row) {
                shown += static_cast<std::size_t>(model.index(row, column).data().toString().size());
            }
        }
        const bool saved = vc::SaveDataFile(g, links);
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!opened || !saved || !dialogs.boxes.empty() || dataFrm.FG1[1].comboList != "A|B|C|D| |") {
            state.SkipWithError("the data file did not open, dress and save cleanly");
            return;
        }
    }
    benchmark::DoNotOptimize(shown);
    if (textfile::readWholeFile(file.codedPath) != file.codedBytes) {
        state.SkipWithError("the saved file differs from the one opened");
        return;
    }
    if (plainWriteSeconds > 0) {
        state.counters["per_atomic_write"] =
            total / static_cast<double>(state.iterations()) / plainWriteSeconds;
    }
}

BENCHMARK(BM_AtomicWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenThenSave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDressFillSave)->Unit(benchmark::kMillisecond);

} // namespace
