// One resampling test of 10,000 resamples on a table of 720,000 units (an hour in tenths of
// a second for 20 files) against one pass that writes 720,000 flags; target: at most 3, alone
// (--benchmark_filter=Resampling) and after the other benchmarks.
#include "BenchFiles.h"
#include "platform/Random.h"
#include "support/ScriptedPlatform.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/sequential/SeqResampling.h"
#include "workstation/sequential/SeqStatistics.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kUnits = 720000;

ws::SeqTable benchTable() {
    ws::SeqTable t{};
    t[1][1] = 30000;
    t[1][2] = 90000;
    t[2][1] = 150000;
    t[2][2] = kUnits - 30000 - 90000 - 150000;
    ws::completeTotals(t);
    return t;
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
    std::vector<char> flags(kUnits + 1);
    bench::contest(
        state, "one pass writing 720,000 flags", run.gResampleCount, [] {},
        [&] { benchmark::DoNotOptimize(ws::ResamplingTest(run, table, observedQ, false, services)); },
        [&] {
            for (int s = 1; s <= kUnits; ++s) {
                flags[static_cast<std::size_t>(s)] = static_cast<char>(s % 3 == 0);
            }
            benchmark::DoNotOptimize(flags.data());
            benchmark::ClobberMemory();
        });
}

} // namespace

BENCHMARK(BM_ResamplingTest)->Iterations(11)->Unit(benchmark::kMillisecond);
