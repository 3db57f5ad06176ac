// The runner with scripted dialogs: which file it asks for, how it names and clears the
// report, its ways of ending early, and what it hands each analysis.
#include "workstation/analyses/RunAnalysis.h"
#include "AnalTestSupport.h"
#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"
#include "textfile/Numeric.h"
#include "workstation/analyses/AnalysisKind.h"

#include <gtest/gtest.h>

namespace ws {
namespace {

using namespace analtest;
using platform::Answer;
using platform::Buttons;
using platform::Icon;
using textfile::kFalse;
using textfile::kTrue;

const std::string kChecking = " Data File Checking";
const std::string kAgreement = " Inter-Observer Agreement";
// The analysis whose steps the tests stand in for, to see what each pass is handed.
const std::string kRecoding = " Data File Recoding";
const std::string kMatrixTitle = " Time Unit Matching Inter-observer Agreement Matrix";

class RunAnalysisTest : public ::testing::Test {
protected:
    void SetUp() override {
        useCodeTable(g, {{"A", "Apple", 1}});
        writeEventFile(scratch.file("a.eve"), "one", {{"A", 1}, {"-500", 9}});
        writeEventFile(scratch.file("b.eve"), "two", {{"A", 2}, {"-500", 5}});
        writeListFile(scratch.file("study.lst"), "Event Files",
                      {scratch.file("a.eve"), scratch.file("b.eve")});
        routes.showRecode = [this] {
            recordPass();
            return true; // recoded there: the runner does not recode this pass again
        };
        routes.fileRecode = [this] { recordPass(); };
    }

    void recordPass() {
        seen.push_back(
            {g.DataFileName, g.InputMode, g.ListOfListsActive, textfile::fileExists(g.OutputFileName)});
    }

    void run(const std::string& title, AnalysisChoices choices = {}) {
        status.labels = {title};
        RunAnalysis(choices, g, sp.platform, status, routes, [this](const std::string& path) {
            removals.push_back(path);
            if (!removalAnswers.empty()) {
                const RemovalResult r = removalAnswers.front();
                removalAnswers.erase(removalAnswers.begin());
                return r;
            }
            return removeReportFile(path);
        });
    }

    void pick(const std::string& name) { sp.dialogs.files.push_back(name); }

    struct Pass {
        std::string dataFile;
        std::int16_t inputMode;
        std::int16_t listOfListsActive;
        bool reportExisted;
    };

    ScratchFolder scratch;
    testsupport::ScriptedPlatform sp;
    Global g;
    RecordingStatus status;
    AnalysisRoutes routes;
    std::vector<Pass> seen;
    std::vector<std::string> removals;
    std::vector<RemovalResult> removalAnswers;
};

TEST(AnalysisKindTest, TitleIsComparedTrimmedAndExactly) {
    const std::vector<std::pair<std::string, AnalysisKind>> cases{
        {" Data File Checking", AnalysisKind::DataFileChecking},
        {" Data File Recoding  ", AnalysisKind::DataFileRecoding},
        {" Frequency and Duration", AnalysisKind::FrequencyAndDuration},
        {" Inter-Observer Agreement", AnalysisKind::InterObserverAgreement},
        {" Multi-Group Frequencies and Durations", AnalysisKind::MultiGroup},
        {" Sequential Analysis", AnalysisKind::Sequential},
        {"Please pick the file to compare to a.eve", AnalysisKind::SecondAgreementFile},
        {" Frequency and duration", AnalysisKind::SecondAgreementFile},
    };
    for (const auto& [title, kind] : cases) {
        EXPECT_EQ(analysisKindOf(title), kind) << title;
    }
}

TEST_F(RunAnalysisTest, ReportIsNamedAfterThePickedFileAndClearedBeforeTheRun) {
    struct Case {
        bool list;
        ReportDestination destination;
        std::string report;
        std::int16_t kind;
    };
    const std::vector<Case> cases{
        {false, ReportDestination::TextEditor, "a.eve.txt", 1},
        {false, ReportDestination::Spreadsheet, "a.eve.csv", 2},
        {true, ReportDestination::TextEditor, "study.lst.txt", 1},
        {true, ReportDestination::Spreadsheet, "study.lst.csv", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.report);
        seen.clear();
        writeBytes(scratch.file(c.report), "old report\r\n");
        pick(scratch.file(c.list ? "study.lst" : "a.eve"));
        run(kRecoding, {c.list, true, c.destination, ""});

        EXPECT_EQ(g.OutputFileName, scratch.file(c.report));
        EXPECT_EQ(g.OutputKind, c.kind);
        EXPECT_EQ(g.InputMode, c.list ? 4 : 1);
        EXPECT_EQ(g.SkipToPooled, c.list ? 1 : 0); // a single file never skips to pooled
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_FALSE(seen[0].reportExisted);
        EXPECT_EQ(g.DataFileName, "");
        EXPECT_EQ(g.RunCancelled, kFalse);
    }
}

TEST_F(RunAnalysisTest, NamedReportIsAppendedToAndNeverDeleted) {
    writeBytes(scratch.file("keep.csv"), "earlier\r\n");
    pick(scratch.file("a.eve"));
    run(kRecoding, {false, false, ReportDestination::NamedFile, scratch.file("keep.csv")});

    EXPECT_EQ(g.OutputFileName, scratch.file("keep.csv"));
    EXPECT_EQ(g.OutputKind, 3);
    EXPECT_TRUE(removals.empty());
    EXPECT_EQ(readBytes(scratch.file("keep.csv")), "earlier\r\n");
    EXPECT_EQ(seen.size(), 1u);
}

TEST_F(RunAnalysisTest, ReportInUseAsksUntilItCanBeDeleted) {
    removalAnswers = {RemovalResult::InUse, RemovalResult::InUse, RemovalResult::Removed};
    sp.dialogs.answers = {Answer::Retry, Answer::Retry};
    pick(scratch.file("a.eve"));
    run(kRecoding);

    ASSERT_EQ(sp.dialogs.boxes.size(), 2u);
    for (const auto& box : sp.dialogs.boxes) {
        EXPECT_EQ(box.text,
                  "The output file is already open\r\nYou need to close it in your helper program.");
        EXPECT_EQ(box.title, "Oops!");
        EXPECT_EQ(box.buttons, Buttons::RetryCancel);
    }
    EXPECT_EQ(removals.size(), 3u);
    EXPECT_EQ(seen.size(), 1u);
    EXPECT_EQ(g.AbortRun, kFalse);
}

TEST_F(RunAnalysisTest, CancelOnReportInUseStopsTheRunAndEndsTheListOfLists) {
    writeListFile(scratch.file("all.lst"), "List Files", {scratch.file("study.lst")});
    removalAnswers = {RemovalResult::InUse};
    sp.dialogs.answers = {Answer::Cancel};
    pick(scratch.file("all.lst"));
    run(kRecoding, {true, false, ReportDestination::TextEditor, ""});

    EXPECT_EQ(g.AbortRun, kTrue);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(g.DataFileName, scratch.file("all.lst"));
    EXPECT_EQ(g.ListOfListsActive, kFalse);
}

TEST_F(RunAnalysisTest, OtherDeletionFailuresAreIgnored) {
    removalAnswers = {RemovalResult::Failed};
    pick(scratch.file("a.eve"));
    run(kRecoding);
    EXPECT_TRUE(sp.dialogs.boxes.empty());
    EXPECT_EQ(seen.size(), 1u);
}

TEST_F(RunAnalysisTest, CancelledOrBlankPickTouchesNothing) {
    for (const std::string answer : {"", "   "}) {
        writeBytes(scratch.file("a.eve.txt"), "old\r\n");
        g.DataFileName = "before";
        if (!answer.empty()) {
            pick(answer);
        }
        run(kRecoding);

        EXPECT_EQ(g.RunCancelled, kTrue);
        EXPECT_EQ(g.DataFileName, "before");
        EXPECT_TRUE(removals.empty());
        EXPECT_TRUE(seen.empty());
        EXPECT_TRUE(sp.dialogs.boxes.empty());
    }
}

TEST_F(RunAnalysisTest, NameOfNoFileIsRefusedBeforeAnyReportIsDeleted) {
    writeBytes(scratch.file("missing.eve.txt"), "old\r\n");
    pick(scratch.file("missing.eve"));
    run(kRecoding);

    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].text, scratch.file("missing.eve"));
    EXPECT_EQ(sp.dialogs.boxes[0].title, "File Not Found");
    EXPECT_EQ(sp.dialogs.boxes[0].buttons, Buttons::OK);
    EXPECT_EQ(g.RunCancelled, kTrue);
    EXPECT_TRUE(removals.empty());
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(readBytes(scratch.file("missing.eve.txt")), "old\r\n");
}

TEST_F(RunAnalysisTest, OpenDialogAsksForADataFileOrAListFile) {
    run(kRecoding, {false, false, ReportDestination::TextEditor, ""});
    run(kRecoding, {true, false, ReportDestination::TextEditor, ""});

    ASSERT_EQ(sp.dialogs.openRequests.size(), 2u);
    const auto& single = sp.dialogs.openRequests[0];
    EXPECT_EQ(single.title, "Pick the data file to open...");
    EXPECT_EQ(single.filter,
              "TALVOR/VTRS Data Files (*.eve;*.qvd;*.txt;*.slt;*.odf)|*.eve;*.qvd;*.txt;*.slt;*.odf|"
              "All Files (*.*)|*.*");
    EXPECT_EQ(single.fileName, "");
    EXPECT_EQ(single.flags, platform::kHideReadOnly);
    const auto& list = sp.dialogs.openRequests[1];
    EXPECT_EQ(list.title, "Pick the list file to open...");
    EXPECT_EQ(list.filter, "TALVOR List Files (*.lst)|*.lst|All Files (*.*)|*.*");
    EXPECT_EQ(list.flags, platform::kHideReadOnly);
}

TEST_F(RunAnalysisTest, KappaQuestionOnlyForAgreementOnAListAndForTheSecondFile) {
    struct Case {
        std::string title;
        bool list;
        Answer answer;
        bool asked;
    };
    const std::vector<Case> cases{
        {kAgreement, true, Answer::Yes, true},
        {kAgreement, true, Answer::No, true},
        {"Please pick the file to compare to a.eve", false, Answer::Yes, true},
        {kAgreement, false, Answer::Yes, false},
        {kChecking, true, Answer::Yes, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        sp.dialogs.boxes.clear();
        g.IOAFirstFileName = scratch.file("a.eve");
        sp.dialogs.answers = {c.answer};
        pick(scratch.file(c.list ? "study.lst" : "b.eve"));
        run(c.title, {c.list, false, ReportDestination::TextEditor, ""});

        if (c.asked) {
            ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
            EXPECT_EQ(sp.dialogs.boxes[0].text, "Do you want the Kappa Matrix in the file?");
            EXPECT_EQ(sp.dialogs.boxes[0].title, kProgramTitle);
            EXPECT_EQ(sp.dialogs.boxes[0].buttons, Buttons::YesNo);
            // The answer reaches the agreement: the matrix is in its report or not.
            EXPECT_EQ(readBytes(g.OutputFileName).find(kMatrixTitle) != std::string::npos,
                      c.answer == Answer::Yes);
        } else {
            EXPECT_TRUE(sp.dialogs.boxes.empty());
        }
        sp.dialogs.answers.clear();
    }
}

TEST_F(RunAnalysisTest, FirstAgreementFileIsOnlyTakenAndTouchesNoReport) {
    writeBytes(scratch.file("a.eve.txt"), "old\r\n");
    g.OutputFileName = "previous.csv";
    g.OutputKind = 2;
    pick(scratch.file("a.eve"));
    run(kAgreement);

    EXPECT_EQ(g.IOAFirstFileName, scratch.file("a.eve"));
    EXPECT_EQ(g.IOAFirstFileTaken, kTrue);
    EXPECT_EQ(g.DataFileName, scratch.file("a.eve"));
    // Nothing of the last run is left for ShowOutput to open, however the second pick ends.
    EXPECT_EQ(g.OutputFileName, "");
    EXPECT_EQ(g.AbortRun, kTrue);
    EXPECT_TRUE(removals.empty());
    EXPECT_EQ(readBytes(scratch.file("a.eve.txt")), "old\r\n");
    EXPECT_TRUE(sp.dialogs.boxes.empty());
}

TEST_F(RunAnalysisTest, SecondAgreementFileRunsOnBothFilesAndOwnsTheReport) {
    g.IOAFirstFileName = scratch.file("a.eve");
    writeBytes(scratch.file("b.eve.txt"), "old\r\n");
    pick(scratch.file("b.eve"));
    run("Please pick the file to compare to a.eve");

    // The agreement ran on both files into a fresh report.
    const std::string report = readBytes(scratch.file("b.eve.txt"));
    EXPECT_EQ(report.find("old"), std::string::npos);
    EXPECT_NE(report.find("a.eve"), std::string::npos);
    EXPECT_NE(report.find("b.eve"), std::string::npos);
    EXPECT_EQ(g.OutputFileName, scratch.file("b.eve.txt"));
    EXPECT_EQ(status.labels.at(1), " Inter-observer Agreement Report"); // then the agreement's own
}

TEST_F(RunAnalysisTest, AnalysisThatIsNotWiredSaysSoAndEndsTheRunWithoutTouchingTheReport) {
    routes = AnalysisRoutes{};
    writeBytes(scratch.file("a.eve.txt"), "old\r\n");
    pick(scratch.file("a.eve"));
    run(kRecoding);

    EXPECT_TRUE(sp.dialogs.openRequests.empty());
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].text, "The Data File Recoding is not available yet.");
    EXPECT_EQ(sp.dialogs.boxes[0].title, "TALVOR");
    EXPECT_EQ(sp.dialogs.boxes[0].icon, Icon::Information);
    EXPECT_EQ(g.AbortRun, kTrue);
    EXPECT_EQ(readBytes(scratch.file("a.eve.txt")), "old\r\n");
}

TEST_F(RunAnalysisTest, ListOfListsRunsOncePerEntryCutAtItsComma) {
    writeBytes(scratch.file("all.lst"), crlfLines({"\"List Files\"", " 2 ", scratch.file("one.lst"),
                                                   scratch.file("two.lst") + ",observer B", "never read"}));
    pick(scratch.file("all.lst"));
    run(kRecoding, {true, false, ReportDestination::TextEditor, ""});

    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].dataFile, scratch.file("one.lst"));
    EXPECT_EQ(seen[1].dataFile, scratch.file("two.lst"));
    for (const auto& pass : seen) {
        EXPECT_EQ(pass.inputMode, 4);
        EXPECT_EQ(pass.listOfListsActive, kTrue);
    }
    EXPECT_EQ(g.OutputFileName, scratch.file("all.lst.txt"));
    EXPECT_EQ(g.ListOfListsMode, kTrue);
    EXPECT_EQ(g.ListOfListsActive, kFalse);
    EXPECT_EQ(g.DataFileName, "");
}

TEST_F(RunAnalysisTest, StopRequestEndsTheListOfListsAfterTheCurrentEntry) {
    writeListFile(scratch.file("all.lst"), "List Files", {scratch.file("one.lst"), scratch.file("two.lst")});
    routes.showRecode = [this] {
        recordPass();
        g.AbortRun = kTrue;
        return true;
    };
    pick(scratch.file("all.lst"));
    run(kRecoding, {true, false, ReportDestination::TextEditor, ""});
    EXPECT_EQ(seen.size(), 1u);
    EXPECT_EQ(g.ListOfListsActive, kFalse);
}

TEST_F(RunAnalysisTest, SequentialAnalysisChecksTheListTypeFirst) {
    int shown = 0;
    routes.showSequence = [&shown] { ++shown; };
    for (const std::string type : {"Interval Files", "Event Files", "Toggle Files", "Odd Files"}) {
        SCOPED_TRACE(type);
        sp.dialogs.boxes.clear();
        shown = 0;
        writeListFile(scratch.file("seq.lst"), type, {scratch.file("a.eve")});
        pick(scratch.file("seq.lst"));
        run(" Sequential Analysis", {true, false, ReportDestination::TextEditor, ""});

        if (type == "Odd Files") {
            EXPECT_EQ(shown, 0);
            ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
            EXPECT_EQ(sp.dialogs.boxes[0].text, "Not a valid list: " + scratch.file("seq.lst"));
            EXPECT_EQ(sp.dialogs.boxes[0].title, "Error!");
        } else {
            EXPECT_EQ(shown, 1);
            EXPECT_TRUE(sp.dialogs.boxes.empty());
        }
    }
}

TEST_F(RunAnalysisTest, QuitInRecodeOrAFailedGroupTreeEndsTheRun) {
    int recoded = 0;
    routes.showRecode = [this] {
        g.AbortRun = kTrue;
        return false;
    };
    routes.fileRecode = [&recoded] { ++recoded; };
    pick(scratch.file("a.eve"));
    run(" Data File Recoding");
    EXPECT_EQ(recoded, 0);
    EXPECT_EQ(g.DataFileName, scratch.file("a.eve"));

    // Recoded in the window: the runner does not recode that file a second time, and a list of
    // lists carries the choice to the lists after it.
    routes.showRecode = [] { return true; };
    pick(scratch.file("a.eve"));
    run(" Data File Recoding");
    EXPECT_EQ(recoded, 0);
    writeListFile(scratch.file("all.lst"), "List Files", {scratch.file("one.lst"), scratch.file("two.lst")});
    pick(scratch.file("all.lst"));
    run(" Data File Recoding", {true, false, ReportDestination::TextEditor, ""});
    EXPECT_EQ(recoded, 1);

    int shownMultilev = 0;
    int counted = 0;
    routes.multiLevSetup = [this] { g.RunCancelled = kTrue; };
    routes.showMultilev = [&shownMultilev] { ++shownMultilev; };
    routes.multiGroupFreqDur = [&counted] { ++counted; };
    pick(scratch.file("a.eve"));
    run(" Multi-Group Frequencies and Durations");
    EXPECT_EQ(shownMultilev, 0);
    EXPECT_EQ(counted, 0);
    EXPECT_EQ(g.RunCancelled, kTrue);
}

} // namespace
} // namespace ws
