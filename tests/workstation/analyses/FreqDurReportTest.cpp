// The frequency and duration report called directly: its refusals, its failure path,
// the limits of its counters, and what it shows while it runs.
#include "workstation/analyses/FreqDurReport.h"
#include "AnalTestSupport.h"
#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"

#include <gtest/gtest.h>

namespace ws {
namespace {

using namespace analtest;
using platform::Buttons;

int occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

class FreqDurReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        useCodeTable(g, {{"A", "Apple", 1}, {"B", "Bear", 1}});
        g.OutputKind = 1;
        g.OutputFileName = scratch.file("report.txt");
        writeEventFile(scratch.file("a.eve"), "one", {{"A", 1}, {"B", 4}, {"-500", 9}});
        writeEventFile(scratch.file("b.eve"), "two", {{"B", 2}, {"-500", 5}});
    }

    void runOn(const std::string& dataFile, std::int16_t inputMode) {
        g.DataFileName = dataFile;
        g.InputMode = inputMode;
        FreqDurReport(g, sp.platform, status);
    }

    std::string report() const {
        return textfile::fileExists(g.OutputFileName) ? readBytes(g.OutputFileName) : std::string();
    }

    void expectPrintingFailure(const std::string& dataFile) {
        ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
        EXPECT_EQ(sp.dialogs.boxes[0].text, "Error: Printing File: " + dataFile + "\rPrint aborted...");
        EXPECT_EQ(sp.dialogs.boxes[0].title, "ERROR!");
        EXPECT_EQ(sp.dialogs.boxes[0].buttons, Buttons::OK);
        EXPECT_EQ(sp.dialogs.beeps, 1);
        ASSERT_FALSE(status.pickEnabled.empty());
        EXPECT_TRUE(status.pickEnabled.back());
        EXPECT_FALSE(status.busy);
    }

    ScratchFolder scratch;
    testsupport::ScriptedPlatform sp;
    Global g;
    RecordingStatus status{" Frequency and Duration"};
};

TEST_F(FreqDurReportTest, ListOfAnotherTypeIsRefusedWithNothingWritten) {
    writeListFile(scratch.file("study.lst"), "Interval Files", {scratch.file("a.eve")});
    runOn(scratch.file("study.lst"), 4);

    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].text, "Not a valid list: " + scratch.file("study.lst"));
    EXPECT_EQ(sp.dialogs.boxes[0].title, "ERROR!");
    EXPECT_EQ(sp.dialogs.beeps, 1);
    EXPECT_FALSE(textfile::fileExists(g.OutputFileName));
    EXPECT_EQ(g.InputMode, 4);
}

TEST_F(FreqDurReportTest, ListWithFewerEntriesThanItsCountEndsOnThePrintingFailure) {
    writeBytes(scratch.file("study.lst"), crlfLines({"\"Event Files\"", " 3 ", scratch.file("a.eve")}));
    runOn(scratch.file("study.lst"), 4);

    expectPrintingFailure(scratch.file("a.eve")); // the last file taken from the list
    EXPECT_EQ(occurrences(report(), " File name: "), 1);
    EXPECT_EQ(occurrences(report(), "Pooled"), 0);
}

TEST_F(FreqDurReportTest, MissingListEndsOnThePrintingFailure) {
    runOn(scratch.file("nowhere.lst"), 4);
    expectPrintingFailure(scratch.file("nowhere.lst"));
    EXPECT_EQ(report(), "");
}

TEST_F(FreqDurReportTest, MoreCodesThanTheCountersHoldEndsOnThePrintingFailure) {
    std::vector<CodeRow> rows;
    for (int i = 1; i <= 1001; ++i) {
        rows.push_back({"K" + std::to_string(i), "", 1});
    }
    useCodeTable(g, rows);
    writeEventFile(scratch.file("k.eve"), "many", {{"K1", 0}, {"K1001", 3}, {"-500", 5}});
    runOn(scratch.file("k.eve"), 1);

    expectPrintingFailure(scratch.file("k.eve"));
    EXPECT_EQ(report(), "");
}

// A folder that is a plain file stops the write whoever runs the test, root included.
TEST_F(FreqDurReportTest, AReportThatCannotBeWrittenIsNamedWithTheSystemsReason) {
    writeBytes(scratch.file("reports"), "not a folder");
    g.OutputFileName = scratch.file("reports") + "/report.txt";
    runOn(scratch.file("a.eve"), 1);

    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].text, "Error: Printing File: " + scratch.file("a.eve") +
                                            "\rPrint aborted...\rCannot write " + g.OutputFileName +
                                            "\rNot a directory");
    EXPECT_EQ(sp.dialogs.boxes[0].title, "ERROR!");
    EXPECT_EQ(sp.dialogs.beeps, 1);
}

TEST_F(FreqDurReportTest, PooledFrequencyBeyond16BitsIsCountedWhole) {
    std::vector<std::pair<std::string, int>> records;
    for (int i = 0; i < 16384; ++i) {
        records.emplace_back("A", i);
    }
    records.emplace_back("-500", 16384);
    writeEventFile(scratch.file("big1.eve"), "first half", records);
    writeEventFile(scratch.file("big2.eve"), "second half", records);
    writeListFile(scratch.file("big.lst"), "Event Files",
                  {scratch.file("big1.eve"), scratch.file("big2.eve")});
    runOn(scratch.file("big.lst"), 4);

    EXPECT_TRUE(sp.dialogs.boxes.empty());
    EXPECT_EQ(occurrences(report(), " File name: "), 3);
    const std::string pooled = report().substr(report().rfind(" File name: "));
    EXPECT_NE(pooled.find("\r\n A            32768 100.0         32768 100.0 Apple\r\n"), std::string::npos)
        << pooled;
    EXPECT_NE(pooled.find("\r\nTotals        32768               32768\r\n"), std::string::npos) << pooled;
}

TEST_F(FreqDurReportTest, ListShowsEachFileAndItsProgressAndLeavesFormFeedsAlone) {
    writeListFile(scratch.file("study.lst"), "Event Files", {scratch.file("a.eve"), scratch.file("b.eve")});
    g.gUseFormFeeds = 1;
    runOn(scratch.file("study.lst"), 4);

    EXPECT_TRUE(sp.dialogs.boxes.empty());
    EXPECT_EQ(status.labels, (std::vector<std::string>{" Frequency and Duration", "Processing file:study.lst",
                                                       "Processing file:study.lst/a.eve-1",
                                                       "Processing file:study.lst/b.eve-2"}));
    EXPECT_EQ(status.progress, (std::vector<int>{50, 100}));
    EXPECT_EQ(status.progressShown, (std::vector<bool>{true, false}));
    EXPECT_EQ(status.pickEnabled, (std::vector<bool>{false, true}));
    EXPECT_FALSE(status.busy);
    EXPECT_EQ(g.InputMode, 1);
    EXPECT_EQ(g.DataFileName, scratch.file("study.lst"));
    EXPECT_EQ(g.gUseFormFeeds, 1);
    EXPECT_EQ(occurrences(report(), " File name: "), 3);
}

TEST_F(FreqDurReportTest, SkipToPooledLeavesASingleFileItsSection) {
    g.SkipToPooled = 1;
    runOn(scratch.file("a.eve"), 1);
    EXPECT_EQ(occurrences(report(), " File name: a.eve"), 1);
}

} // namespace
} // namespace ws
