// Event-lag counting on a slot filled in memory: the pairs, the used marks, the levels.
#include "workstation/sequential/SeqCount.h"
#include "SeqTestSupport.h"
#include "support/ScriptedPlatform.h"
#include "workstation/analyses/AnalTestSupport.h"

#include <gtest/gtest.h>

namespace {

using seqtest::cellsOf;
using seqtest::loadSlot;
using seqtest::runWith;
using seqtest::slotCodes;
using Codes = std::vector<std::string>;

struct LagCase {
    const char* name;
    Codes events;
    Codes givens;
    Codes targets;
    int lag;
    bool forward;
    std::vector<int> cells; // (Y,Y), (Y,N), (N,Y), (N,N)
    Codes slotAfter;
};

class LagCount : public ::testing::TestWithParam<LagCase> {};

TEST_P(LagCount, CountsTheCellsAndLeavesTheMarks) {
    const LagCase& c = GetParam();
    testsupport::ScriptedPlatform sp;
    ws::Global g;
    loadSlot(g, c.events);
    ws::SequentialRun run = runWith(c.givens, c.targets, c.lag, c.forward);

    ws::SeqCountTable(run, g, sp.dialogs);

    EXPECT_EQ(cellsOf(run.gSeqTable), c.cells);
    const auto& t = run.gSeqTable;
    EXPECT_EQ(t[1][0], t[1][1] + t[1][2]);
    EXPECT_EQ(t[0][1], t[1][1] + t[2][1]);
    EXPECT_EQ(t[0][0], c.cells[0] + c.cells[1] + c.cells[2] + c.cells[3]);
    EXPECT_EQ(slotCodes(g), c.slotAfter);
    EXPECT_EQ(sp.dialogs.yields, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LagCount,
    ::testing::Values(
        LagCase{"Forward", {"A", "B", "C", "D"}, {"A"}, {"B"}, 1, true, {1, 0, 0, 2}, {"A", "B", "C", "D"}},
        LagCase{"Backward",
                {"A", "B", "C", "D"},
                {"B"},
                {"A"},
                1,
                false,
                {1, 0, 0, 2},
                {"$USED$A", "B", "C", "D"}},
        LagCase{
            "ExactlyAtTheLag", {"A", "X", "B"}, {"A"}, {"B"}, 2, true, {1, 0, 0, 0}, {"A", "X", "$USED$B"}},
        LagCase{
            "LagOneAcrossTheMiddle", {"A", "X", "B"}, {"A"}, {"B"}, 1, true, {0, 1, 1, 0}, {"A", "X", "B"}},
        LagCase{"GivenAndTarget", {"A", "A"}, {"A"}, {"A"}, 1, true, {1, 0, 0, 0}, {"A", "$USED$A"}},
        LagCase{"LagAsLongAsTheFile", {"A", "B", "A"}, {"A"}, {"B"}, 3, true, {0, 0, 0, 0}, {"A", "B", "A"}},
        LagCase{"OversizedLag", {"A", "B"}, {"A"}, {"B"}, 2000000000, true, {0, 0, 0, 0}, {"A", "B"}},
        LagCase{"NegativeLagForward",
                {"B", "A", "C"},
                {"A"},
                {"B"},
                -1,
                true,
                {1, 0, 0, 1},
                {"$USED$B", "A", "C"}},
        LagCase{"NegativeLagBackward",
                {"A", "B", "C"},
                {"A"},
                {"B"},
                -1,
                false,
                {1, 0, 0, 1},
                {"A", "$USED$B", "C"}},
        LagCase{"GapIsAnOrdinaryCode",
                {"A", "$Gap$", "B"},
                {"$Gap$"},
                {"B"},
                1,
                true,
                {1, 0, 0, 1},
                {"A", "$Gap$", "$USED$B"}},
        LagCase{"NoGivens", {"A", "B"}, {}, {"B"}, 1, true, {0, 0, 1, 0}, {"A", "B"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LagCount, AStopRequestLeavesTheTableEmptyWithoutTotals) {
    testsupport::ScriptedPlatform sp;
    ws::Global g;
    loadSlot(g, {"A", "B", "A", "B"});
    ws::SequentialRun run = runWith({"A"}, {"B"});
    run.gSeqTable[0][0] = 99; // from an earlier file
    sp.dialogs.onYield = [&] { g.AbortRun = textfile::kTrue; };

    ws::SeqCountTable(run, g, sp.dialogs);

    EXPECT_EQ(run.gSeqTable, ws::SeqTable{});
}

TEST(CodeTests, TheGivenTestRemovesTheMarkAndBothCompareExactly) {
    const ws::SequentialRun run = runWith({"A", "b"}, {"C"});
    std::string marked = "$USED$A";
    EXPECT_TRUE(ws::IsGivenCode(run, marked));
    EXPECT_EQ(marked, "A");
    std::string lower = "a";
    EXPECT_FALSE(ws::IsGivenCode(run, lower));
    std::string padded = "b ";
    EXPECT_FALSE(ws::IsGivenCode(run, padded));
    EXPECT_TRUE(ws::IsTargetCode(run, "C"));
    EXPECT_FALSE(ws::IsTargetCode(run, "$USED$C"));
    EXPECT_FALSE(ws::IsTargetCode(runWith({"A"}, {}), ""));
}

class LevelCount : public ::testing::Test {
protected:
    void SetUp() override {
        analtest::useCodeTable(g, {{"A", "", 1}, {"P", "", 2}, {"B", "", 1}, {"Q", "", 2}, {"$Gap$", "", 0}});
    }
    // Level m's four counts, for m = 0 .. level count.
    std::vector<std::vector<int>> levels() const {
        std::vector<std::vector<int>> cells;
        for (const auto& table : run.gSeqLevelTable) {
            cells.push_back(cellsOf(table));
        }
        return cells;
    }
    testsupport::ScriptedPlatform sp;
    ws::Global g;
    ws::SequentialRun run;
};

TEST_F(LevelCount, EachPairGoesToTheLevelLastMet) {
    loadSlot(g, {"P", "A", "B", "Q", "A", "B"});
    run = runWith({"A"}, {"B"});
    EXPECT_EQ(ws::SeqCountWithinLevel(run, g, sp.dialogs, 2), 2);
    EXPECT_EQ(run.gLevelCodes[1], "P");
    EXPECT_EQ(run.gLevelCodes[2], "Q");
    EXPECT_EQ(levels(), (std::vector<std::vector<int>>{{0, 0, 0, 0}, {1, 0, 0, 2}, {1, 0, 0, 1}}));
    EXPECT_EQ(run.gSeqLevelTable[1][0][0], 3);
    EXPECT_EQ(run.gSeqLevelTable[0][0][0], 0); // level 0 gets no totals
}

TEST_F(LevelCount, ALevelCodeCountedAsATargetDoesNotSwitchTheLevel) {
    loadSlot(g, {"P", "A", "Q", "B"});
    run = runWith({"A"}, {"Q"});
    ws::SeqCountWithinLevel(run, g, sp.dialogs, 2);
    EXPECT_EQ(levels(), (std::vector<std::vector<int>>{{0, 0, 0, 0}, {1, 0, 0, 2}, {0, 0, 0, 0}}));
}

TEST_F(LevelCount, NoPairSpansAGap) {
    loadSlot(g, {"P", "A", "$Gap$", "B", "C", "D"});
    run = runWith({"B"}, {"C"});
    ws::SeqCountWithinLevel(run, g, sp.dialogs, 2);
    EXPECT_EQ(levels(), (std::vector<std::vector<int>>{{0, 0, 0, 0}, {1, 0, 0, 2}, {0, 0, 0, 0}}));
}

TEST_F(LevelCount, AGapNearTheEndMovesNoPairOutsideTheEvents) {
    // Forward the moved target would be the end record; backward it would be position 0.
    loadSlot(g, {"P", "A", "$Gap$", "B"});
    run = runWith({"A"}, {"B"}, 1, true);
    ws::SeqCountWithinLevel(run, g, sp.dialogs, 2);
    EXPECT_EQ(run.gSeqLevelTable[1][0][0], 1); // (P, A) only
    loadSlot(g, {"B", "$Gap$", "A", "P"});
    run = runWith({"A"}, {"B"}, 1, false);
    ws::SeqCountWithinLevel(run, g, sp.dialogs, 2);
    EXPECT_EQ(cellsOf(run.gSeqLevelTable[0]), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(cellsOf(run.gSeqLevelTable[1]), (std::vector<int>{0, 0, 0, 1})); // (P, A) only
}

TEST_F(LevelCount, NegativeLagsEndAndStayInsideTheEvents) {
    loadSlot(g, {"P", "$Gap$", "$Gap$", "A", "B"});
    for (const bool forward : {true, false}) {
        run = runWith({"A"}, {"B"}, -2, forward);
        ws::SeqCountWithinLevel(run, g, sp.dialogs, 2);
        int counted = 0;
        for (const auto& table : run.gSeqLevelTable) {
            for (const int cell : cellsOf(table)) {
                counted += cell;
            }
        }
        EXPECT_LE(counted, 3);
    }
}

TEST_F(LevelCount, WithoutLevelCodesInTheFileEverythingIsLevelZero) {
    loadSlot(g, {"A", "B", "A"});
    run = runWith({"A"}, {"B"});
    EXPECT_EQ(ws::SeqCountWithinLevel(run, g, sp.dialogs, 2), 2);
    EXPECT_EQ(levels(), (std::vector<std::vector<int>>{{1, 0, 0, 1}, {0, 0, 0, 0}, {0, 0, 0, 0}}));
    EXPECT_EQ(ws::SeqCountWithinLevel(run, g, sp.dialogs, 7), 0); // a group with no codes
    EXPECT_EQ(cellsOf(run.gSeqLevelTable[0]), (std::vector<int>{1, 0, 0, 1}));
}

} // namespace
