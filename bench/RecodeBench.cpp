// Recoding a list of 200 generated event files of 5,000 events each in Groups mode, where the
// 'From' run (A B) becomes a longer 'To' run (C D E) about 1,700 times per file,
// against one read() of the list and its files plus, beside each recoded file, one new file of
// its size. The recoded files are files the person keeps, written as saves (synced with their
// folder), so the baseline syncs each of its files alike: both sides make 400 syncs a round.
#include "BenchFiles.h"
#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"
#include "workstation/core/ListFile.h"
#include "workstation/tools/FileRecode.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kFiles = 200;
constexpr int kEventsPerFile = 5000;

struct Study {
    bench::ScratchFolder folder{"recode-bench"};
    std::vector<std::string> files;
    std::string list;

    Study() {
        std::mt19937 random(7);
        const char* codes[] = {"A", "B", "C", "D", "E", "F"};
        for (int f = 0; f < kFiles; ++f) {
            std::string bytes = "Events\r\nGenerated session " + std::to_string(f) + "\r\n";
            for (int i = 1; i <= kEventsPerFile; ++i) {
                // Every third event starts an A B run; the rest are drawn from the set.
                const char* code = i % 3 == 1 ? "A" : i % 3 == 2 ? "B" : codes[random() % 6];
                bytes += std::string(code) + "," + std::to_string(i * 2) + "\r\n";
            }
            bytes += "-500," + std::to_string(kEventsPerFile * 2 + 5) + "\r\n";
            files.push_back((folder / ("kid" + std::to_string(f) + ".eve")).string());
            textfile::saveFileAtomically(files.back(), bytes);
        }
        list = (folder / "study.lst").string();
        ws::writeListFile(list, ws::kEventFilesList, files);
    }
};

Study& study() {
    static Study s;
    return s;
}

void BM_RecodeListInGroups(benchmark::State& state) {
    const Study& s = study();
    testsupport::ScriptedPlatform sp;
    ws::Global g;
    g.NumCodes = 6;
    g.CodeTable.resize(6);
    const char* codes[] = {"A", "B", "C", "D", "E", "F"};
    for (int row = 1; row <= 6; ++row) {
        g.CodeTable(1, row) = textfile::Value::ofText(codes[row - 1]);
    }
    g.OutputFileName = (s.folder / "report.txt").string();
    const ws::RecodeChoice choice{ws::RecodeMode::Groups, {"A", "B"}, {"C", "D", "E"}};
    bench::Baseline baseline;
    baseline.reads({s.list}).reads(s.files);
    for (const std::string& file : s.files) {
        baseline.writesAsMuchAs(
            file + "-baseline.eve", [recoded = file + "r.eve"] { return std::vector{recoded}; },
            bench::Sync::AsASave);
    }
    bench::contest(
        state, kFiles * kEventsPerFile, [] {},
        [&] {
            g.DataFileName = s.list;
            g.InputMode = ws::kListFileInput;
            ws::FileRecode(g, sp.platform, choice, nullptr);
        },
        baseline);
    if (!sp.dialogs.boxes.empty()) {
        state.SkipWithError(sp.dialogs.boxes.front().text.c_str());
    }
}

BENCHMARK(BM_RecodeListInGroups)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
