// One press of the sequential window's start button: 5 givens by 5 targets, lag 1, over a
// list of 50 generated event files of 19999 events and the end record each (a full event
// slot), beside a plain read of the same bytes. The press's counter press_per_plain_read is
// its time over the plain read's.
#include "platform/Random.h"
#include "support/ScriptedPlatform.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/core/CodeSetFile.h"
#include "workstation/sequential/LagPairFiles.h"
#include "workstation/sequential/SeqAnalysisRun.h"

#include <benchmark/benchmark.h>

#include <chrono>
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

constexpr int kFiles = 50;
constexpr int kEventsPerFile = 19999;
constexpr int kCodes = 20;
constexpr int kCodesPerSide = 5;

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string codeName(int k) {
    return "C" + std::to_string(k);
}

// Generated once per process in a scratch folder, removed when the process ends.
class SequentialData {
public:
    SequentialData()
        : folder_(fs::temp_directory_path() / ("sequential-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(folder_);
        std::string codes = " " + std::to_string(kCodes) + " \r\n";
        for (int k = 1; k <= kCodes; ++k) {
            codes += "\"" + codeName(k) + "\",\"Behaviour " + std::to_string(k) + "\"," +
                     std::to_string(k % 4 + 1) + "\r\n";
        }
        for (int group = 0; group <= 48; ++group) {
            codes += "\"\"\r\n";
        }
        writeFile(folder_ / "bench.cod", codes);

        std::mt19937 random(20261210);
        std::uniform_int_distribution<int> code(1, kCodes);
        std::uniform_int_distribution<int> step(0, 3);
        std::string list = "\"Event Files\"\r\n " + std::to_string(kFiles) + " \r\n";
        for (int f = 0; f < kFiles; ++f) {
            std::string text = "Events\r\nGenerated session " + std::to_string(f) + "\r\n";
            int time = 0;
            for (int e = 0; e < kEventsPerFile; ++e) {
                time += step(random);
                text += codeName(code(random)) + "," + std::to_string(time) + "\r\n";
            }
            text += "-500," + std::to_string(time + 5) + "\r\n";
            const fs::path path = folder_ / ("s" + std::to_string(f) + ".eve");
            writeFile(path, text);
            files_.push_back(path.string());
            list += path.string() + "\r\n";
        }
        writeFile(folder_ / "study.lst", list);

        g.Code_File = (folder_ / "bench.cod").string();
        ws::OpenCodeFile(g, doubles.platform);
        g.OutputFileName = (folder_ / "study.lst.txt").string();
        g.OutputKind = ws::kTextOutput;
    }
    ~SequentialData() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    const std::vector<std::string>& files() const { return files_; }
    std::string list() const { return (folder_ / "study.lst").string(); }

    testsupport::ScriptedPlatform doubles;
    ws::Global g;

private:
    fs::path folder_;
    std::vector<std::string> files_;
};

SequentialData& data() {
    static SequentialData instance;
    return instance;
}

double plainReadSeconds = 0;

template <class Pass> double timedPass(Pass&& pass) {
    const auto start = std::chrono::steady_clock::now();
    pass();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_SequentialPlainRead(benchmark::State& state) {
    SequentialData& d = data();
    double total = 0;
    for (auto _ : state) {
        total += timedPass([&] {
            for (const auto& file : d.files()) {
                std::ifstream in(file, std::ios::binary);
                std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
                benchmark::DoNotOptimize(bytes.data());
            }
        });
    }
    plainReadSeconds = total / static_cast<double>(state.iterations());
}

// What the start button does for one press: every pairing of one given and one target,
// the driver once for each, the files of the press read once.
void BM_SequentialPress(benchmark::State& state) {
    SequentialData& d = data();
    ws::QuietStatus status;
    ws::SequentialRun run;
    platform::FixedRandom random;
    run.gGivens.resize(2);
    run.gTargets.resize(2);
    run.gGivenCount = 1;
    run.gTargetCount = 1;
    double total = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::remove(d.g.OutputFileName.c_str());
        state.ResumeTiming();
        total += timedPass([&] {
            ws::LagPairFiles reuse(d.g);
            for (int given = 1; given <= kCodesPerSide; ++given) {
                for (int target = kCodesPerSide + 1; target <= 2 * kCodesPerSide; ++target) {
                    run.gGivens[1] = codeName(given);
                    run.gTargets[1] = codeName(target);
                    d.g.DataFileName = d.list();
                    d.g.InputMode = ws::kListFileInput;
                    ws::SeqAnalysisRun(d.g, d.doubles.platform, random, status, run, &reuse);
                }
            }
        });
    }
    if (!d.doubles.dialogs.boxes.empty()) {
        state.SkipWithError("the run took its failure path");
        return;
    }
    if (plainReadSeconds > 0) {
        const double ratio = total / static_cast<double>(state.iterations()) / plainReadSeconds;
        state.counters["press_per_plain_read"] = ratio;
        std::fprintf(stderr, "sequential press (25 pairings) / plain read: %.2f\n", ratio);
    }
}

} // namespace

BENCHMARK(BM_SequentialPlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SequentialPress)->Unit(benchmark::kMillisecond);
