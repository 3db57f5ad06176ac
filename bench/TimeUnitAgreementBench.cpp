// Time-unit matching of one pair of observers: the same 200 events per observer, once with
// the session ending at 2,000 and once at 2,000,000,000. The counting follows the events,
// so the long session may cost at most twice the short one.
#include "workstation/analyses/AgreementCounts.h"
#include "workstation/analyses/InterObserverTimeUnits.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

namespace {

constexpr int kEvents = 200;

ws::CodeSet codeSet() {
    ws::CodeSet set;
    set.NumCodes = 6;
    set.CodeTable.resize(set.NumCodes);
    const char* codes[] = {"A", "B", "C", "D", "E", "F"};
    for (int row = 1; row <= set.NumCodes; ++row) {
        set.CodeTable(1, row) = textfile::Value::ofText(codes[row - 1]);
        set.CodeTable(3, row) = textfile::Value::ofNumber(row <= 3 ? 1 : 2);
    }
    return set;
}

// Observer 2 codes the same stream as observer 1, a unit later and now and then differently.
ws::EventSlots pairEndingAt(std::int32_t endTime) {
    ws::EventSlots slots;
    const char* codes[] = {"A", "D", "B", "E", "C", "F"};
    for (int i = 1; i <= kEvents; ++i) {
        const auto time = static_cast<std::int32_t>(i * 9);
        slots.EventCodes[i] = codes[i % 6];
        slots.EventTimes[i] = time;
        slots.EventCodes2[i] = codes[(i % 7 == 0 ? i + 2 : i) % 6];
        slots.EventTimes2[i] = time + 1;
    }
    for (auto* side : {&slots.EventCodes, &slots.EventCodes2}) {
        (*side)[kEvents + 1] = ws::kSessionEndCode;
    }
    slots.EventTimes[kEvents + 1] = endTime;
    slots.EventTimes2[kEvents + 1] = endTime;
    slots.EventTimes[0] = kEvents + 1;
    slots.EventTimes2[0] = kEvents + 1;
    return slots;
}

double secondsPerMatch(benchmark::State& state, std::int32_t endTime) {
    const ws::CodeSet set = codeSet();
    const ws::EventSlots slots = pairEndingAt(endTime);
    ws::AgreementCounts counts(set.NumCodes);
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (const int group : {1, 2}) {
            ws::matchGroupUnits(set, slots, counts, group);
            ws::sumGroupMatrix(counts);
            benchmark::DoNotOptimize(counts.GroupKappa);
            counts.ResetTimeUnitCounts();
        }
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    return total / static_cast<double>(state.iterations());
}

double shortSessionSeconds = 0;

void BM_TimeUnitsEndingAt2000(benchmark::State& state) {
    shortSessionSeconds = secondsPerMatch(state, 2'000);
}

void BM_TimeUnitsEndingAt2000000000(benchmark::State& state) {
    const double seconds = secondsPerMatch(state, 2'000'000'000);
    if (shortSessionSeconds > 0) {
        state.counters["per_short_session"] = seconds / shortSessionSeconds; // target: at most 2
    }
}

BENCHMARK(BM_TimeUnitsEndingAt2000);
BENCHMARK(BM_TimeUnitsEndingAt2000000000);

} // namespace
