// Replay around the current row on the virtual clock: S and E per player, unit, mode and
// group search, where it ends, and what ends it early.
#include "videocoder/coding/InstantReplay.h"
#include "KeyRigs.h"
#include "platform/FrameNumbers.h"
#include "textfile/RunError.h"
#include "videocoder/coding/DataFrm.h"
#include "videocoder/coding/PlayerWait.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using testsupport::SimulatedPlayer;
using vc::PlayerKind;

constexpr double kMediaSeconds = 20.0;
const double kFps = 30000 / 1001.0;

struct ReplayRig : vctest::CodingRig {
    ReplayRig() {
        for (auto& player : players.players) {
            player->mediaDuration = kMediaSeconds;
        }
    }
    vc::ReplayContext context() {
        return {g, players.links, grid, dataFrm, scripted.dialogs, scripted.clock};
    }
    SimulatedPlayer& chosen() { return players[vc::chosenPlayer(g.settings)]; }
    // Runs `action` once, at the first yield at or after `at` seconds of the clock.
    void at(double seconds, std::function<void()> action) {
        scripted.dialogs.onYield = [this, seconds, action, done = false]() mutable {
            scripted.clock.monotonic += 0.01;
            if (!done && scripted.clock.monotonic >= seconds) {
                done = true;
                action();
            }
        };
    }
};

// The first seek a replay made, in seconds.
double firstSeek(const SimulatedPlayer& player) {
    for (const std::string& line : player.log) {
        if (line.rfind("Position ", 0) == 0) {
            return std::strtod(line.c_str() + 9, nullptr);
        }
    }
    return -1;
}

struct SpanCase {
    const char* name;
    double playerSelection;
    double frameDisplay;
    double mode;
    bool inGroup;
    int row;
    std::vector<std::vector<std::string>> rows; // time, then gData column 2, 3 (group 1)
    const char* startTime;                      // "Start Time:"
    double start;                               // in the unit: seconds or frames
    double end;
};

class ReplaySpans : public ::testing::TestWithParam<SpanCase> {};

TEST_P(ReplaySpans, PlayFromStartAndEndPausedExactlyAtTheEnd) {
    const SpanCase& c = GetParam();
    ReplayRig rig;
    rig.g.settings.PlayerSelection = c.playerSelection;
    rig.g.settings.FrameDisplay = c.frameDisplay;
    rig.g.settings.gReplayMode = c.mode;
    rig.g.settings.gReplayInGroup = c.inGroup ? 1 : 0;
    rig.setRows(c.rows);
    rig.grid.row = c.row;
    rig.grid.col = 2; // group 1
    rig.dataFrm.Text1[vc::kStartTimeField] = c.startTime;
    SimulatedPlayer& player = rig.chosen();

    vc::InstantReplay(rig.context());

    const bool frames = c.playerSelection == 1 && c.frameDisplay >= 2;
    if (frames) {
        EXPECT_EQ(platform::frameAtTime(firstSeek(player), kFps), c.start);
        EXPECT_EQ(player.framePosition(), c.end);
    } else {
        EXPECT_NEAR(firstSeek(player), c.start, 1e-4);
        EXPECT_NEAR(player.position(), c.end, 1e-4);
    }
    EXPECT_EQ(player.state(), platform::PlayerState::Paused);
    EXPECT_EQ(rig.g.coding.gReplaying, vc::kFalse);
    ASSERT_GE(player.log.size(), 2u);
    EXPECT_EQ(player.log[player.log.size() - 2], "Pause");
    for (auto kind : {PlayerKind::MediaWindow, PlayerKind::FileWindow, PlayerKind::DvdWindow}) {
        if (&rig.players[kind] != &player) {
            EXPECT_EQ(rig.players[kind].log.size(), 1u) << "only the chosen player plays";
        }
    }
}

const std::vector<std::vector<std::string>> kClockRows{
    {"00:00:02.00", "", "A"}, {"00:00:04.00", "", ""}, {"00:00:06.00", "", "B"}, {"00:00:08.00", "", "C"}};
const std::vector<std::vector<std::string>> kFrameRows{
    {"60", "", "A"}, {"120", "", ""}, {"180", "", "B"}, {"240", "", "C"}};

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaySpans,
    ::testing::Values(
        SpanCase{"AroundTheRowFromZero", 0, 1, 0, false, 1, kClockRows, "", 0, 5},
        SpanCase{"AroundTheRowToTheMediaEnd", 0, 1, 0, false, 1, {{"00:00:18.00"}}, "", 15, kMediaSeconds},
        SpanCase{"ToTheNextRow", 0, 1, 1, false, 1, kClockRows, "", 2, 4},
        SpanCase{"ToTheNextRowOfTheGroup", 0, 1, 1, true, 1, kClockRows, "", 2, 6},
        SpanCase{"LastRowOfTheGroupNeverTaken", 0, 1, 1, true, 3, kClockRows, "", 6, kMediaSeconds},
        SpanCase{"LastRowToTheMediaEnd", 0, 1, 1, false, 4, kClockRows, "", 8, kMediaSeconds},
        SpanCase{"GroupSearchFromTheLastRow", 0, 1, 1, true, 4, kClockRows, "", 8, kMediaSeconds},
        SpanCase{"FromTheStartTime", 0, 1, 2, false, 1, kClockRows, "00:00:01.00", 1, 2},
        SpanCase{"FromZeroWhenStartTimeIsBlank", 0, 1, 2, false, 1, kClockRows, "   ", 0, 2},
        SpanCase{"FromThePreviousRowOfTheGroup", 0, 1, 2, true, 3, kClockRows, "", 2, 6},
        SpanCase{"NoEarlierRowOfTheGroup", 0, 1, 2, true, 1, kClockRows, "00:00:01.00", 1, 2},
        SpanCase{"ModeSevenIsModeTwo", 0, 1, 7, false, 2, kClockRows, "", 2, 4},
        SpanCase{"SelectionNineIsTheMediaWindow", 9, 1, 1, false, 1, kClockRows, "", 2, 4},
        SpanCase{"MediaWindowCountsSecondsInFrameForms", 0, 3, 1, false, 1, kClockRows, "", 2, 4},
        SpanCase{"DvdLastRowOfTheGroupNeverTaken", 2, 1, 1, true, 3, kClockRows, "", 6, kMediaSeconds},
        SpanCase{"FilePlayerSecondsLastRowNeverTaken", 1, 1, 1, true, 3, kClockRows, "", 6, kMediaSeconds},
        SpanCase{"FilePlayerFramesAroundTheRow", 1, 2, 0, false, 1, {{"300"}}, "", 297, 303},
        SpanCase{"FilePlayerTimecodeAroundTheRow", 1, 3, 0, false, 1, {{"00:00:10:00"}}, "", 297, 303},
        SpanCase{"FilePlayerFramesTakesTheLastRow", 1, 2, 1, true, 3, kFrameRows, "", 180, 240},
        SpanCase{"FilePlayerFramesFromTheStartTime", 1, 2, 2, false, 1, kFrameRows, "30", 30, 60},
        // E = L in frames is never shown: the media ends on its last frame.
        SpanCase{"FilePlayerFramesToTheMediaEnd", 1, 2, 0, false, 1, {{"598"}}, "", 595, 598},
        // E past the media: the player stops at the end, and the replay ends there.
        SpanCase{
            "PastTheMediaEnd", 0, 1, 1, false, 1, {{"00:00:19.00"}, {"00:00:30.00"}}, "", 19, kMediaSeconds},
        SpanCase{"FilePlayerFramesPastTheMediaEnd", 1, 2, 1, false, 1, {{"590"}, {"900"}}, "", 590, 598},
        // A start at or after the end: the first pass ends it, paused at E.
        SpanCase{"StartAfterTheEnd", 0, 1, 2, false, 2, {{"00:00:09.00"}, {"00:00:03.00"}}, "", 9, 3}),
    [](const auto& info) { return std::string(info.param.name); });

// The rows of the cases below: a replay from 2 s to 6 s on the media window.
ReplayRig& toNextRow(ReplayRig& rig) {
    rig.g.settings.gReplayMode = 1;
    rig.setRows({{"00:00:02.00"}, {"00:00:06.00"}});
    rig.grid.row = 1;
    return rig;
}

TEST(InstantReplay, ACommandStopsItAndTheReplayLeavesThePlayerAlone) {
    ReplayRig rig;
    toNextRow(rig);
    SimulatedPlayer& player = rig.chosen();
    rig.at(1.0, [&] {
        rig.g.coding.gReplaying = vc::kFalse; // the command's prologue
        player.pause();                       // command 101
    });
    vc::InstantReplay(rig.context());
    EXPECT_NEAR(player.position(), 3.0, 0.02);
    EXPECT_EQ(player.log.back(), "Pause");
    EXPECT_EQ(rig.g.coding.gReplaying, vc::kFalse);
}

TEST(InstantReplay, ASecondReplayInsideTheWaitSupersedesTheFirst) {
    ReplayRig rig;
    toNextRow(rig);
    rig.setRows({{"00:00:02.00"}, {"00:00:06.00"}, {"00:00:07.00"}});
    SimulatedPlayer& player = rig.chosen();
    int inner = 0;
    rig.at(0.5, [&] {
        rig.g.coding.gReplaying = vc::kFalse; // command 5 clears the flag, then replays
        rig.grid.row = 2;
        ++inner;
        vc::InstantReplay(rig.context());
    });
    vc::InstantReplay(rig.context());
    EXPECT_EQ(inner, 1);
    EXPECT_NEAR(player.position(), 7.0, 1e-9) << "the inner replay's end";
    EXPECT_EQ(player.log.back(), "Position 7");
    EXPECT_EQ(rig.g.coding.gReplaying, vc::kFalse);
}

TEST(InstantReplay, APauseFromThePlayersOwnBarEndsItWhereItIs) {
    ReplayRig rig;
    toNextRow(rig);
    SimulatedPlayer& player = rig.chosen();
    rig.at(1.0, [&] { player.pause(); }); // gReplaying left set
    vc::InstantReplay(rig.context());
    EXPECT_NEAR(player.position(), 3.0, 0.02);
    EXPECT_EQ(player.log.back(), "Pause");
    EXPECT_EQ(rig.g.coding.gReplaying, vc::kFalse);
}

TEST(InstantReplay, ThePlayerWindowClosedOrTheCodingWindowUnloadedEndsItUntouched) {
    for (const bool closePlayer : {true, false}) {
        ReplayRig rig;
        toNextRow(rig);
        SimulatedPlayer& player = rig.chosen();
        rig.at(1.0, [&] {
            if (closePlayer) {
                rig.players.closed[0] = true;
            } else {
                rig.dataFrm.markUnloaded();
            }
        });
        vc::InstantReplay(rig.context());
        EXPECT_EQ(player.log.back(), "Play") << "nothing after the start";
        EXPECT_EQ(rig.g.coding.gReplaying, vc::kFalse);
        EXPECT_LT(rig.scripted.clock.monotonic, 1.1);
    }
}

TEST(InstantReplay, APlayerThatNeverStartsEndsItAfterTheWaitLimit) {
    ReplayRig rig;
    toNextRow(rig);
    SimulatedPlayer& player = rig.chosen();
    player.startLatency = 100;
    vc::InstantReplay(rig.context());
    EXPECT_NEAR(rig.scripted.clock.monotonic, vc::kPlayerWaitLimit, 0.02);
    EXPECT_EQ(player.log.back(), "Pause");
    EXPECT_EQ(rig.g.coding.gReplaying, vc::kFalse);
}

TEST(InstantReplay, APassThatFindsNothingNewWaitsForEventsInsteadOfSpinning) {
    ReplayRig rig;
    toNextRow(rig);
    rig.chosen().startLatency = 0.5;
    vc::InstantReplay(rig.context());
    EXPECT_NEAR(rig.chosen().position(), 6.0, 1e-9);
    // While the player had not started, every pass but the first found the same position.
    EXPECT_GE(rig.scripted.dialogs.waits, 20);
}

TEST(InstantReplay, QuickKeysLeaveTheReplayRunning) {
    ReplayRig rig;
    toNextRow(rig);
    rig.at(1.0, [&] { rig.g.data.gData.at(3, 1) = textfile::Value::ofText("A"); });
    vc::InstantReplay(rig.context());
    EXPECT_NEAR(rig.chosen().position(), 6.0, 1e-9);
}

TEST(InstantReplay, ErrorsGoToTheCallerWithTheFlagLeftSet) {
    ReplayRig rig;
    rig.g.settings.gReplayMode = 1;
    rig.g.settings.gReplayInGroup = 1;
    rig.setRows({{"00:00:02.00"}, {"00:00:06.00"}, {"00:00:07.00"}});
    rig.grid.col = vc::kDataColumns; // gData column 51
    EXPECT_THROW(vc::InstantReplay(rig.context()), textfile::RunError);
    EXPECT_EQ(rig.g.coding.gReplaying, vc::kTrue);

    ReplayRig frames;
    frames.g.settings.PlayerSelection = 1;
    frames.g.settings.FrameDisplay = 3;
    frames.setRows({{"00:0x:02:00"}});
    try {
        vc::InstantReplay(frames.context());
        FAIL() << "an unreadable timecode must fail";
    } catch (const textfile::RunError& error) {
        EXPECT_EQ(error.number(), textfile::kTypeMismatch);
    }

    ReplayRig closed;
    closed.setRows({{"00:00:02.00"}});
    closed.players.closed[0] = true;
    EXPECT_THROW(vc::InstantReplay(closed.context()), textfile::RunError);
}

TEST(InstantReplay, CommandsFiveAndOneHundredEightRunItAndAnyCommandStopsIt) {
    for (const int command : {5, 108}) {
        ReplayRig rig;
        toNextRow(rig);
        rig.commands.ControlSub(command);
        EXPECT_NEAR(rig.chosen().position(), 6.0, 1e-9) << command;
        EXPECT_EQ(rig.g.coding.gReplaying, vc::kFalse);
    }
    ReplayRig rig; // the pause command in the middle: paused where it was, not moved to E
    toNextRow(rig);
    rig.at(1.0, [&] { rig.commands.ControlSub(101); });
    rig.commands.ControlSub(5);
    EXPECT_NEAR(rig.chosen().position(), 3.0, 0.02);
    EXPECT_EQ(rig.chosen().log.back(), "Pause");

    ReplayRig noVideo; // nothing without a video
    toNextRow(noVideo);
    noVideo.g.open.gVideoOpen = vc::kFalse;
    noVideo.commands.ControlSub(5);
    EXPECT_EQ(noVideo.chosen().log.size(), 1u);
    EXPECT_TRUE(noVideo.scripted.dialogs.boxes.empty());

    ReplayRig failing; // a replay's failure is the command's box
    failing.setRows({{"00:00:02.00"}});
    failing.g.settings.PlayerSelection = 1;
    failing.g.settings.FrameDisplay = 3;
    failing.setRows({{"00:0x:02:00"}});
    failing.commands.ControlSub(108);
    ASSERT_EQ(failing.scripted.dialogs.boxes.size(), 1u);
    EXPECT_EQ(failing.scripted.dialogs.boxes[0].text.rfind("Error in video control:", 0), 0u);
}

} // namespace
