// The driver over lists: status, pooling, the early ends, and what a stop request leaves.
#include "SeqTestSupport.h"
#include "support/ScriptedPlatform.h"
#include "support/ScriptedRandom.h"
#include "workstation/analyses/AnalTestSupport.h"
#include "workstation/sequential/SeqAnalysisRun.h"

#include <gtest/gtest.h>

namespace {

using namespace analtest;

class SeqDriver : public ::testing::Test {
protected:
    void SetUp() override {
        useCodeTable(g, {{"A", "", 1}, {"B", "", 1}, {"C", "", 1}, {"P", "", 2}});
        writeEventFile(scratch.file("a.eve"), "one", {{"A", 1}, {"B", 2}, {"C", 3}, {"-500", 4}});
        writeEventFile(scratch.file("b.eve"), "two", {{"A", 1}, {"B", 2}, {"A", 3}, {"B", 4}, {"-500", 5}});
        writeEventFile(scratch.file("c.eve"), "three", {{"B", 1}, {"A", 2}, {"-500", 3}});
        writeBytes(scratch.file("bad.eve"), "Events\r\nbroken\r\nA,5\r\nB,2\r\n-500,6\r\n");
        g.OutputFileName = scratch.file("report.out");
        g.OutputKind = 2;
        run = seqtest::runWith({"A"}, {"B"});
    }

    void runList(const std::vector<std::string>& entries, int count = -1,
                 const std::string& type = "Event Files") {
        std::vector<std::string> paths;
        for (const auto& entry : entries) {
            paths.push_back(scratch.file(entry));
        }
        writeListFile(scratch.file("study.lst"), type, paths);
        if (count >= 0) { // a count that differs from the entries written
            std::string bytes = readBytes(scratch.file("study.lst"));
            const auto countStart = bytes.find("\r\n") + 2;
            bytes.replace(countStart, bytes.find("\r\n", countStart) - countStart,
                          " " + std::to_string(count) + " ");
            writeBytes(scratch.file("study.lst"), bytes);
        }
        runFile("study.lst", 4);
    }

    void runFile(const std::string& name, int inputMode = 1) {
        g.DataFileName = scratch.file(name);
        g.InputMode = static_cast<std::int16_t>(inputMode);
        ws::SeqAnalysisRun(g, sp.platform, random, status, run, g.DataFileName, g.InputMode);
    }

    std::string report() const { return readBytes(g.OutputFileName); }

    ScratchFolder scratch;
    testsupport::ScriptedPlatform sp;
    testsupport::ScriptedRandom random;
    ws::Global g;
    RecordingStatus status{" Sequential Analysis"};
    ws::SequentialRun run;
};

const std::string kHeader = " Givens: N = 1 |A| Targets: N = 1 |B|,";

TEST_F(SeqDriver, AListShowsEachEntryAndItsProgressThenPools) {
    runList({"a.eve", "b.eve", "c.eve"});

    EXPECT_EQ(status.labels, (std::vector<std::string>{" Sequential Analysis", "Processing file: study.lst",
                                                       "Processing file: study.lst-a.eve-1",
                                                       "Processing file: study.lst-b.eve-2",
                                                       "Processing file: study.lst-c.eve-3"}));
    EXPECT_EQ(status.progress, (std::vector<int>{33, 67, 100}));
    EXPECT_EQ(status.progressShown, (std::vector<bool>{true}));
    EXPECT_FALSE(status.busy);
    EXPECT_EQ(report(), kHeader + "\"a.eve\",1,0,0,1,1,0.70710677,1,1\r\n" +     //
                            kHeader + "\"b.eve\",2,0,0,1,1,0.57735026,1,1\r\n" + //
                            kHeader + "\"c.eve\",0,0,0,1,0,0,0,0\r\n" +          //
                            kHeader + "\"study.lst\",3,0,0,3,1.7320509,0.7071068,1,1\r\n");
    EXPECT_EQ(g.DataFileName, scratch.file("study.lst")); // the run's input is left as it was
    EXPECT_EQ(g.InputMode, 4);
}

TEST_F(SeqDriver, SkipToPooledWritesOnlyThePooledOutput) {
    g.SkipToPooled = 1;
    runList({"a.eve", "b.eve"});
    EXPECT_EQ(report(), kHeader + "\"study.lst\",3,0,0,2,1.4142137,0.6324556,1,1\r\n");
    std::filesystem::remove(g.OutputFileName);
    runFile("a.eve");
    EXPECT_FALSE(std::filesystem::exists(g.OutputFileName));
}

TEST_F(SeqDriver, ListsThatAreNoEventListsAreRefusedWithNothingWritten) {
    for (const char* type : {"Toggle Files", "event files"}) {
        runList({"a.eve"}, -1, type);
    }
    runFile("missing.lst", 4);
    ASSERT_EQ(sp.dialogs.boxes.size(), 3u);
    EXPECT_EQ(sp.dialogs.boxes[0].text, "Not a valid list: " + scratch.file("study.lst"));
    EXPECT_EQ(sp.dialogs.boxes[0].title, "ERROR!");
    EXPECT_EQ(sp.dialogs.boxes[0].buttons, platform::Buttons::OK);
    EXPECT_EQ(sp.dialogs.boxes[2].text, "Not a valid list: " + scratch.file("missing.lst"));
    EXPECT_EQ(sp.dialogs.beeps, 3);
    EXPECT_FALSE(std::filesystem::exists(g.OutputFileName));
}

TEST_F(SeqDriver, AListShorterThanItsCountEndsAtItsLastEntry) {
    runList({"a.eve", "b.eve"}, 5);
    EXPECT_TRUE(sp.dialogs.boxes.empty());
    EXPECT_EQ(report(), kHeader + "\"a.eve\",1,0,0,1,1,0.70710677,1,1\r\n" +     //
                            kHeader + "\"b.eve\",2,0,0,1,1,0.57735026,1,1\r\n" + //
                            kHeader + "\"study.lst\",3,0,0,2,1.4142137,0.6324556,1,1\r\n");
    EXPECT_EQ(status.progress, (std::vector<int>{20, 40}));
}

TEST_F(SeqDriver, AFileTheReaderRefusesEndsTheRunAfterItsErrorLines) {
    runList({"a.eve", "bad.eve", "c.eve"});
    const std::string out = report();
    EXPECT_EQ(out.rfind(kHeader + "\"a.eve\"", 0), 0u);
    EXPECT_NE(out.find("bad.eve"), std::string::npos);
    EXPECT_EQ(out.find("c.eve"), std::string::npos);
    EXPECT_EQ(out.find("study.lst"), std::string::npos);
}

TEST_F(SeqDriver, AStopRequestWhileCountingWritesNothingMore) {
    int yields = 0;
    sp.dialogs.onYield = [&] {
        if (++yields == 2) {
            g.AbortRun = textfile::kTrue;
        }
    };
    runList({"a.eve", "b.eve", "c.eve"});
    EXPECT_EQ(report(), kHeader + "\"a.eve\",1,0,0,1,1,0.70710677,1,1\r\n");
}

TEST_F(SeqDriver, AnEmptyListStillWritesThePooledOutput) {
    runList({});
    EXPECT_EQ(report(), kHeader + "\"study.lst\",0,0,0,0,0,0,0,0\r\n");
    std::filesystem::remove(g.OutputFileName);
    run.gWithinLevel = 2;
    runList({});
    EXPECT_EQ(report(), kHeader + "\r\n"); // header cells alone, their line ended
}

TEST_F(SeqDriver, CommaSeparatedAndNamedFileOutputsAreTheSame) {
    runList({"a.eve", "b.eve"});
    const std::string csv = report();
    std::filesystem::remove(g.OutputFileName);
    g.OutputKind = 3;
    runList({"a.eve", "b.eve"});
    EXPECT_EQ(report(), csv);
}

TEST_F(SeqDriver, EachCallPoolsOnlyItsOwnFilesAndTheStoredFormFeedsStay) {
    g.OutputKind = 1;
    g.gUseFormFeeds = 1;
    runList({"a.eve", "b.eve"});
    runList({"c.eve"});
    EXPECT_EQ(seqtest::cellsOf(run.gPooledTable), (std::vector<int>{0, 0, 0, 1})); // c.eve alone
    EXPECT_EQ(g.gUseFormFeeds, 1);
}

} // namespace

namespace {

TEST_F(SeqDriver, AScratchFileThatCannotBeWrittenEndsThePressWithItsPath) {
    run.gEventLags = textfile::kFalse;
    run.gWindowRules = {1, 1, 0, 0, 1, 0, 0};
    std::filesystem::create_directory(scratch.file("b.SBS")); // no file can take that name
    runList({"a.eve", "b.eve", "c.eve"});

    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].text, "Cannot write " + scratch.file("b.SBS") + "\r\nIs a directory");
    EXPECT_EQ(sp.dialogs.boxes[0].title, "ERROR!");
    EXPECT_NE(g.AbortRun, textfile::kFalse); // no further pairing of the press
    // The first file's row only: nothing for the file that failed, after it, or pooled.
    EXPECT_EQ(report().find("b.eve"), std::string::npos);
    EXPECT_EQ(report().find("study.lst"), std::string::npos);
    EXPECT_NE(report().find("\"a.eve\""), std::string::npos);
}

TEST_F(SeqDriver, AStopRequestWhileTimeUnitsAreWalkedLeavesNothingAfterIt) {
    run.gEventLags = textfile::kFalse;
    run.gWindowRules = {1, 1, 0, 0, 1, 0, 0};
    int yields = 0;
    sp.dialogs.onYield = [&] {
        sp.clock.seconds += 0.1; // every unit may yield
        if (++yields == 6) {     // b.eve's second unit: a.eve has four
            g.AbortRun = textfile::kTrue;
        }
    };
    runList({"a.eve", "b.eve", "c.eve"});
    EXPECT_EQ(report(), kHeader + "\"a.eve\",0,1,1,2,-0.57735026,0.28867513,-1,-1\r\n");
    // The units walked before the stop, and no yes/no file made from them.
    EXPECT_EQ(readBytes(scratch.file("b.SBS")).find("\r\n") + 2, readBytes(scratch.file("b.SBS")).size());
    EXPECT_FALSE(std::filesystem::exists(scratch.file("b.YNF")));
    EXPECT_FALSE(std::filesystem::exists(scratch.file("c.SBS")));
}

} // namespace
