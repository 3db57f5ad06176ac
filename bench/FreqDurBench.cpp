// The frequency and duration report over 1000 generated event files of 2000 events each (ten
// lists of 100), the event reader alone, and the report's counting and layout alone, each
// against one read() of the event files (and lists); the report's baseline also writes as
// many bytes as the report holds.
#include "platform/Platform.h"
#include "support/ScriptedPlatform.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/analyses/FreqDurCounts.h"
#include "workstation/analyses/FreqDurReport.h"
#include "workstation/analyses/FreqDurSections.h"
#include "workstation/core/CodeSetFile.h"
#include "workstation/core/EventFile.h"

#include "BenchFiles.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kFiles = 1000;
constexpr int kEventsPerFile = 2000;
// Pooled frequencies are 16-bit: 1000 files of this size would overflow one pooled list,
// so the report runs as ten lists of 100 files, the way a list of lists runs.
constexpr int kFilesPerList = 100;

// Generated once per process in a scratch folder, removed when the process ends.
class BenchData {
public:
    BenchData() {
        writeCodeSet();
        writeEventFiles();
        writeLists();
        g.Code_File = (folder_ / "bench.cod").string();
        ws::OpenCodeFile(g, platform);
        g.OutputFileName = (folder_ / "report.txt").string();
    }

    const std::vector<std::string>& files() const { return files_; }
    const std::vector<std::string>& lists() const { return lists_; }
    const fs::path& folder() const { return folder_.path(); }

    testsupport::ScriptedPlatform doubles;
    platform::Platform& platform = doubles.platform;
    ws::Global g;

private:
    void writeCodeSet() {
        std::string text = " 12 \r\n";
        for (int group = 1; group <= 3; ++group) {
            for (int k = 1; k <= 4; ++k) {
                text += "\"G" + std::to_string(group) + "C" + std::to_string(k) + "\",\"Behaviour " +
                        std::to_string(k) + " of group " + std::to_string(group) + "\"," +
                        std::to_string(group) + "\r\n";
            }
        }
        for (int group = 0; group <= 48; ++group) {
            text += "\"\"\r\n";
        }
        bench::writeFile(folder_ / "bench.cod", text);
    }

    void writeEventFiles() {
        std::mt19937 random(20261210);
        std::uniform_int_distribution<int> code(0, 11);
        std::uniform_int_distribution<int> step(0, 4);
        for (int f = 0; f < kFiles; ++f) {
            std::string text = "Events\r\nGenerated session " + std::to_string(f) + "\r\n";
            int time = 0;
            for (int e = 0; e < kEventsPerFile; ++e) {
                const int c = code(random);
                time += step(random);
                text += "G" + std::to_string(c / 4 + 1) + "C" + std::to_string(c % 4 + 1) + "," +
                        std::to_string(time) + "\r\n";
            }
            text += "-500," + std::to_string(time + 5) + "\r\n";
            const fs::path path = folder_ / ("s" + std::to_string(f) + ".eve");
            bench::writeFile(path, text);
            files_.push_back(path.string());
        }
    }

    void writeLists() {
        for (int first = 0; first < kFiles; first += kFilesPerList) {
            std::string text = "\"Event Files\"\r\n " + std::to_string(kFilesPerList) + " \r\n";
            for (int f = first; f < first + kFilesPerList; ++f) {
                text += files_[static_cast<std::size_t>(f)] + "\r\n";
            }
            const fs::path path = folder_ / ("part" + std::to_string(first / kFilesPerList) + ".lst");
            bench::writeFile(path, text);
            lists_.push_back(path.string());
        }
    }

    bench::ScratchFolder folder_{"freqdur-bench"};
    std::vector<std::string> files_;
    std::vector<std::string> lists_;
};

BenchData& data() {
    static BenchData instance;
    return instance;
}

bench::Baseline readOfTheFiles() {
    bench::Baseline baseline;
    baseline.reads(data().files());
    return baseline;
}

void BM_ReadEventFile(benchmark::State& state) {
    BenchData& d = data();
    std::string header;
    bench::Baseline baseline = readOfTheFiles();
    bool clean = true;
    bench::contest(
        state, kFiles, [] {},
        [&] {
            for (const auto& file : d.files()) {
                clean = clean && ws::ReadEventFile(d.g, d.platform, file, 1, header);
            }
        },
        baseline);
    if (!clean) {
        state.SkipWithError("the reader refused a generated file");
    }
}

void BM_FreqDurReport(benchmark::State& state) {
    BenchData& d = data();
    ws::QuietStatus status;
    d.g.OutputKind = 1;
    d.g.SkipToPooled = 0;
    d.g.ListOfListsActive = 0;
    bench::Baseline baseline = readOfTheFiles();
    baseline.reads(d.lists()).writesAsMuchAs(d.folder() / "baseline.txt",
                                             [&] { return std::vector<std::string>{d.g.OutputFileName}; });
    bench::contest(
        state, kFiles, [&] { std::remove(d.g.OutputFileName.c_str()); },
        [&] {
            for (const auto& list : d.lists()) {
                d.g.DataFileName = list;
                d.g.InputMode = 4;
                ws::FreqDurReport(d.g, d.platform, status);
            }
        },
        baseline);
    if (!d.doubles.dialogs.boxes.empty()) {
        state.SkipWithError("the report took its failure path");
    }
}

// The report's own share: counting a loaded file and laying out its section, once for
// every file of the list, without the reader.
void BM_CountAndLayOut(benchmark::State& state) {
    BenchData& d = data();
    std::string header;
    ws::ReadEventFile(d.g, d.platform, d.files().front(), 1, header);
    ws::FreqDurCounter counter(d.g);
    ws::FreqDurCounts counts;
    bench::Baseline baseline = readOfTheFiles();
    bench::contest(
        state, kFiles, [] {},
        [&] {
            for (int f = 0; f < kFiles; ++f) {
                counter.countFile(d.g, counts);
                const std::string section = ws::freqDurTextSection(
                    d.g, d.g, counter, {"s.eve", header, counts.frequency, counts.duration, 100},
                    "12-10-2026", false);
                benchmark::DoNotOptimize(section.data());
            }
        },
        baseline);
}

} // namespace

BENCHMARK(BM_ReadEventFile)->Iterations(9)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountAndLayOut)->Iterations(9)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FreqDurReport)->Iterations(9)->Unit(benchmark::kMillisecond);
