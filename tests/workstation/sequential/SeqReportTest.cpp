// The text report's number fields and the comma-separated cells.
#include "workstation/sequential/SeqReport.h"
#include "workstation/sequential/SeqCsvRows.h"

#include "SeqTestSupport.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

TEST(SeqReport, NumbersLongerThanTheirFieldAreWrittenWhole) {
    EXPECT_EQ(ws::seqField("12"), "      12");
    EXPECT_EQ(ws::seqField("-2.5000"), " -2.5000");
    EXPECT_EQ(ws::seqField("1000.0000"), "1000.0000");

    const ws::SequentialRun run = seqtest::runWith({"A"}, {"B"});
    auto reportLines = [&run](int a, int d) {
        ws::SeqTable t{};
        t[1][1] = a;
        t[2][2] = d;
        ws::completeTotals(t);
        return linesOf(ws::SeqReport(run, t, "x.eve", "12-10-2026"));
    };
    // E = 500000 and a radicand of 250000 make Z 1000 exactly.
    const auto wideZ = reportLines(1000000, 1000000);
    ASSERT_EQ(wideZ.size(), 32u);
    EXPECT_EQ(wideZ[27], " Allison Liker's Z:1000.0000");
    const auto wideCount = reportLines(1, 123456789);
    EXPECT_EQ(wideCount[18].substr(0, 15), " (N,N)123456789");
}

TEST(SeqReport, GroupsStandOnOneLineEach) {
    const ws::SequentialRun run = seqtest::runWith({"A", "B", "C"}, {"D", "E"}, 3, false);
    const auto lines = linesOf(ws::SeqReport(run, ws::SeqTable{}, "/data/list.lst", "01-02-2027"));
    EXPECT_EQ(lines[1], " *** Sequential Analysis Results *** Date: 01-02-2027");
    EXPECT_EQ(lines[3], " File:list.lst");
    EXPECT_EQ(lines[5], " Givens: N = 3");
    EXPECT_EQ(lines[6], " A B C");
    EXPECT_EQ(lines[8], " Targets: N = 2");
    EXPECT_EQ(lines[9], " D E");
    EXPECT_EQ(lines[11], " Analysis was backward from the Given(s), based on event Lags&");
    EXPECT_EQ(lines[12], " The number of Lags& backward was: 3 ");
}

TEST(SeqCsvRows, HeaderCellsAndRow) {
    const ws::SequentialRun run = seqtest::runWith({"A", "B"}, {"C"});
    EXPECT_EQ(ws::seqCsvHeaderCells(run), " Givens: N = 2 |A|B| Targets: N = 1 |C|,");
    ws::SeqTable t{};
    t[1][1] = 2;
    t[1][2] = 3;
    t[2][1] = 4;
    t[2][2] = 11;
    ws::completeTotals(t);
    // E = 1.5 unrounded: K = 0.5 / 3.5
    EXPECT_EQ(ws::seqCsvRow("a.eve", t),
              "\"a.eve\",2,3,4,11,0.48795006,0.10910895,0.29411766,0.14285715\r\n");
    EXPECT_EQ(ws::seqCsvLevelRow("a.eve", "P", ws::SeqTable{}), "\"a.eve\",\"P\",0,0,0,0,0,0,0,0\r\n");
}

} // namespace
