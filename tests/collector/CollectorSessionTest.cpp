// The collector's handlers without a window: naming the file, the clock's pauses, typed
// entry, saving, closing and exiting.
#include "collector/CollectorRig.h"
#include "textfile/Files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace collector {
namespace {

using Boxes = std::vector<std::string>;

TEST(CollectorNewFile, AsksForTheFileThenTheHeader) {
    CollectorRig rig;
    rig.session.Form_Load();
    EXPECT_EQ(rig.session.display().Label1, "Pick new to start a new file");
    EXPECT_EQ(rig.session.display().caption, "Talvor Data Collector");

    rig.newFile("kid", "Kid 1");
    ASSERT_EQ(rig.sp.dialogs.saveRequests.size(), 1u);
    const auto& request = rig.sp.dialogs.saveRequests[0];
    EXPECT_EQ(request.title, "Name Your Data File...");
    EXPECT_EQ(request.filter, "Talvor Event Files|*.eve|All Files|*.*");
    EXPECT_EQ(request.flags, platform::kOverwritePrompt | platform::kHideReadOnly);
    EXPECT_EQ(rig.sp.dialogs.boxes[0].buttons, platform::Buttons::OKCancel);

    EXPECT_EQ(rig.session.state().CollectFileName, rig.scratch.file("kid.eve"));
    EXPECT_EQ(rig.session.display().caption, "Talvor Data Collector(kid.eve)");
    EXPECT_EQ(rig.session.display().Label1, "Start the timer when ready");
    EXPECT_EQ(rig.session.display().newFileCaption, "&Save");
    EXPECT_EQ(rig.text1.text(), "Events\r\nKid 1\r\n");
    EXPECT_FALSE(std::filesystem::exists(rig.scratch.file("kid.eve"))) << "nothing is written before a save";
}

TEST(CollectorNewFile, OnlyADotInTheFileNameKeepsTheName) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"kid", "kid.eve"}, {"kid.txt", "kid.txt"}, {"j.smith/kid", "j.smith/kid.eve"}};
    for (const auto& [chosen, named] : cases) {
        CollectorRig rig;
        rig.session.Form_Load();
        rig.newFile(chosen, "H");
        EXPECT_EQ(rig.session.state().CollectFileName, rig.scratch.file(named)) << chosen;
    }
}

TEST(CollectorNewFile, CancelOrAnEmptyHeaderNamesNoFile) {
    CollectorRig rig;
    rig.session.Form_Load();
    rig.session.NewFile_Click(); // save dialog cancelled
    EXPECT_TRUE(rig.sp.dialogs.boxes.empty()) << "no header is asked for";
    rig.sp.dialogs.files.push_back(rig.scratch.file("a.eve"));
    rig.sp.dialogs.inputs.push_back(std::nullopt);
    rig.session.NewFile_Click();
    EXPECT_TRUE(rig.session.state().CollectFileName.empty());
    EXPECT_FALSE(rig.session.state().FileIsOpen);
    EXPECT_EQ(rig.session.display().newFileCaption, "&New...");
}

TEST(CollectorClock, RefusesToStartOrTakeKeysWithoutAFileOrAClock) {
    CollectorRig rig;
    rig.session.Form_Load();
    rig.session.TimerStart_Click();
    rig.newFile("kid.eve", "H");
    rig.type("A");
    rig.type("'"); // dropped without a word
    EXPECT_EQ(rig.boxTexts(),
              (Boxes{"Oops!|You must open a file first",
                     "Header Line...|Enter a Header line to label the file", "Oops!|Timer not started yet"}));
    EXPECT_EQ(rig.text1.text(), "Events\r\nH\r\n");
}

TEST(CollectorClock, PausesNeverTakeTheCountBackNorRepeatTheInitialLines) {
    struct Case {
        const char* tenths;
        double pauseAt;
        const char* resumesAt;
    };
    // Seconds keep the count shown; tenths go up to the next whole second.
    const std::vector<Case> cases = {{"0", 0.3, "0"},  {"0", 57.2, "57"}, {"1", 0.3, "10"},
                                     {"1", 5.4, "60"}, {"1", 5.7, "60"},  {"1", 6.0, "60"}};
    for (const Case& c : cases) {
        CollectorRig rig;
        rig.settings["TenthsofSeconds"] = c.tenths;
        rig.useCodes({{"A", 1}});
        rig.session.Form_Load();
        rig.newFile("kid.eve", "H");
        rig.session.TimerStart_Click();
        rig.at(c.pauseAt);
        rig.session.TimerStart_Click();
        rig.sp.clock.monotonic = 1000;
        rig.session.TimerStart_Click();
        EXPECT_EQ(rig.session.display().Label1, c.resumesAt) << c.tenths << " " << c.pauseAt;
        // A pause before any tick of the resumed clock keeps what the first pause kept.
        rig.session.TimerStart_Click();
        rig.session.TimerStart_Click();
        EXPECT_EQ(rig.session.display().Label1, c.resumesAt);
        EXPECT_EQ(rig.text1.text(), "Events\r\nH\r\nA,0\r\n") << "initial lines once per file";
    }
}

TEST(CollectorEntry, BackspaceEditsTheBoxButNotTheCodeLookedUp) {
    CollectorRig rig;
    rig.useCodes({{"Q", 1}, {"AB", 1}});
    rig.session.Form_Load();
    rig.newFile("kid.eve", "H");
    rig.session.TimerStart_Click();
    rig.at(2);
    rig.type("AX");
    rig.session.Text1_KeyPress("\b");
    rig.session.Text1_KeyUp(8);
    rig.type("B");
    rig.enter();
    rig.enter(); // nothing typed: a line with an empty code
    rig.type(",\"");
    rig.enter();
    EXPECT_EQ(rig.text1.text(), "Events\r\nH\r\nQ,0\r\nAB,2\r\n,2\r\n,\",2\r\n");
    EXPECT_EQ(rig.session.lists().list(1).shownText(), "Q") << "the lookup was for AXB";
    rig.type("AB");
    rig.enter();
    EXPECT_EQ(rig.session.lists().list(1).shownText(), "AB");
}

TEST(CollectorEntry, FixedLengthEndsTheCodeByItselfAndEnterStillEndsItEarly) {
    CollectorRig rig;
    rig.settings = {{"gFixedEntry", "1"}, {"gNumToAuto", "2"}};
    rig.session.Form_Load();
    rig.newFile("kid.eve", "H");
    rig.session.TimerStart_Click();
    rig.at(3);
    rig.type("AB");
    rig.type("C");
    rig.session.Text1_KeyUp(16); // Shift is not a keystroke of the code
    rig.enter();
    rig.type("D");
    rig.session.Text1_KeyUp(17); // Ctrl is
    EXPECT_EQ(rig.text1.text(), "Events\r\nH\r\nAB,3\r\nC,3\r\nD,3\r\n");
}

TEST(CollectorTimeUp, ACodeHalfTypedIsEnteredAtTheLimit) {
    CollectorRig rig;
    rig.settings = {{"gFixedEntry", "1"}, {"gNumToAuto", "3"}, {"SessionDuration", "180"}};
    rig.session.Form_Load();
    rig.newFile("kid.eve", "H");
    rig.session.TimerStart_Click();
    rig.at(180.4);
    rig.type("AB");
    rig.at(180.5); // shows 180 (halves to even)
    EXPECT_FALSE(rig.session.state().TimeIsUp);
    rig.at(180.6);
    EXPECT_EQ(rig.written("kid.eve"), "Events\r\nH\r\nAB,180\r\n-500,180\r\n\r\n");
    EXPECT_FALSE(rig.session.state().FileIsOpen);
    EXPECT_EQ(rig.session.display().Label1, "181") << "the clock keeps its last value";
    EXPECT_EQ(rig.session.display().newFileCaption, "&New");
    EXPECT_EQ(rig.session.display().caption, "Talvor Data Collector ");
    EXPECT_EQ(rig.session.display().timerCaption, "&Start");
    EXPECT_EQ(rig.sp.dialogs.boxes.back().icon, platform::Icon::Information);
}

TEST(CollectorSave, KeepsAnEditedLastLineWholeAndRewritesTheFile) {
    CollectorRig rig;
    rig.session.Form_Load();
    rig.newFile("kid.eve", "H");
    rig.session.TimerStart_Click();
    rig.at(57);
    rig.text1.moveCaretToEnd();
    rig.text1.insertAtCaret("Note,12");
    rig.session.NewFile_Click(); // the item reads "&Save"
    EXPECT_EQ(rig.written("kid.eve"), "Events\r\nH\r\nNote,12\r\n-500,57\r\n\r\n");
    rig.type("A");
    rig.enter();
    rig.session.SaveData();
    EXPECT_EQ(rig.written("kid.eve"), "Events\r\nH\r\nNote,12A,57\r\n-500,57\r\n\r\n");
}

TEST(CollectorSave, AFailedSaveSaysSoAndKeepsTheFileOpen) {
    CollectorRig rig;
    rig.session.Form_Load();
    rig.sp.dialogs.files.push_back(rig.scratch.file("missing/kid.eve"));
    rig.sp.dialogs.inputs.push_back("H");
    rig.session.NewFile_Click();
    rig.session.TimerStart_Click();
    rig.at(4);
    rig.type("A");
    rig.enter();
    rig.session.CloseFile_Click();
    // The file and the system's reason, so the person can put it right and save again.
    EXPECT_EQ(rig.sp.dialogs.boxes.back().text, "Path/File access error - " +
                                                    rig.scratch.file("missing/kid.eve") +
                                                    ": No such file or directory\r\n"
                                                    "The collected data are still in the window.");
    EXPECT_EQ(rig.sp.dialogs.boxes.back().title, "TALVOR");
    EXPECT_TRUE(rig.session.state().FileIsOpen);
    EXPECT_TRUE(rig.session.clockRunning());
    EXPECT_EQ(rig.text1.text(), "Events\r\nH\r\nA,4\r\n");
    rig.session.Exit_Click();
    EXPECT_EQ(rig.ends, 0) << "the program does not end over unsaved data";
    EXPECT_FALSE(rig.session.Form_Unload());
}

TEST(CollectorExit, SavesUnloadsAndEndsTheProgram) {
    CollectorRig rig;
    rig.session.Form_Load();
    rig.newFile("kid.eve", "H");
    rig.session.Exit_Click();
    EXPECT_EQ(rig.written("kid.eve"), "Events\r\nH\r\n");
    EXPECT_EQ(rig.unloads, 1);
    EXPECT_EQ(rig.ends, 1);
}

TEST(CollectorClock, CountsPastThe16BitRangeInTenths) {
    CollectorRig rig;
    rig.settings = {{"TenthsofSeconds", "1"}, {"SessionDuration", "36000"}};
    rig.session.Form_Load();
    rig.newFile("kid.eve", "H");
    rig.sp.clock.monotonic = 86000; // the session crosses midnight: only elapsed time counts
    rig.session.TimerStart_Click();
    rig.at(86000 + 3600 * 9.5);
    EXPECT_EQ(rig.session.display().Label1, "342000");
    EXPECT_FALSE(rig.session.state().TimeIsUp);
}

} // namespace
} // namespace collector
