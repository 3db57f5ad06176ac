// The multi-group analysis over a list of 20 generated event files of 3600 s in tenths
// (36000 units each), five groups chosen, with "Keep Matrix" off and on, against one read() of
// the list and its files plus one write() of as many bytes as the report, and, with the matrix
// kept, one new file beside each kept second-by-second file of its size, synced as the run's
// save syncs it.
#include "BenchFiles.h"
#include "support/ScriptedPlatform.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/analyses/MultiGroupFreqDur.h"
#include "workstation/core/CodeSetFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kFiles = 20;
constexpr int kUnits = 36000;
constexpr int kGroups = 5;
constexpr int kCodesPerGroup = 4;

class MultiGroupData {
public:
    MultiGroupData() {
        std::string codes = " " + std::to_string(kGroups * kCodesPerGroup) + " \r\n";
        for (int group = 1; group <= kGroups; ++group) {
            for (int k = 1; k <= kCodesPerGroup; ++k) {
                codes += "\"G" + std::to_string(group) + "C" + std::to_string(k) + "\",\"Behaviour\"," +
                         std::to_string(group) + "\r\n";
            }
        }
        for (int group = 0; group <= 48; ++group) {
            codes += "\"\"\r\n";
        }
        bench::writeFile(folder_ / "bench.cod", codes);
        std::mt19937 random(20261210);
        std::uniform_int_distribution<int> code(0, kGroups * kCodesPerGroup - 1);
        std::uniform_int_distribution<int> step(1, 40);
        std::string list = "\"Event Files\"\r\n " + std::to_string(kFiles) + " \r\n";
        for (int f = 0; f < kFiles; ++f) {
            std::string text = "Events\r\nGenerated session " + std::to_string(f) + "\r\n";
            for (int time = 0; time < kUnits; time += step(random)) {
                const int c = code(random);
                text += "G" + std::to_string(c / kCodesPerGroup + 1) + "C" +
                        std::to_string(c % kCodesPerGroup + 1) + "," + std::to_string(time) + "\r\n";
            }
            text += "-500," + std::to_string(kUnits - 1) + "\r\n";
            const fs::path path = folder_ / ("s" + std::to_string(f) + ".eve");
            bench::writeFile(path, text);
            files_.push_back(path.string());
            list += path.string() + "\r\n";
        }
        bench::writeFile(folder_ / "study.lst", list);

        g.Code_File = (folder_ / "bench.cod").string();
        ws::OpenCodeFile(g, doubles.platform);
        ws::BuildMultilevTree(g, tree);
        for (ws::MultilevNode& node : tree.nodes) {
            node.checked = true; // every group and code: five groups chosen
        }
        tree.options.Check8 = 1;
    }

    // One run over the list; the report is written afresh.
    void run() {
        g.DataFileName = list();
        g.InputMode = 4;
        g.OutputKind = 1;
        g.OutputFileName = report();
        ws::MultiGroupFreqDur(g, doubles.platform, status, tree, {});
    }
    std::string list() const { return (folder_ / "study.lst").string(); }
    std::string report() const { return (folder_ / "report.txt").string(); }

    bench::ScratchFolder folder_{"multigroup-bench"};
    std::vector<std::string> files_;
    testsupport::ScriptedPlatform doubles;
    ws::Global g;
    ws::MultilevModel tree;
    ws::QuietStatus status;
};

MultiGroupData& data() {
    static MultiGroupData instance;
    return instance;
}

void BM_MultiGroupFreqDur(benchmark::State& state) {
    MultiGroupData& d = data();
    const bool keepMatrix = state.range(0) != 0;
    d.tree.options.Check3 = static_cast<std::int16_t>(state.range(0));
    bench::Baseline baseline;
    baseline.reads({d.list()}).reads(d.files_).writesAsMuchAs(d.folder_ / "baseline.txt", [&] {
        return std::vector<std::string>{d.report()};
    });
    for (std::size_t f = 0; keepMatrix && f < d.files_.size(); ++f) {
        const std::string kept = fs::path(d.files_[f]).replace_extension(".SBS").string();
        baseline.writesAsMuchAs(
            d.folder_ / ("baseline" + std::to_string(f) + ".SBS"), [kept] { return std::vector{kept}; },
            bench::Sync::AsASave);
    }
    bench::contest(
        state, kFiles * kUnits, [&] { std::remove(d.report().c_str()); }, [&] { d.run(); }, baseline);
    if (!d.doubles.dialogs.boxes.empty()) {
        const std::string why = "the run showed a box: " + d.doubles.dialogs.boxes.front().text;
        state.SkipWithError(why.c_str());
    } else if (keepMatrix != fs::exists(fs::path(d.files_.front()).replace_extension(".SBS"))) {
        state.SkipWithError("the second-by-second file was not kept as asked");
    }
}
BENCHMARK(BM_MultiGroupFreqDur)
    ->ArgName("keep_matrix")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(7)
    ->Unit(benchmark::kMillisecond);

} // namespace
