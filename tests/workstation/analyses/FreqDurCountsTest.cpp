// The counter's two ways in: rows the reader looked up, or the codes of the slot looked
// up by the counter itself. Both must count alike, gaps, moments and failures included.
#include "workstation/analyses/FreqDurCounts.h"
#include "AnalTestSupport.h"
#include "textfile/RunError.h"

#include <gtest/gtest.h>

#include <random>

namespace ws {
namespace {

using namespace analtest;

std::vector<int> rowsOf(const Global& g, const CodeRowIndex& index) {
    std::vector<int> rows(kMaxEvents + 1);
    for (int i = 1; i < g.EventTimes[0]; ++i) {
        rows[static_cast<std::size_t>(i)] = index.rowOf(g.EventCodes[static_cast<std::size_t>(i)]);
    }
    return rows;
}

TEST(FreqDurCounter, CountsTheSlotAsItCountsTheReadersRows) {
    Global g;
    useCodeTable(g, {{"A", "", 1}, {"B", "", 1}, {"M", "", 0}, {"C", "", 2}, {"LONGER-CODE", "", 2}});
    const std::vector<std::string> codes = {"A", "B", "M", "C", "LONGER-CODE", std::string(kGapCode)};
    std::mt19937 random(3);
    std::uniform_int_distribution<std::size_t> pick(0, codes.size() - 1);
    std::uniform_int_distribution<int> step(0, 3);
    const int end = 500;
    g.EventTimes[0] = end;
    for (int i = 1; i < end; ++i) {
        g.EventCodes[static_cast<std::size_t>(i)] = codes[pick(random)];
        g.EventTimes[static_cast<std::size_t>(i)] =
            g.EventTimes[static_cast<std::size_t>(i - 1)] + step(random);
    }
    g.EventCodes[end] = kSessionEndCode;
    g.EventTimes[end] = g.EventTimes[end - 1] + 5;

    FreqDurCounter counter(g);
    FreqDurCounts bySlot;
    FreqDurCounts byRows;
    counter.countFile(g, bySlot);
    counter.countFile(g, rowsOf(g, counter.index()), byRows);
    EXPECT_EQ(bySlot.frequency, byRows.frequency);
    EXPECT_EQ(bySlot.duration, byRows.duration);
    EXPECT_GT(bySlot.duration[1], 0);
    EXPECT_EQ(bySlot.duration[3], 0); // a moment has no duration

    g.EventCodes[end / 2] = "X";
    const std::vector<int> rows = rowsOf(g, counter.index());
    for (const bool fromRows : {false, true}) {
        try {
            fromRows ? counter.countFile(g, rows, byRows) : counter.countFile(g, bySlot);
            ADD_FAILURE() << "a code the table lacks was counted";
        } catch (const textfile::RunError& error) {
            EXPECT_EQ(error.number(), textfile::kSubscriptOutOfRange);
        }
    }
}

} // namespace
} // namespace ws
