// One resampling test of 10,000 resamples on a table of 720,000 units (an hour in tenths of
// a second for 20 files), beside one pass that writes 720,000 flags. The test's counter
// test_per_flag_pass is its time over the pass's.
#include "platform/Random.h"
#include "support/ScriptedPlatform.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/sequential/SeqResampling.h"
#include "workstation/sequential/SeqStatistics.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int kUnits = 720000;

double flagPassSeconds = 0;

ws::SeqTable benchTable() {
    ws::SeqTable t{};
    t[1][1] = 30000;
    t[1][2] = 90000;
    t[2][1] = 150000;
    t[2][2] = kUnits - 30000 - 90000 - 150000;
    ws::completeTotals(t);
    return t;
}

void BM_FlagPass(benchmark::State& state) {
    std::vector<char> flags(kUnits + 1);
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (int s = 1; s <= kUnits; ++s) {
            flags[static_cast<std::size_t>(s)] = static_cast<char>(s % 3 == 0);
        }
        benchmark::DoNotOptimize(flags.data());
        benchmark::ClobberMemory();
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    flagPassSeconds = total / static_cast<double>(state.iterations());
}

void BM_ResamplingTest(benchmark::State& state) {
    const ws::SeqTable table = benchTable();
    const float observedQ = ws::seqStatistics(table, ws::KappaExpectation::Unrounded).Q;
    platform::FixedRandom random;
    testsupport::ManualClock clock;
    ws::QuietStatus status;
    ws::ResampleServices services{random, status, clock};
    ws::SequentialRun run;
    run.gResampleCount = 10000;
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(ws::ResamplingTest(run, table, observedQ, false, services));
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    if (flagPassSeconds > 0) {
        const double ratio = total / static_cast<double>(state.iterations()) / flagPassSeconds;
        state.counters["test_per_flag_pass"] = ratio;
        std::fprintf(stderr, "resampling test (10,000 x 720,000 units) / one flag pass: %.2f\n", ratio);
    }
}

} // namespace

BENCHMARK(BM_FlagPass)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResamplingTest)->Unit(benchmark::kMillisecond);
