// The command set as one table over (player, code, state): what the player is asked, the
// boxes shown and the rows; then the file commands, media opening and the error handler.
#include "CommandRig.h"
#include "support/ScratchFolder.h"
#include "textfile/Files.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using testsupport::SimulatedPlayer;
using vc::PlayerKind;

const double kFrame = 1001 / 30000.0;
const double kEnd = 300 * kFrame;

struct CommandCase {
    const char* name;
    double selection; // PlayerSelection
    int code;
    bool video;
    double from;     // the player's position before the command
    const char* log; // the player's calls, "; " between
    const char* box; // "" none
    double position; // after the command; -1 not checked
    std::function<void(vctest::CommandRig&, SimulatedPlayer&)> setup = {};
};

class CommandTable : public ::testing::TestWithParam<CommandCase> {};

PlayerKind kindOf(double selection) {
    vc::VideoSettings s;
    s.PlayerSelection = selection;
    return vc::chosenPlayer(s);
}

TEST_P(CommandTable, AsksThePlayerAndShowsWhatTheTableSays) {
    const CommandCase& c = GetParam();
    vctest::CommandRig rig;
    rig.g.settings.PlayerSelection = c.selection;
    rig.rows({"00:00:01.50", "00:00:02.00"});
    SimulatedPlayer& player = rig.open(kindOf(c.selection));
    if (!c.video) {
        rig.g.open.gVideoOpen = vc::kFalse;
    }
    player.setPosition(c.from);
    if (c.setup) {
        c.setup(rig, player);
    }
    player.log.clear();
    rig.g.coding.gReplaying = vc::kTrue;
    rig.commands.ControlSub(c.code);
    EXPECT_EQ(vctest::joined(player.log), c.log);
    EXPECT_EQ(rig.g.coding.gReplaying, vc::kFalse);
    if (*c.box) {
        ASSERT_EQ(rig.dialogs.boxes.size(), 1u);
        EXPECT_EQ(rig.dialogs.boxes[0].text, c.box);
    } else {
        EXPECT_TRUE(rig.dialogs.boxes.empty()) << rig.dialogs.boxes[0].text;
    }
    if (c.position >= 0) {
        EXPECT_NEAR(player.position(), c.position, 1e-9);
        EXPECT_NE(player.state(), platform::PlayerState::Playing);
    }
}

const char* kNoVideo = "No video file is open";

INSTANTIATE_TEST_SUITE_P(
    Commands, CommandTable,
    ::testing::Values(
        CommandCase{"MuteMedia", 0, 21, true, 1, "Mute on", "", -1},
        CommandCase{"MuteFile", 1, 21, true, 1, "Mute on", "", -1},
        CommandCase{"MuteWithoutVideo", 0, 21, false, 1, "", "", -1},
        CommandCase{"SpeedMedia", 0, 22, true, 1, "Rate 0.75", "", -1},
        CommandCase{"SpeedMediaBack", 0, 22, true, 1, "Rate 1", "", -1,
                    [](auto&, SimulatedPlayer& p) { p.setRate(0.75); }},
        CommandCase{"SpeedFile", 1, 22, true, 1, "Rate 0.75", "", -1},
        CommandCase{"SpeedDvdPlaysForwards", 2, 22, true, 1, "Forwards 0.75; Rate 0.75; Play", "", -1},
        CommandCase{"SpeedDvdBack", 2, 22, true, 1, "Forwards 1; Rate 1; Play", "", -1,
                    [](auto&, SimulatedPlayer& p) { p.playForwards(0.75); }},
        CommandCase{"FrameBackMediaBelowTheStep", 0, 103, true, 0.02, "", "", 0.02},
        CommandCase{"FrameBackMediaAtTheStep", 0, 103, true, 0.03, "Position 0; Play; Pause; Position 0", "",
                    0},
        CommandCase{"FrameBackMediaWaitsForPlaying", 0, 103, true, 2,
                    "Position 1.97; Play; Pause; Position 1.97", "", 1.97,
                    [](auto&, SimulatedPlayer& p) { p.startLatency = 0.2; }},
        CommandCase{"FrameAheadMedia", 0, 104, true, 2, "Position 2.03; Play; Pause; Position 2.03", "",
                    2.03},
        CommandCase{"FrameAheadMediaNearTheEnd", 0, 104, true, kEnd - 0.02, "", "", kEnd - 0.02},
        CommandCase{"FrameBackDvd", 2, 103, true, 2, "Position 1.97; Play; Pause; Play; Pause; Position 1.97",
                    "", 1.97},
        CommandCase{"FrameAheadDvdNearTheEnd", 2, 104, true, kEnd - 0.02, "", "", kEnd - 0.02},
        CommandCase{"FrameBackFileAtZero", 1, 103, true, 0, "", "", 0},
        CommandCase{"FrameBackFileSteps", 1, 103, true, 100 * kFrame, "Capabilities; PreviousFrame", "",
                    99 * kFrame},
        CommandCase{"FrameBackFileSeeksATenth", 1, 103, true, 2, "Capabilities; Position 1.9", "", 1.9,
                    [](auto&, SimulatedPlayer& p) { p.capabilities = 3; }},
        CommandCase{"FrameBackFileCannotSeek", 1, 103, true, 2, "Capabilities",
                    "Backward seeking not supported with this media type", 2,
                    [](auto&, SimulatedPlayer& p) { p.capabilities = 1; }},
        CommandCase{"FrameAheadFileSteps", 1, 104, true, 100 * kFrame, "Capabilities; NextFrame", "",
                    101 * kFrame},
        CommandCase{"FrameAheadFileAtTheEnd", 1, 104, true, kEnd, "", "", kEnd},
        CommandCase{"FrameAheadFileCannotSeek", 1, 104, true, 2, "Capabilities",
                    "Forward seeking not supported with this media type", 2,
                    [](auto&, SimulatedPlayer& p) { p.capabilities = 2; }},
        CommandCase{"PreRollMediaGoesToZero", 0, 99, true, 1, "Position 0; Play", "", -1},
        CommandCase{"PreRollDvdGoesToZero", 2, 99, true, 1, "Position 0; Play", "", -1},
        CommandCase{"PreRollFileDoesNothingBelowZero", 1, 99, true, 1, "", "", 1},
        CommandCase{"PreRollFile", 1, 99, true, 5, "Position 2; Play", "", -1},
        CommandCase{"PreRollFileFramesBelowZero", 1, 99, true, 2 * kFrame, "", "", 2 * kFrame,
                    [](vctest::CommandRig& r, auto&) { r.g.settings.FrameDisplay = 2; }},
        CommandCase{"PreRollFileFrames", 1, 99, true, 10 * kFrame, "Position 0.233567; Play", "", -1,
                    [](vctest::CommandRig& r, auto&) { r.g.settings.FrameDisplay = 3; }},
        CommandCase{"PlayMedia", 0, 100, true, 1, "Play", "", -1},
        CommandCase{"PauseFile", 1, 101, true, 1, "Pause", "", -1},
        CommandCase{"StopMedia", 0, 102, true, 1, "Stop", "", -1},
        CommandCase{"StopFileSeeksStart", 1, 102, true, 1, "SeekStart", "", 0},
        CommandCase{"StopDvd", 2, 102, true, 1, "Stop", "", -1},
        CommandCase{"PlayWithoutVideo", 0, 100, false, 1, "", kNoVideo, -1},
        CommandCase{"PauseWithoutVideo", 1, 101, false, 1, "", kNoVideo, -1},
        CommandCase{"StopWithoutVideo", 2, 102, false, 1, "", kNoVideo, -1},
        CommandCase{"MarkWithoutVideo", 0, 10, false, 1, "", kNoVideo, -1},
        CommandCase{"MarkMenuWithoutVideo", 1, 106, false, 1, "", kNoVideo, -1},
        CommandCase{"AddMarkStopWithoutVideo", 0, 105, false, 1, "", "", -1},
        CommandCase{"SeekWithoutVideo", 0, 6, false, 1, "", "", -1},
        CommandCase{"FrameBackWithoutVideo", 0, 103, false, 1, "", "", -1},
        CommandCase{"SeekMedia", 0, 6, true, 9, "Position 1.5; Play; Pause; Position 1.5", "", 1.5},
        CommandCase{"SeekMenuFile", 1, 107, true, 9, "Position 1.5; Pause", "", 1.5},
        CommandCase{
            "SeekDvdThreeRounds", 2, 6, true, 9,
            "Position 1.5; Play; Pause; Position 1.5; Play; Pause; Position 1.5; Play; Pause; Position 1.5",
            "", 1.5},
        CommandCase{"SeekOnTheTitleRow", 0, 6, true, 9, "", "Error in video control:Subscript out of range",
                    9, [](vctest::CommandRig& r, auto&) { r.grid.row = 0; }},
        CommandCase{"SelectionFiveIsTheMediaWindow", 5, 100, true, 1, "Play", "", -1},
        CommandCase{"UnknownCode", 0, 7, true, 1, "", "You pressed 7", -1},
        CommandCase{"PlayerRefuses", 0, 22, true, 1, "Rate 0.75",
                    "Error in video control:Rate changes not supported", -1,
                    [](auto&, SimulatedPlayer& p) { p.refuseRates = true; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandSet, AWindowThatIsNotLoadedHasNoVideoAndIsNeverLoaded) {
    vctest::CommandRig rig;
    rig.open(PlayerKind::MediaWindow);
    rig.g.settings.PlayerSelection = 1; // the file window, never opened
    rig.commands.ControlSub(100);
    ASSERT_EQ(rig.dialogs.boxes.size(), 1u);
    EXPECT_EQ(rig.dialogs.boxes[0].text, kNoVideo);
    EXPECT_EQ(rig.dialogs.boxes[0].title, "Vintrosa");
    EXPECT_TRUE(rig.shown.empty());
    EXPECT_TRUE(rig.windows[PlayerKind::MediaWindow]->log.empty());
}

TEST(CommandSet, TheDvdSeekWaitsTwiceHalfASecondWithoutYielding) {
    vctest::CommandRig rig;
    rig.g.settings.PlayerSelection = 2;
    rig.rows({"00:00:01.50"});
    rig.open(PlayerKind::DvdWindow);
    int yields = 0;
    rig.dialogs.onYield = [&] { ++yields; };
    const double before = rig.sim.scripted.clock.monotonic;
    rig.commands.ControlSub(6);
    EXPECT_GE(rig.sim.scripted.clock.monotonic - before, 1.0);
    EXPECT_EQ(yields, 0);
}

TEST(CommandSet, AMarkWritesTheRowAndMovesOnlyBeforeTheLastButOne) {
    for (const auto& [row, movedTo] : {std::pair{1, 2}, {3, 4}, {4, 4}, {5, 5}}) {
        vctest::CommandRig rig;
        rig.rows({"", "", "", "", ""});
        rig.g.settings.gMarkMoves = vc::kTrue;
        SimulatedPlayer& player = rig.open(PlayerKind::MediaWindow);
        player.mediaDuration = 100;
        player.setPosition(65.5);
        rig.grid.row = row;
        rig.commands.ControlSub(10);
        EXPECT_EQ(rig.time(row), "00:01:05.50") << row;
        EXPECT_EQ(rig.grid.row, movedTo) << row;
        EXPECT_EQ(rig.grid.calls.back(), "refresh");
    }
}

TEST(CommandSet, AMarkOutOfRangeWarnsAndIsMadeAllTheSame) {
    vctest::CommandRig rig;
    rig.rows({""});
    rig.open(PlayerKind::MediaWindow).setPosition(2);
    double seen = -1;
    rig.commands.links().TimeOuttaRange = [&](double seconds, std::optional<std::int32_t>) {
        seen = seconds;
        return true;
    };
    rig.commands.ControlSub(105);
    ASSERT_EQ(rig.dialogs.boxes.size(), 1u);
    EXPECT_EQ(rig.dialogs.boxes[0].text, "Time being marked is out of the file's time limits");
    EXPECT_EQ(rig.dialogs.boxes[0].title, "Warning");
    EXPECT_EQ(rig.g.data.gData.rows(), 2);
    EXPECT_EQ(rig.g.data.gRowCount.asNumber(), 2);
    EXPECT_EQ(rig.grid.row, 2);
    EXPECT_EQ(rig.time(2), "00:00:02.00");
    EXPECT_NEAR(seen, 60 * kFrame, 1e-9); // the start of the frame on screen
}

TEST(CommandSet, AltClickMarksTheRowClickedAndCtrlClickSeeksToIt) {
    vctest::CommandRig rig;
    rig.rows({"", "00:00:04.00"});
    SimulatedPlayer& player = rig.open(PlayerKind::MediaWindow);
    player.setPosition(3);
    rig.commands.FG1_AltClick(1);
    EXPECT_EQ(rig.time(1), "00:00:03.00");
    rig.commands.FG1_CtrlClick(2);
    EXPECT_NEAR(player.position(), 4, 1e-6);
    EXPECT_EQ(rig.grid.row, 2);
}

TEST(CommandSet, RowCommandsNeedNoVideo) {
    vctest::CommandRig rig;
    rig.rows({"00:00:01.00"});
    rig.commands.ControlSub(11);
    EXPECT_EQ(rig.g.data.gData.rows(), 2);
    EXPECT_EQ(rig.grid.calls.back(), "refresh");
    EXPECT_TRUE(rig.dialogs.boxes.empty());
}

TEST(CommandSet, InsertWithoutACurrentDataRowChangesNothing) {
    vctest::CommandRig rig;
    rig.rows({"00:00:01.00", "00:00:02.00"});
    rig.grid.row = 0;
    const vc::CellTable before = rig.g.data.gData;
    rig.commands.ControlSub(9);
    EXPECT_TRUE(rig.g.data.gData == before);
    EXPECT_TRUE(rig.grid.calls.empty());
    EXPECT_TRUE(rig.dialogs.boxes.empty());
}

// Rows the filter hides stay hidden with their cells when rows are inserted or deleted above
// them; an inserted row comes in shown.
TEST(CommandSet, RowCommandsKeepTheFiltersHiddenRowsWithTheirCells) {
    struct Case {
        const char* name;
        int code, row;
        std::vector<int> selection;
        std::vector<std::string> shown; // column 2 of the rows left shown
    };
    const std::vector<Case> cases = {
        {"insert above", 9, 2, {}, {"c1", "", "c3"}},      {"delete above", 8, 1, {}, {"c3"}},
        {"delete the hidden row", 8, 2, {}, {"c1", "c3"}}, {"append", 11, 1, {}, {"c1", "c3", ""}},
        {"delete selected", 206, 1, {3, 1}, {}},
    };
    for (const Case& c : cases) {
        vctest::CommandRig rig;
        rig.rows({"00:00:01.00", "00:00:02.00", "00:00:03.00", "00:00:04.00"});
        vc::GridLayout& grid = rig.dataFrm.FG1;
        grid.setRowHidden(2, true);
        grid.setRowHidden(4, true);
        rig.grid.row = c.row;
        rig.grid.selection = c.selection;
        rig.commands.ControlSub(c.code);
        std::vector<std::string> shown;
        for (int row = 1; row <= rig.g.data.gData.rows(); ++row) {
            if (!grid.rowHidden(row)) {
                shown.push_back(rig.cell(2, row));
            }
        }
        EXPECT_EQ(shown, c.shown) << c.name;
    }
}

// Save, Save As and Export, with the caption the file on disk gives.
TEST(FileCommands, SaveAsTakesTheNameChosenAndACancelKeepsTheOldOneAndSavesNothing) {
    for (const bool cancelled : {true, false}) {
        testsupport::ScratchFolder scratch;
        vctest::CommandRig rig;
        rig.g.data.gDataType = "EVENTS";
        rig.g.data.gFileName = scratch.file("old.qvd");
        rig.dialogs.files.push_back(cancelled ? "" : scratch.file("new.qvd"));
        rig.commands.ControlSub(3);
        const std::string kept = scratch.file(cancelled ? "old.qvd" : "new.qvd");
        EXPECT_EQ(rig.g.data.gFileName, kept);
        EXPECT_EQ(std::filesystem::exists(kept), !cancelled);
        EXPECT_FALSE(std::filesystem::exists(scratch.file("old.qvd")));
        EXPECT_EQ(rig.grid.calls, std::vector<std::string>{cancelled ? "caption " : "caption new.qvd"});
    }
}

TEST(FileCommands, ExportSavesFirstAndKeepsTheCaption) {
    testsupport::ScratchFolder scratch;
    vctest::CommandRig rig;
    rig.g.data.gDataType = "EVENTS";
    rig.g.data.gFileName = scratch.file("data.qvd");
    bool exported = false;
    rig.commands.links().ExportData = [&] {
        exported = true;
        EXPECT_TRUE(std::filesystem::exists(scratch.file("data.qvd")));
    };
    rig.commands.ControlSub(2);
    EXPECT_TRUE(exported);
    EXPECT_TRUE(rig.grid.calls.empty());
}

struct MediaCase {
    const char* name;
    double selection;
    bool exists;        // the media file is there
    const char* header; // Text1(7)
    const char* box;
    const char* shown; // "" none
    bool nameKept;
};

class OpenMediaTable : public ::testing::TestWithParam<MediaCase> {};

TEST_P(OpenMediaTable, TestsTheFileThenShowsTheChosenWindow) {
    const MediaCase& c = GetParam();
    testsupport::ScratchFolder scratch;
    const std::string clip = scratch.file("clip.mp4");
    if (c.exists) {
        textfile::saveFileAtomically(clip, "x");
    }
    vctest::CommandRig rig;
    rig.g.settings.PlayerSelection = c.selection;
    rig.dataFrm.Text1[vc::kMediaField] = std::string(c.header) == "clip" ? clip : c.header;
    rig.commands.ControlSub(4);
    const std::string expectedName = std::string(c.header) == "clip" ? clip : c.header;
    if (*c.box) {
        ASSERT_EQ(rig.dialogs.boxes.size(), 1u);
        EXPECT_EQ(rig.dialogs.boxes[0].text, std::string(c.box) == "missing" ? clip + " not found" : c.box);
        EXPECT_EQ(rig.dialogs.boxes[0].title,
                  std::string(c.box) == "missing" ? "File Load Error" : "VTRS Error");
    } else {
        EXPECT_TRUE(rig.dialogs.boxes.empty());
    }
    EXPECT_EQ(vctest::joined(rig.shown), c.shown);
    EXPECT_EQ(rig.g.data.gVideoFileName, c.nameKept ? expectedName : "");
}

const char* kBadName = "Error opening a file.  Most likey cause is that\r\n"
                       "the video or code file is not found where it was \r\n"
                       "last time this data file was opened.";

INSTANTIATE_TEST_SUITE_P(
    Media, OpenMediaTable,
    ::testing::Values(
        MediaCase{"MediaWindow", 0, true, "clip", "", "show 0", true},
        MediaCase{"SelectionFive", 5, true, "clip", "", "show 0", true},
        MediaCase{"FileWindow", 1, true, "clip", "", "show 1", true},
        MediaCase{"MissingFileClearsOnlyTheName", 0, false, "clip", "missing", "", false},
        MediaCase{"MissingFileInTheFileWindow", 1, false, "clip", "missing", "", false},
        MediaCase{"DvdMakesNoTest", 2, false, "DVD", "", "show 2", true},
        MediaCase{
            "ANameTooLong", 0, false,
            "/tmp/"
            "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"
            "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"
            "aaa"
            "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa.mp4",
            kBadName, "", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OpenMedia, ANulByteInTheNameIsABadFileName) {
    vctest::CommandRig rig;
    rig.dataFrm.Text1[vc::kMediaField] = std::string("clip\0.mp4", 9);
    rig.commands.ControlSub(4);
    ASSERT_EQ(rig.dialogs.boxes.size(), 1u);
    EXPECT_EQ(rig.dialogs.boxes[0].text, kBadName);
    EXPECT_TRUE(rig.shown.empty());
}

TEST(OpenMedia, AnEmptyHeaderAsksTheMainWindowAndACancelEndsTheCommand) {
    vctest::CommandRig rig;
    int asked = 0;
    rig.commands.links().OpenMovieMnu_Click = [&] { ++asked; };
    rig.commands.ControlSub(4);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(rig.shown.empty());
    EXPECT_TRUE(rig.dialogs.boxes.empty());
}

TEST(OpenMedia, AnOpenVideoIsShownAgainWithoutLookingAtTheHeader) {
    testsupport::ScratchFolder scratch;
    textfile::saveFileAtomically(scratch.file("a.mp4"), "x");
    vctest::CommandRig rig;
    rig.open(PlayerKind::MediaWindow);
    rig.g.data.gVideoFileName = scratch.file("a.mp4");
    rig.dataFrm.Text1[vc::kMediaField] = "other.mp4";
    rig.commands.ControlSub(4);
    EXPECT_EQ(vctest::joined(rig.shown), "show 0");
}

TEST(CommandSet, JumpBackwardsShowsTheBackplayWindowWhileAVideoIsOpen) {
    vctest::CommandRig rig;
    int shown = 0;
    rig.commands.links().showBackplay = [&] { ++shown; };
    rig.commands.ControlSub(98);
    EXPECT_EQ(shown, 0);
    rig.open(PlayerKind::FileWindow);
    rig.g.settings.PlayerSelection = 1;
    rig.commands.ControlSub(98);
    EXPECT_EQ(shown, 1);
}

} // namespace
