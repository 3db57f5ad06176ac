// The sequential settings window's logic without the window: the pairings of one press, the
// target search and the setup files, over a view that holds the controls as plain values.
#include "workstation/sequential/SequenceSession.h"
#include "support/ScriptedPlatform.h"
#include "support/ScriptedRandom.h"
#include "workstation/analyses/AnalTestSupport.h"
#include "workstation/sequential/LagPairFiles.h"
#include "workstation/sequential/SeqAnalysisRun.h"

#include <gtest/gtest.h>

namespace {

using namespace analtest;

class ShownControls : public ws::SequenceView {
public:
    ws::SequenceControls shown;
    ws::SequenceControls controls() const override { return shown; }
    void clearLists() override {
        shown.givens.clear();
        shown.targets.clear();
    }
    void showSetup(const ws::SeqSetup& setup) override {
        shown.givens.insert(shown.givens.end(), setup.givens.begin(), setup.givens.end());
        shown.targets.insert(shown.targets.end(), setup.targets.begin(), setup.targets.end());
        shown.merge = setup.merge != 0;
        shown.backward = setup.backward != 0;
        shown.givensAsGroup = setup.givensAsGroup != 0;
        shown.eventLags = setup.eventLags;
        shown.timeWindow = setup.timeWindow;
        shown.countText = setup.countText;
    }
};

class Session : public ::testing::Test {
protected:
    void SetUp() override {
        useCodeTable(g, {{"A", "", 1}, {"B", "", 1}, {"C", "", 2}, {"D", "", 3}});
        writeEventFile(scratch.file("one.eve"), "one", {{"A", 1}, {"C", 2}, {"B", 3}, {"D", 4}, {"-500", 5}});
        g.DataFileName = scratch.file("one.eve");
        g.InputMode = 1;
        g.OutputKind = 2;
        g.OutputFileName = scratch.file("report.csv");
        view.shown.countText = "1";
        ASSERT_TRUE(session.load());
    }
    // The givens and targets of each pairing, as the rows' header cells name them.
    std::vector<std::string> pairings() const {
        std::vector<std::string> heads;
        const std::string text = readBytes(g.OutputFileName);
        for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
             start = end + 2) {
            heads.push_back(text.substr(start, text.find(',', start) - start));
        }
        return heads;
    }

    ScratchFolder scratch;
    testsupport::ScriptedPlatform sp;
    testsupport::ScriptedRandom random;
    ws::Global g;
    RecordingStatus status;
    ShownControls view;
    ws::SequenceSession session{g, sp.platform, random, status, view};
};

TEST_F(Session, OnePressRunsEveryPairingWithTheInputLeftAsItWas) {
    struct Case {
        bool givensAsGroup;
        bool targetsAsGroup;
        std::vector<std::string> heads;
    };
    const std::vector<Case> cases{
        {false,
         false,
         {" Givens: N = 1 |A| Targets: N = 1 |C|", " Givens: N = 1 |A| Targets: N = 1 |D|",
          " Givens: N = 1 |B| Targets: N = 1 |C|", " Givens: N = 1 |B| Targets: N = 1 |D|"}},
        {true, false, {" Givens: N = 2 |A|B| Targets: N = 1 |C|", " Givens: N = 2 |A|B| Targets: N = 1 |D|"}},
        {false, true, {" Givens: N = 1 |A| Targets: N = 2 |C|D|", " Givens: N = 1 |B| Targets: N = 2 |C|D|"}},
        {true, true, {" Givens: N = 2 |A|B| Targets: N = 2 |C|D|"}},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(g.OutputFileName);
        view.shown.givens = {"A", "B"};
        view.shown.targets = {"C", "D"};
        view.shown.givensAsGroup = c.givensAsGroup;
        view.shown.targetsAsGroup = c.targetsAsGroup;
        session.copyIntoRun(view.shown);
        session.runPairings(view.shown);
        EXPECT_EQ(pairings(), c.heads) << c.givensAsGroup << c.targetsAsGroup;
        EXPECT_EQ(g.DataFileName, scratch.file("one.eve"));
        EXPECT_EQ(g.InputMode, 1);
        EXPECT_FALSE(status.busy);
    }
}

// A press writes its report in one go: the same bytes, the reader's error entries in their
// places, as its pairings written one by one, by event lags and by time windows, text and rows.
TEST_F(Session, APressWritesWhatItsPairingsWriteOneByOne) {
    writeEventFile(scratch.file("two.eve"), "two", {{"B", 1}, {"C", 1}, {"A", 3}, {"D", 6}, {"-500", 9}});
    writeEventFile(scratch.file("bad.eve"), "bad", {{"A", 4}, {"C", 2}, {"-500", 9}});
    const std::string list = scratch.file("study.lst");
    for (const bool refused : {false, true}) {
        writeListFile(list, "Event Files",
                      refused ? std::vector<std::string>{scratch.file("one.eve"), scratch.file("bad.eve")}
                              : std::vector<std::string>{scratch.file("one.eve"), scratch.file("two.eve")});
        for (const bool lags : {true, false}) {
            for (const std::int16_t kind : {std::int16_t{1}, std::int16_t{2}}) {
                SCOPED_TRACE(std::string(refused ? "refused " : "") + (lags ? "lags " : "windows ") +
                             std::to_string(kind));
                g.DataFileName = list;
                g.InputMode = ws::kListFileInput;
                g.OutputKind = kind;
                view.shown.givens = {"A", "B"};
                view.shown.targets = {"C", "D"};
                view.shown.eventLags = lags;
                view.shown.timeWindow = !lags;
                view.shown.windowType = 0;
                view.shown.countText = "2";
                session.copyIntoRun(view.shown);
                std::filesystem::remove(g.OutputFileName);
                session.runPairings(view.shown);
                const std::string pressed = readBytes(g.OutputFileName);

                std::filesystem::remove(g.OutputFileName);
                ws::SequentialRun run = session.run();
                ws::LagPairFiles reuse(g);
                for (const std::string& given : view.shown.givens) {
                    for (const std::string& target : view.shown.targets) {
                        run.gGivens = {"", given};
                        run.gTargets = {"", target};
                        run.gGivenCount = run.gTargetCount = 1;
                        ws::SeqAnalysisRun(g, sp.platform, random, status, run, list, ws::kListFileInput,
                                           &reuse);
                    }
                }
                EXPECT_EQ(pressed, readBytes(g.OutputFileName));
                EXPECT_EQ(pressed.find("Error:") != std::string::npos, refused);
            }
        }
    }
}

TEST_F(Session, TheControlsBecomeTheRunState) {
    view.shown.backward = true;
    view.shown.withinLevel = true;
    view.shown.levelText = "3";
    view.shown.eventLags = false;
    view.shown.timeWindow = true;
    view.shown.countText = " 2.5 units";
    view.shown.windowType = 2;
    view.shown.rules = {true, false, true, false, false, true};
    session.copyIntoRun(view.shown);
    const ws::SequentialRun& run = session.run();
    EXPECT_EQ(run.gForward, 0);
    EXPECT_EQ(run.gWithinLevel, 3);
    EXPECT_EQ(run.gEventLags, 0);
    EXPECT_EQ(run.gLagCount, 2); // halves to the even neighbour
    EXPECT_EQ(run.gResampleCount, 10000);
    EXPECT_EQ(run.gWindowRules, (std::array<std::int16_t, 7>{3, 1, 0, 1, 0, 0, 1}));
}

TEST_F(Session, TheSearchGivesOnlyNewCodesAndLeavesTheInput) {
    view.shown.givens = {"A", "B"};
    view.shown.targets = {"D"};
    EXPECT_EQ(session.searchTargets(view.shown), (std::vector<std::string>{"C"}));
    EXPECT_EQ(g.DataFileName, scratch.file("one.eve"));
    view.shown.eventLags = false;
    EXPECT_TRUE(session.searchTargets(view.shown).empty());
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].title, "Sorry Quill...");
}

TEST_F(Session, SetupFilesKeepTheirNameInTheSession) {
    const std::string name = scratch.file("codes.set");
    view.shown.givens = {"A"};
    view.shown.targets = {"C", "D"};
    view.shown.backward = true;
    sp.dialogs.inputs = {name};
    EXPECT_TRUE(session.FileSave_Click());
    EXPECT_EQ(session.SeqSetupFileName(), name);
    EXPECT_EQ(readBytes(name),
              "Sequential\r\n 1 \r\nA\r\n 2 \r\nC\r\nD\r\n 0 \r\n 1 \r\n 0 \r\nTrue\r\nFalse\r\n1\r\n");

    g.UnsavedChanges = 0;
    sp.dialogs.inputs = {name};
    session.FileOpen_Click(); // New empties the lists, then the file fills them again
    EXPECT_EQ(view.shown.givens, (std::vector<std::string>{"A"}));
    EXPECT_EQ(view.shown.targets, (std::vector<std::string>{"C", "D"}));

    writeBytes(scratch.file("other.set"), "sequential\r\n");
    sp.dialogs.inputs = {scratch.file("other.set")};
    session.FileOpen_Click();
    EXPECT_TRUE(view.shown.givens.empty());
    EXPECT_EQ(session.SeqSetupFileName(), ""); // New cleared it; a refused file is not adopted
    EXPECT_EQ(sp.dialogs.boxes.back().text, "Wrong file type:" + scratch.file("other.set"));
}

TEST_F(Session, AListOfAnotherKindIsRefusedAtLoad) {
    writeListFile(scratch.file("study.lst"), "Toggle Files", {scratch.file("one.eve")});
    g.DataFileName = scratch.file("study.lst");
    g.InputMode = 4;
    EXPECT_FALSE(session.load());
    EXPECT_NE(g.AbortRun, 0);
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].text, "Not a valid list: " + scratch.file("study.lst"));
    EXPECT_EQ(sp.dialogs.boxes[0].title, "Error!");
}

} // namespace
