// The coding window's work on a 20,000-row file, each operation against its baseline in one
// process (interleaved, order alternating; ratio_median is the figure):
// - SortData by time, then by a group, against OpenDataFile of the same file; target at most 5.
//   The file is a coded session: times ascending but for one row in fifty stamped late.
// - The CSV and DORU exports against one atomic write of the bytes they write; target 2.
// - ImportCsv, ImportDoru and MergeDataFile against one read() of the file they read; target 2.
#include "BenchFiles.h"
#include "SilentCoder.h"
#include "support/ScriptedPlatform.h"
#include "support/SilentCodingWindow.h"
#include "textfile/Files.h"
#include "videocoder/core/CoderLinks.h"
#include "videocoder/core/DataFile.h"
#include "videocoder/core/ExportData.h"
#include "videocoder/core/ImportData.h"
#include "videocoder/core/SortData.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int kRows = 20'000;
constexpr int kColumns = 50;

std::string clockText(int hundredths) {
    char time[32];
    std::snprintf(time, sizeof time, "%02d:%02d:%02d.%02d", hundredths / 360000 % 100, hundredths / 6000 % 60,
                  hundredths / 100 % 60, hundredths % 100);
    return time;
}

std::string headerLines(const char* type) {
    return std::string(type) +
           "\r\nS01\r\n12-10-2026\r\n09:30\r\nLab\r\nA1\r\njm\r\n<notes>\r\nvisit one\r\n</notes>\r\n\r\n\r\n"
           "00:00:00.00\r\n03:00:00.00\r\n12-10-2026\r\n\r\n";
}

// A coded session: one row every 0.53 s, a code in a few groups, empty texts in the rest.
std::string eventsBytes() {
    std::string bytes =
        headerLines("EVENTS") + std::to_string(kRows) + "\r\n" + std::to_string(kColumns) + "\r\n";
    const char* codes[] = {"A", "B", "C", "D"};
    for (int row = 1; row <= kRows; ++row) {
        const int stamped = row * 53 + (row % 50 == 0 ? 4000 : 0);
        bytes += "\"" + clockText(stamped) + "\",";
        for (int column = 2; column < kColumns; ++column) {
            bytes += (row + column) % 5 == 0 || column == 3
                         ? std::string("\"") + codes[(row * 7 + column) % 4] + "\","
                         : "\"\",";
        }
        bytes += row % 10 == 0 ? "looked away, then back\r\n" : "\r\n";
    }
    return bytes;
}

std::string transcriptBytes() {
    std::string bytes = headerLines("TRANSCRIPT") + std::to_string(kRows) + "\r\n";
    for (int row = 1; row <= kRows; ++row) {
        bytes += "\"" + clockText(row * 53) + "\",\"[hi][lo]\",\"C I want that one, please " +
                 std::to_string(row) + "!\"\r\n";
    }
    return bytes;
}

struct Files {
    Files() : folder(fs::temp_directory_path() / ("coded-rows-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(folder);
        textfile::saveFileAtomically(events(), eventsBytes());
        textfile::saveFileAtomically(transcript(), transcriptBytes());
    }
    ~Files() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    std::string at(const char* name) const { return (folder / name).string(); }
    std::string events() const { return at("session.qvd"); }
    std::string transcript() const { return at("talk.qvd"); }
    fs::path folder;
};

const Files& files() {
    static const Files f;
    return f;
}

// One program run: its shared state and coding window live across the rounds.
struct Coder : bench::SilentCoder {
    void load(const std::string& path) {
        if (!open(path)) {
            std::fprintf(stderr, "%s did not open\n", path.c_str());
        }
    }
    void answer(const std::string& path) {
        platform.dialogs.boxes.clear();
        platform.dialogs.files.push_back(path);
    }
};

void BM_SortByTimeThenGroup(benchmark::State& state) {
    Coder c;
    c.load(files().events());
    const vc::CellTable unsorted = c.g.data.gData;
    bench::contest(
        state, "OpenDataFile of the same file", kRows, [&] { c.g.data.gData = unsorted; },
        [&] { vc::SortData(c.g, c.links, 1, 3); }, [&] { c.load(files().events()); });
}
BENCHMARK(BM_SortByTimeThenGroup)->Iterations(9)->Unit(benchmark::kMillisecond);

// An export against one write of as many bytes as it writes, synced as its save is.
void exportContest(benchmark::State& state, const std::string& source, const char* exported) {
    Coder c;
    c.load(source);
    const std::string target = files().at(exported);
    bench::Baseline baseline;
    baseline.writesAsMuchAs(
        files().at((std::string("plain-") + exported).c_str()),
        [&] { return std::vector<std::string>{target}; }, bench::Sync::AsASave);
    bench::contest(
        state, kRows, [&] { c.answer(target); },
        [&] {
            vc::ExportData(c.g, c.links, {c.platform.settings, c.platform.launcher});
        },
        baseline);
    if (c.platform.dialogs.boxes.size() != 1 || c.platform.dialogs.boxes[0].text != target + " created") {
        state.SkipWithError("the export did not end with its \" created\" box");
    }
}

void BM_ExportCsv(benchmark::State& state) {
    exportContest(state, files().events(), "session.csv");
}
BENCHMARK(BM_ExportCsv)->Iterations(9)->Unit(benchmark::kMillisecond);

void BM_ExportDoru(benchmark::State& state) {
    exportContest(state, files().transcript(), "talk.slt");
}
BENCHMARK(BM_ExportDoru)->Iterations(9)->Unit(benchmark::kMillisecond);

// An import into fresh data against one read() of the file it reads.
template <class Import>
void importContest(benchmark::State& state, const std::string& source, const char* openType, Import import) {
    Coder c;
    bench::Baseline baseline;
    baseline.reads({source});
    bench::contest(
        state, kRows,
        [&] {
            vc::ClearData(c.g.data);
            c.g.data.gFileName.clear();
            c.g.data.gDataType = openType;
            c.answer(source);
        },
        [&] { import(c); }, baseline);
    if (!c.platform.dialogs.boxes.empty() || c.g.data.gRowCount.asNumber() < kRows) {
        state.SkipWithError("the import did not read every row cleanly");
    }
}

void BM_ImportCsv(benchmark::State& state) {
    // The program's own export of the session, as a coder brings it back.
    Coder c;
    c.load(files().events());
    const std::string csv = files().at("import.csv");
    c.answer(csv);
    vc::ExportData(c.g, c.links, {c.platform.settings, c.platform.launcher});
    importContest(state, csv, "EVENTS", [](Coder& into) { vc::ImportCsv(into.g, into.links); });
}
BENCHMARK(BM_ImportCsv)->Iterations(9)->Unit(benchmark::kMillisecond);

void BM_ImportDoru(benchmark::State& state) {
    Coder c;
    c.load(files().transcript());
    const std::string slt = files().at("import.slt");
    c.answer(slt);
    vc::ExportData(c.g, c.links, {c.platform.settings, c.platform.launcher});
    importContest(state, slt, "", [](Coder& into) { vc::ImportDoru(into.g, into.links); });
}
BENCHMARK(BM_ImportDoru)->Iterations(9)->Unit(benchmark::kMillisecond);

void BM_MergeDataFile(benchmark::State& state) {
    importContest(state, files().events(), "EVENTS",
                  [](Coder& into) { vc::MergeDataFile(into.g, into.links); });
}
BENCHMARK(BM_MergeDataFile)->Iterations(9)->Unit(benchmark::kMillisecond);

} // namespace
