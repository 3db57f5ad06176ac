// Time windows counted from the codes' on-intervals must give the table that walking the
// units one by one and tallying their yes/no lines gives, for every window rule, whether
// the records' rows come from the read or are looked up, and whether the pairing's row
// marks and buffers are new or kept from earlier files.
#include "workstation/sequential/WindowIntervals.h"

#include "SeqTestSupport.h"
#include "support/ScriptedPlatform.h"
#include "workstation/analyses/AnalTestSupport.h"
#include "workstation/analyses/SecBySecFile.h"
#include "workstation/core/CodeRowIndex.h"
#include "workstation/core/EventSlots.h"
#include "workstation/sequential/SeqTimeWindow.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

namespace {

constexpr std::array<std::int16_t, 3> kColumns{1, 2, 0};

ws::SeqTable tableUnitByUnit(ws::Global& g, const ws::SequentialRun& run) {
    testsupport::ScriptedPlatform sp;
    ws::QuietStatus status;
    ws::WindowUnitsBuilder units(run, 0);
    ws::WalkSecBySecStates(g, sp.platform, status, ws::SecBySecRequest{kColumns},
                           [&units](std::int32_t, const ws::SecBySecStates& states) {
                               for (std::size_t c = 0; c < states.size(); ++c) {
                                   units.code(static_cast<int>(c) + 1, *states[c]);
                               }
                               units.endUnit();
                           });
    ws::WindowUnits all = units.finish();
    if (run.gForward == 0) {
        ws::reverseUnits(all);
    }
    ws::SequentialRun tallied = run;
    tallied.gSeqTable = {};
    ws::tallyYnfLines(tallied, ws::ynfText(run, all));
    ws::completeTotals(tallied.gSeqTable);
    return tallied.gSeqTable;
}

TEST(WindowIntervals, GiveTheTablesOfTheUnitByUnitCount) {
    ws::Global g;
    // Group 0's codes are on for their own unit only; E stands in no listed group.
    analtest::useCodeTable(
        g, {{"A", "", 1}, {"B", "", 1}, {"C", "", 2}, {"D", "", 2}, {"F", "", 0}, {"E", "", 4}});
    const std::vector<std::string> codes{"A", "B", "C", "D", "F", "E", "X"};
    const ws::CodeRowIndex index(g);
    std::vector<int> rows(ws::kMaxEvents + 1, 0);
    ws::WindowIntervalFiles kept; // its marks and rooms carried from trial to trial
    std::mt19937 random(15);
    for (int trial = 0; trial < 400; ++trial) {
        const int events = 1 + static_cast<int>(random() % 12);
        std::int32_t t = static_cast<std::int32_t>(random() % 3);
        for (int e = 1; e <= events; ++e) {
            g.EventCodes[static_cast<std::size_t>(e)] = codes[random() % codes.size()];
            g.EventTimes[static_cast<std::size_t>(e)] = t;
            t += static_cast<std::int32_t>(random() % 4); // events at one time, too
        }
        if (trial % 10 == 0 && events > 2) { // a time going back: no event from it on is shown
            g.EventTimes[3] = g.EventTimes[2] - 1;
        }
        // An end record whose code the table holds is a unit of that code.
        g.EventCodes[static_cast<std::size_t>(events) + 1] = trial % 7 == 0 ? "C" : "-500";
        g.EventTimes[static_cast<std::size_t>(events) + 1] = t + static_cast<std::int32_t>(random() % 3);
        g.EventTimes[0] = events + 1;
        const ws::CodeIntervals file = ws::codeIntervalsOf(g, kColumns);
        for (int e = 1; e <= events; ++e) {
            rows[static_cast<std::size_t>(e)] = index.rowOf(g.EventCodes[static_cast<std::size_t>(e)]);
        }
        const ws::CodeIntervals& fromRows =
            kept.keep("session.eve", g, kColumns, ws::SlotRows{&index, &rows});

        ws::SequentialRun run =
            seqtest::runWith({codes[random() % 5]}, {codes[random() % 5], codes[random() % 5]},
                             static_cast<int>(random() % 5), random() % 2 == 0);
        run.gWindowRules[0] = static_cast<std::int16_t>(1 + random() % 4); // 4: no line at all
        for (int k = 1; k <= 5; ++k) {
            run.gWindowRules[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(random() % 2);
        }
        const ws::SeqTable expected = tableUnitByUnit(g, run);
        EXPECT_EQ(ws::windowTableOf(run, g, file), expected) << "trial " << trial;
        EXPECT_EQ(kept.table(run, g, fromRows), expected) << "trial " << trial;
    }
}

TEST(WindowIntervals, AWindowNearTheIntegerLimitDoesNotWrap) {
    ws::Global g;
    analtest::useCodeTable(g, {{"A", "", 1}, {"B", "", 1}});
    g.EventCodes[1] = "A";
    g.EventTimes[1] = 0;
    g.EventCodes[2] = "B";
    g.EventTimes[2] = 1;
    g.EventCodes[3] = "-500";
    g.EventTimes[3] = 3;
    g.EventTimes[0] = 3;
    ws::SequentialRun run = seqtest::runWith({"A"}, {"B"}, 2147483647);
    run.gWindowRules = {1, 1, 1, 1, 0, 0, 1};
    // The window opens after unit 1 and holds the other three units.
    EXPECT_EQ(seqtest::cellsOf(ws::windowTableOf(run, g, ws::codeIntervalsOf(g, kColumns))),
              (std::vector<int>{3, 0, 0, 1}));
}

} // namespace
