// Time-unit matching of one pair of observers: the same 200 events per observer, the session
// ending at 2,000,000,000 against the same pair ending at 2,000. The counting follows the
// events, so the long session may cost at most twice the short one.
#include "BenchFiles.h"
#include "workstation/analyses/AgreementCounts.h"
#include "workstation/analyses/InterObserverTimeUnits.h"

#include <benchmark/benchmark.h>

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

// Matches per round: one match takes microseconds, too short to time alone.
constexpr int kMatchesPerRound = 200;

void BM_TimeUnitsEndingAt2000000000(benchmark::State& state) {
    const ws::CodeSet set = codeSet();
    const ws::EventSlots longPair = pairEndingAt(2'000'000'000);
    const ws::EventSlots shortPair = pairEndingAt(2'000);
    ws::AgreementCounts counts(set.NumCodes);
    const auto match = [&](const ws::EventSlots& slots) {
        for (int m = 0; m < kMatchesPerRound; ++m) {
            for (const int group : {1, 2}) {
                ws::matchGroupUnits(set, slots, counts, group);
                ws::sumGroupMatrix(counts);
                benchmark::DoNotOptimize(counts.GroupKappa);
                counts.ResetTimeUnitCounts();
            }
        }
    };
    bench::contest(
        state, "the same pair ending at 2,000", kMatchesPerRound, [] {}, [&] { match(longPair); },
        [&] { match(shortPair); });
}

BENCHMARK(BM_TimeUnitsEndingAt2000000000)->Iterations(11);

} // namespace
