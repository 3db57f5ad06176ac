// The text report's number fields and the comma-separated cells.
#include "workstation/sequential/SeqReport.h"
#include "workstation/sequential/SeqCsvRows.h"
#include "workstation/sequential/SeqLevelReport.h"

#include "SeqTestSupport.h"
#include "support/ScriptedPlatform.h"
#include "support/ScriptedRandom.h"

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

    ws::SequentialRun run = seqtest::runWith({"A"}, {"B"});
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
    ws::SequentialRun run = seqtest::runWith({"A", "B", "C"}, {"D", "E"}, 3, false);
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
    ws::SequentialRun run = seqtest::runWith({"A", "B"}, {"C"});
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

namespace {

TEST(SeqReport, ResamplingLinesGiveCountsAndPValuesAtColumn20) {
    ws::SequentialRun run = seqtest::runWith({"A"}, {"B"});
    run.gResampleCount = 1000;
    run.gResampleCounts[1] = {0, 12, 0, 988};
    run.gResampleCounts[2] = {0, 1000, 0, 0};
    const auto completed = [&run](bool pooled) {
        ws::ResampleResult result{ws::ResampleOutcome::Completed, {}};
        for (int row = 1; row <= 2; ++row) {
            for (int column = 1; column <= 3; ++column) {
                result.counts[row][column] =
                    pooled ? run.gPooledResampleCounts[row][column] : run.gResampleCounts[row][column];
            }
        }
        return result;
    };
    const auto perFile = linesOf(ws::seqResamplingLines(run, 0, completed(false)));
    EXPECT_EQ(perFile,
              (std::vector<std::string>{
                  " Resampling results:", "", " Of 1000 resamplings, the number of resampled runs",
                  " where the (Y,Y) sequential frequency was:", "", " < Observed:12      p=0.012",
                  " = Observed:0       p=0.", " > Observed:988     p=0.988", "",
                  " Of 1000 resamplings, the number of resampled runs", " where the Yule's Q was:", "",
                  " < Observed:1000    p=1.", " = Observed:0       p=0.", " > Observed:0       p=0.", ""}));

    // The pooled form reads its own counts and names the pooled files under both headings.
    run.gResampleCount = 10000;
    run.gPooledResampleCounts[1] = {0, 10000, 0, 0};
    const auto pooled = linesOf(ws::seqResamplingLines(run, 5, completed(true)));
    ASSERT_EQ(pooled.size(), 20u);
    EXPECT_EQ(pooled[4], "");
    EXPECT_EQ(pooled[5], " N of pooled files was: 5 ");
    EXPECT_EQ(pooled[7], " < Observed:10000   p=1.");
    EXPECT_EQ(pooled[14], " N of pooled files was: 5 ");
    EXPECT_EQ(pooled[16], " < Observed:0       p=0.");

    for (const auto outcome : {ws::ResampleOutcome::Unfinished, ws::ResampleOutcome::Skipped}) {
        EXPECT_EQ(ws::seqResamplingLines(run, 5, ws::ResampleResult{outcome, {}}),
                  "\r\n Not enough data for resampling testing\r\n\r\n");
    }
}

} // namespace

namespace {

TEST(SeqLevelReport, EveryLevelIsAWholeSectionAndNoLevelWritesNothing) {
    ws::SequentialRun run = seqtest::runWith({"A"}, {"B"});
    run.gLevelCodes = {"", "P", "Q"};
    const std::vector<ws::SeqTable> levels{ws::SeqTable{}, seqtest::tableOf(1, 2, 3, 4), ws::SeqTable{}};
    EXPECT_EQ(ws::SeqLevelReport(run, levels, 0, "x.eve", "12-10-2026"), "");

    const auto lines = linesOf(ws::SeqLevelReport(run, levels, 2, "/d/x.eve", "12-10-2026"));
    ASSERT_EQ(lines.size(), 64u);
    for (const std::size_t section : {0u, 32u}) {
        EXPECT_EQ(lines[section + 1], " *** Multi-Group Sequential Analysis Results *** Date: 12-10-2026");
        EXPECT_EQ(lines[section + 11], " Analysis was forward from the Given(s), based on event Lags");
        EXPECT_EQ(lines[section + 12], " The number of Lags forward was: 1 ");
    }
    EXPECT_EQ(lines[3], " File:x.eve   Code:P");
    EXPECT_EQ(lines[35], " File:x.eve   Code:Q");
    EXPECT_EQ(lines[32 + 15], " (Y,Y)       0 (0.0000)      0.0 (0.0000)");
}

TEST(SeqLevelReport, AnEmptyLevelIsNotResampledAndSaysSo) {
    ws::SequentialRun run = seqtest::runWith({"A"}, {"B"});
    run.gResampleCount = 1000;
    run.gLevelCodes = {"", "P", "Q"};
    const std::vector<ws::SeqTable> levels{ws::SeqTable{}, ws::SeqTable{}, seqtest::tableOf(1, 2, 3, 4)};
    testsupport::ScriptedRandom random;
    testsupport::ManualClock clock;
    ws::QuietStatus status;
    ws::ResampleServices services{random, status, clock};
    const auto results = ws::resampleLevels(run, levels, 2, true, services);
    const std::string report = ws::SeqLevelReport(run, levels, 2, "x.eve", "12-10-2026", 3, &results);
    EXPECT_EQ(random.draws, 1000); // the second level's test only
    const auto lines = linesOf(report);
    EXPECT_EQ(lines[31], "");
    EXPECT_EQ(lines[32], "");
    EXPECT_EQ(lines[33], " Not enough data for resampling testing");
    EXPECT_EQ(lines[34], "");
    EXPECT_EQ(lines[36], " *** Multi-Group Sequential Analysis Results *** Date: 12-10-2026");
    // The pooled form counts into the pooled table and names the pooled files.
    EXPECT_EQ(run.gPooledResampleCounts[1][1] + run.gPooledResampleCounts[1][2] +
                  run.gPooledResampleCounts[1][3],
              1000.0f);
    EXPECT_NE(report.find(" N of pooled files was: 3 "), std::string::npos);
}

} // namespace
