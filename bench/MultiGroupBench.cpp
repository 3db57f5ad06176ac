// The multi-group analysis over a list of 20 generated event files of 3600 s in tenths
// (36000 units each), five groups chosen, with "Keep Matrix" off and on. Its counter
// run_per_baseline is the run's time over a baseline taken in the same process: one plain
// read of the event files, plus writing the second-by-second bytes that the run keeps.
#include "BenchFiles.h"
#include "support/ScriptedPlatform.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/analyses/MultiGroupFreqDur.h"
#include "workstation/core/CodeSetFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int kFiles = 20;
constexpr int kUnits = 36000;
constexpr int kGroups = 5;
constexpr int kCodesPerGroup = 4;

std::string wholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class MultiGroupData {
public:
    MultiGroupData()
        : folder_(fs::temp_directory_path() / ("multigroup-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(folder_);
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
    ~MultiGroupData() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    // One run over the list; the report is written afresh.
    void run() {
        g.DataFileName = (folder_ / "study.lst").string();
        g.InputMode = 4;
        g.OutputKind = 1;
        g.OutputFileName = (folder_ / "report.txt").string();
        std::remove(g.OutputFileName.c_str());
        ws::MultiGroupFreqDur(g, doubles.platform, status, tree, {});
    }

    std::vector<std::string> files_;
    fs::path folder_;
    testsupport::ScriptedPlatform doubles;
    ws::Global g;
    ws::MultilevModel tree;
    ws::QuietStatus status;
};

MultiGroupData& data() {
    static MultiGroupData instance;
    return instance;
}

// The plain read of every event file, and the writing of the given second-by-second bytes.
double baselineSeconds(const MultiGroupData& d, const std::vector<std::string>& keptBytes) {
    return bench::timedPass([&] {
        for (const std::string& file : d.files_) {
            const std::string bytes = wholeFile(file);
            benchmark::DoNotOptimize(bytes.data());
        }
        for (std::size_t f = 0; f < keptBytes.size(); ++f) {
            bench::writeFile(d.folder_ / ("baseline" + std::to_string(f) + ".SBS"), keptBytes[f]);
        }
    });
}

void BM_MultiGroupFreqDur(benchmark::State& state) {
    MultiGroupData& d = data();
    d.tree.options.Check3 = static_cast<std::int16_t>(state.range(0));
    double runTotal = 0;
    double baselineTotal = 0;
    for (auto _ : state) {
        runTotal += bench::timedPass([&] { d.run(); });
        state.PauseTiming();
        std::vector<std::string> kept;
        for (const std::string& file : d.files_) {
            const fs::path sbs = fs::path(file).replace_extension(".SBS");
            if (fs::exists(sbs)) {
                kept.push_back(wholeFile(sbs));
            }
        }
        baselineTotal += baselineSeconds(d, kept);
        state.ResumeTiming();
    }
    if (!d.doubles.dialogs.boxes.empty()) {
        const std::string why = "the run showed a box: " + d.doubles.dialogs.boxes.front().text;
        state.SkipWithError(why.c_str());
        return;
    }
    state.counters["run_per_baseline"] = runTotal / baselineTotal;
}
BENCHMARK(BM_MultiGroupFreqDur)->ArgName("keep_matrix")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
