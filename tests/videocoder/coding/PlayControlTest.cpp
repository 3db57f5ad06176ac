// The play-control buttons, the time display and the Go To Time answer, on the simulated player.
#include "videocoder/coding/PlayControl.h"
#include "PlayerRigs.h"
#include "videocoder/coding/MediaWindowItems.h"

#include <gtest/gtest.h>

namespace {

using testsupport::SimulatedPlayer;
using vc::Transport;

struct ButtonCase {
    const char* name;
    int capabilities;
    double from;
    void (Transport::*button)();
    double expectedPosition;
    const char* box; // "" none
};

class TransportButtons : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(TransportButtons, FollowTheCapabilitiesAndStopAReplay) {
    const ButtonCase& c = GetParam();
    vctest::SimulatedPlayers rig;
    SimulatedPlayer player(rig.scripted.clock);
    player.capabilities = c.capabilities;
    player.openFile("clip.mp4");
    player.setPosition(c.from);
    rig.g.open.gVideoOpen = vc::kTrue;
    rig.g.coding.gReplaying = vc::kTrue;
    Transport transport{player, rig.g, rig.scripted.dialogs};
    (transport.*c.button)();
    EXPECT_NEAR(player.position(), c.expectedPosition, 1e-9);
    EXPECT_EQ(rig.g.coding.gReplaying, vc::kFalse);
    if (*c.box) {
        ASSERT_EQ(rig.scripted.dialogs.boxes.size(), 1u);
        EXPECT_EQ(rig.scripted.dialogs.boxes[0].text, c.box);
        EXPECT_EQ(rig.scripted.dialogs.boxes[0].title, "Sorry");
        EXPECT_EQ(rig.scripted.dialogs.boxes[0].icon, platform::Icon::Information);
    } else {
        EXPECT_TRUE(rig.scripted.dialogs.boxes.empty());
    }
}

const double kFrame = 1001 / 30000.0;
const double kEnd = 300 * kFrame;

INSTANTIATE_TEST_SUITE_P(
    Cases, TransportButtons,
    ::testing::Values(
        ButtonCase{"NextFrameSteps", 15, 100 * kFrame, &Transport::btnNext_Click, 101 * kFrame, ""},
        ButtonCase{"NextAtTheEndDoesNothing", 15, kEnd, &Transport::btnNext_Click, kEnd, ""},
        ButtonCase{"NextWithSeekOnlyMovesATenth", 1, 2.0, &Transport::btnNext_Click, 2.1, ""},
        ButtonCase{"NextWithoutForwardSeeking", 2, 2.0, &Transport::btnNext_Click, 2.0,
                   "Forward seeking not supported with this media type"},
        ButtonCase{"PreviousFrameSteps", 15, 100 * kFrame, &Transport::btnPrev_Click, 99 * kFrame, ""},
        ButtonCase{"PreviousAtZeroDoesNothing", 15, 0, &Transport::btnPrev_Click, 0, ""},
        ButtonCase{"PreviousWithSeekOnlyGoesATenthBack", 2, 2.0, &Transport::btnPrev_Click, 1.9, ""},
        ButtonCase{"PreviousBelowATenthStopsAtZero", 2, 0.05, &Transport::btnPrev_Click, 0, ""},
        ButtonCase{"PreviousWithForwardSeekingOnly", 1, 2.0, &Transport::btnPrev_Click, 2.0,
                   "Backward seeking not supported with this media type"},
        ButtonCase{"SeekStart", 2, 4.0, &Transport::btnStart_Click, 0, ""},
        ButtonCase{"SeekStartWithoutBackwardSeeking", 5, 4.0, &Transport::btnStart_Click, 4.0,
                   "Backward seeking not supported with this media type"},
        ButtonCase{"SeekEnd", 4, 4.0, &Transport::btnEnd_Click, kEnd, ""},
        ButtonCase{"SeekEndWithoutForwardSeeking", 10, 4.0, &Transport::btnEnd_Click, 4.0,
                   "Forward seeking not supported with this media type"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TransportButtons, RefusalsShowWithNoMediaOpenAndNothingMovesThen) {
    vctest::SimulatedPlayers rig;
    SimulatedPlayer player(rig.scripted.clock);
    player.capabilities = 0;
    player.openFile("clip.mp4");
    player.setPosition(1.0);
    Transport transport{player, rig.g, rig.scripted.dialogs};
    transport.btnNext_Click();
    EXPECT_EQ(rig.scripted.dialogs.boxes.size(), 1u);
    player.capabilities = 15;
    transport.btnNext_Click();
    transport.btnEnd_Click();
    EXPECT_DOUBLE_EQ(player.position(), 1.0); // gVideoOpen is false
}

TEST(TransportButtons, SeekStartDoesNothingWithoutMediaOrAtZero) {
    vctest::SimulatedPlayers rig;
    SimulatedPlayer player(rig.scripted.clock);
    player.capabilities = 0;
    rig.g.open.gVideoOpen = vc::kTrue;
    Transport transport{player, rig.g, rig.scripted.dialogs};
    transport.btnStart_Click(); // state 0
    player.openFile("clip.mp4");
    transport.btnStart_Click(); // position 0
    EXPECT_TRUE(rig.scripted.dialogs.boxes.empty());
}

TEST(TransportButtons, PlayAtTheEndStartsOverAndClearsTheReplayAfterwards) {
    vctest::SimulatedPlayers rig;
    SimulatedPlayer player(rig.scripted.clock);
    player.openFile("clip.mp4");
    player.seekEnd();
    rig.g.open.gVideoOpen = vc::kTrue;
    rig.g.coding.gReplaying = vc::kTrue;
    Transport{player, rig.g, rig.scripted.dialogs}.btnPlay_Click();
    EXPECT_EQ(player.log.back(), "Play");
    EXPECT_EQ(player.log[player.log.size() - 2], "SeekStart");
    EXPECT_EQ(rig.g.coding.gReplaying, vc::kFalse);
}

TEST(PositionPanel, ShowsTheFormOfFrameDisplay) {
    vctest::SimulatedPlayers rig;
    SimulatedPlayer player(rig.scripted.clock);
    player.openFile("clip.mp4");
    player.setFramePosition(95); // 3.1697 s
    const std::pair<double, const char*> cases[] = {
        {0, "3.17"}, {1, "00:00:03.17"}, {2, "95"}, {3, "00:00:03:05"}};
    for (const auto& [form, text] : cases) {
        rig.g.settings.FrameDisplay = form;
        EXPECT_EQ(vc::positionPanelText(player, rig.g.settings), text) << form;
    }
    rig.g.settings.FrameDisplay = 4;
    EXPECT_EQ(vc::positionPanelText(player, rig.g.settings), std::nullopt);
    rig.g.settings.FrameDisplay = 3;
    EXPECT_EQ(vc::sliderPanelText(player, rig.g.settings), "00:00:03:05");
}

TEST(PositionPanel, FrameFormsFallBackToTheirSecondsForms) {
    vc::VideoSettings s;
    const std::pair<double, double> cases[] = {{2, 0}, {3, 1}};
    for (const auto& [from, to] : cases) {
        s.FrameDisplay = from;
        EXPECT_TRUE(vc::fallBackToSeconds(s));
        EXPECT_EQ(s.FrameDisplay, to);
    }
    s.FrameDisplay = 1;
    EXPECT_FALSE(vc::fallBackToSeconds(s));
    EXPECT_EQ(s.FrameDisplay, 1);
}

TEST(GoToTime, ClockTextsAndPlainSecondsAreTakenOthersLeaveThePosition) {
    vc::VideoSettings s;
    const std::pair<std::optional<std::string>, std::optional<double>> cases[] = {
        {"00:01:30.00", 90.0},       {"12.5", 12.5},        {" 7 ", 7.0},
        {"", std::nullopt},          {"abc", std::nullopt}, {"12x", std::nullopt},
        {std::nullopt, std::nullopt}};
    for (const auto& [answer, seconds] : cases) {
        EXPECT_EQ(vc::goToTimeSeconds(answer, s), seconds) << answer.value_or("(cancelled)");
    }
}

} // namespace
