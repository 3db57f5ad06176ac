// The counter's two ways in: rows the reader looked up, or the codes of the slot looked
// up by the counter itself. Both must count alike, gaps, moments and failures included.
#include "workstation/analyses/FreqDurCounts.h"
#include "AnalTestSupport.h"
#include "textfile/RunError.h"
#include "workstation/core/CodeSetFile.h"

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

// The counts walked forwards and plainly: each event runs to the next event of its group or
// the next gap, whichever is nearer, or to the end record; a gap is found by its text.
FreqDurCounts plainCounts(const Global& g) {
    FreqDurCounts counts;
    counts.frequency.assign(kFreqDurMaxRows + 1, 0);
    counts.duration.assign(kFreqDurMaxRows + 1, 0);
    const int end = g.EventTimes[0];
    for (int i = 1; i < end; ++i) {
        const std::string& code = g.EventCodes[static_cast<std::size_t>(i)];
        if (code == kGapCode) {
            continue;
        }
        const int row = FindCode(g, code);
        if (row < 1) {
            throw textfile::RunError(textfile::kSubscriptOutOfRange);
        }
        ++counts.frequency[static_cast<std::size_t>(row)];
        const int group = g.CodeTable.group(row);
        if (group == 0) {
            continue;
        }
        int until = i + 1;
        for (; until < end; ++until) {
            const std::string& next = g.EventCodes[static_cast<std::size_t>(until)];
            if (next == kGapCode || g.CodeTable.group(FindCode(g, next)) == group) {
                break;
            }
        }
        counts.duration[static_cast<std::size_t>(row)] +=
            g.EventTimes[static_cast<std::size_t>(until)] - g.EventTimes[static_cast<std::size_t>(i)];
    }
    return counts;
}

TEST(FreqDurCounter, CountsAsThePlainWalkWhetherTheTableListsTheGapOrNot) {
    std::mt19937 random(11);
    for (const bool gapListed : {false, true}) {
        Global g;
        std::vector<CodeRow> table = {{"A", "", 1}, {"B", "", 1}, {"M", "", 0}, {"C", "", 2}};
        if (gapListed) {
            table.push_back({std::string(kGapCode), "", 3});
        }
        useCodeTable(g, table);
        const std::vector<std::string> codes = {"A", "B", "M", "C", std::string(kGapCode)};
        FreqDurCounter counter(g);
        for (int round = 0; round < 50; ++round) {
            const int end = 1 + static_cast<int>(random() % 80);
            g.EventTimes[0] = end;
            for (int i = 1; i < end; ++i) {
                g.EventCodes[static_cast<std::size_t>(i)] = codes[random() % codes.size()];
                g.EventTimes[static_cast<std::size_t>(i)] =
                    g.EventTimes[static_cast<std::size_t>(i - 1)] + static_cast<int>(random() % 7) - 1;
            }
            g.EventCodes[static_cast<std::size_t>(end)] = kSessionEndCode;
            g.EventTimes[static_cast<std::size_t>(end)] = g.EventTimes[static_cast<std::size_t>(end - 1)] + 3;
            const FreqDurCounts expected = plainCounts(g);
            FreqDurCounts byRows;
            counter.countFile(g, rowsOf(g, counter.index()), byRows);
            ASSERT_EQ(byRows.frequency, expected.frequency) << "round " << round;
            ASSERT_EQ(byRows.duration, expected.duration) << "round " << round;
        }
    }
}

} // namespace
} // namespace ws
