#include "videocoder/core/SortData.h"
#include "RecordingCodingWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using textfile::Value;
using vctest::Coder;

constexpr int kIdColumn = vc::kDataColumns; // the last column names each row, so it must move too

// Rows of cells for columns 1, 2, 3, ...; "~" stands for a Null cell. Row r is named "r<r>".
void fill(vc::DataTable& d, const std::vector<std::vector<std::string>>& rows) {
    d.gData.reset(vc::kDataColumns, static_cast<int>(rows.size()));
    d.gRowCount = Value::ofNumber(static_cast<double>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            d.gData.at(static_cast<int>(c) + 1, row) =
                rows[r][c] == "~" ? Value::null() : Value::ofText(rows[r][c]);
        }
        d.gData.at(kIdColumn, row) = Value::ofText("r" + std::to_string(row));
    }
}

std::vector<std::string> ids(const vc::DataTable& d) {
    std::vector<std::string> out;
    for (int row = 1; row <= d.gData.rows(); ++row) {
        out.push_back(d.gData.at(kIdColumn, row).asText());
    }
    return out;
}

struct SortCase {
    const char* name;
    std::vector<std::vector<std::string>> rows;
    int key1;
    int key2;
    std::vector<std::string> expected; // row names in their new order
    double frameDisplay = 1;
};

class SortDataCases : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortDataCases, RowsEndWhereTheExchangesPutThem) {
    const SortCase& c = GetParam();
    Coder coder;
    coder.g.settings.FrameDisplay = c.frameDisplay;
    fill(coder.g.data, c.rows);
    vc::SortData(coder.g, coder.links, c.key1, c.key2);
    EXPECT_EQ(ids(coder.g.data), c.expected) << c.name;
    EXPECT_TRUE(coder.platform.dialogs.boxes.empty());
}

const std::vector<SortCase> kSortCases = {
    {"times ascending", {{"00:00:10.00"}, {"00:00:02.00"}, {"00:00:05.00"}}, 1, 0, {"r2", "r3", "r1"}},
    {"times descending", {{"00:00:10.00"}, {"00:00:02.00"}, {"00:00:05.00"}}, -1, 0, {"r1", "r3", "r2"}},
    {"timecodes as frames", {{"00:00:01:10"}, {"00:00:01:02"}, {"00:00:00:29"}}, 1, 0, {"r3", "r2", "r1"}, 3},
    {"texts by byte", {{"", "9"}, {"", "10"}, {"", "a"}, {"", "B"}}, 2, 0, {"r2", "r1", "r4", "r3"}},
    {"equal keys as the exchanges leave them", {{"", "B"}, {"", "B"}, {"", "A"}}, 2, 0, {"r3", "r2", "r1"}},
    {"secondary within runs", {{"", "A", "2"}, {"", "A", "1"}, {"", "B", "0"}}, 2, 3, {"r2", "r1", "r3"}},
    {"secondary descending under ascending",
     {{"", "A", "1"}, {"", "A", "2"}, {"", "B", "0"}, {"", "B", "5"}},
     2,
     -3,
     {"r2", "r1", "r4", "r3"}},
    {"secondary ascending under descending",
     {{"", "A", "2"}, {"", "A", "1"}, {"", "B", "5"}, {"", "B", "0"}},
     -2,
     3,
     {"r4", "r3", "r2", "r1"}},
    {"secondary by time",
     {{"00:00:09.00", "A"}, {"00:00:01.00", "A"}, {"00:00:05.00", "B"}},
     2,
     1,
     {"r2", "r1", "r3"}},
    {"null cells sort as the empty text", {{"", "B"}, {"", "~"}, {"", "A"}}, 2, 0, {"r2", "r3", "r1"}},
    {"a single row", {{"00:00:01.00"}}, 1, 0, {"r1"}},
    {"no first key sorts nothing", {{"", "B"}, {"", "A"}}, 0, 2, {"r1", "r2"}},
};

INSTANTIATE_TEST_SUITE_P(Table, SortDataCases, ::testing::ValuesIn(kSortCases));

TEST(SortData, RedrawsAfterEachPassAndNotWithoutAKey) {
    Coder coder;
    fill(coder.g.data, {{"", "B", "1"}, {"", "A", "2"}});
    vc::SortData(coder.g, coder.links, 2, 0);
    EXPECT_EQ(coder.view.calls, std::vector<std::string>{"refresh"});
    coder.view.calls.clear();
    vc::SortData(coder.g, coder.links, 2, 3);
    EXPECT_EQ(coder.view.calls, (std::vector<std::string>{"refresh", "refresh"}));
    coder.view.calls.clear();
    vc::SortData(coder.g, coder.links, 0, 3);
    EXPECT_TRUE(coder.view.calls.empty());
}

TEST(SortData, AnUnreadableTimeMovesNoRowAndSaysSo) {
    Coder coder;
    coder.g.settings.FrameDisplay = 3;
    fill(coder.g.data, {{"00:00:01:00", "B"}, {"00:00:00:20", "A"}, {"00:zz:00:00", "C"}});
    vc::SortData(coder.g, coder.links, 2, 1); // the second key's times are read first too
    EXPECT_EQ(ids(coder.g.data), (std::vector<std::string>{"r1", "r2", "r3"}));
    ASSERT_EQ(coder.platform.dialogs.boxes.size(), 1u);
    EXPECT_EQ(coder.platform.dialogs.boxes[0].title, "Error sorting:");
    EXPECT_EQ(coder.platform.dialogs.boxes[0].icon, platform::Icon::Information);
    EXPECT_TRUE(coder.view.calls.empty());
}

TEST(SortData, ATranscriptKeepsEachUtteranceWithItsTimeAfterAOneColumnFile) {
    Coder coder;
    coder.g.data.gColCount = Value::ofNumber(1); // left by an EVENTS file of one column
    coder.g.data.gDataType = "TRANSCRIPT";
    fill(coder.g.data, {{"00:00:09.00", "[a]", "late"}, {"00:00:01.00", "[b]", "early"}});
    vc::SortData(coder.g, coder.links, 1, 0);
    EXPECT_EQ(coder.g.data.gData.at(2, 1).asText(), "[b]");
    EXPECT_EQ(coder.g.data.gData.at(3, 1).asText(), "early");
    EXPECT_EQ(coder.g.data.gData.at(3, 2).asText(), "late");
}

// The fast exchange sort must leave every table as the literal steps do, ties and all.
TEST(ExchangeSort, MatchesTheLiteralStepsOnTablesFullOfEqualKeys) {
    std::mt19937 random(31);
    for (int round = 0; round < 400; ++round) {
        const std::size_t size = std::uniform_int_distribution<std::size_t>(0, 300)(random);
        const int distinct = std::uniform_int_distribution<int>(1, round % 4 == 0 ? 400 : 6)(random);
        std::vector<std::int32_t> ranks(size);
        for (auto& rank : ranks) {
            rank = std::uniform_int_distribution<int>(0, distinct - 1)(random);
        }
        if (round % 5 == 1) { // long runs in reverse order make many exchanges per pass
            std::sort(ranks.rbegin(), ranks.rend());
        }
        if (round % 5 == 2) { // in order already, or but for one rank put last
            std::sort(ranks.begin(), ranks.end());
            if (size > 1 && round % 10 == 7) {
                ranks.back() = ranks.front() - 1;
            }
        }
        std::vector<int> order(size);
        for (std::size_t i = 0; i < size; ++i) {
            order[i] = static_cast<int>(i);
        }
        std::vector<std::int32_t> literalRanks = ranks;
        std::vector<int> literalOrder = order;
        vc::exchangeSortByTheSteps(literalRanks, literalOrder);
        vc::exchangeSort(ranks, order);
        ASSERT_EQ(order, literalOrder) << "round " << round;
        ASSERT_EQ(ranks, literalRanks) << "round " << round;
    }
}

} // namespace
