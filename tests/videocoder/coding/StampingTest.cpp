// Stamping: a mark taken anywhere in a clip, read back by the seek command, shows the same
// frame, in every player and time form, at the default rate and a whole one.
#include "CommandRig.h"
#include "platform/FrameNumbers.h"
#include "videocoder/coding/StampTexts.h"
#include "videocoder/core/TimeConversion.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using testsupport::SimulatedPlayer;
using vc::PlayerKind;

struct Rate {
    const char* name;
    double setting; // FrameRate
    double media;   // the clip's own rate
};

const Rate kRates[] = {{"NTSC", 29.97, 30000 / 1001.0}, {"PAL", 25, 25}};
// Where the mark is taken, in the clip's frames: the first frames, between two frames, late
// in a minute (where seconds at the exact rate and at the whole rate part), past an hour,
// and frames that start on a half hundredth at 29.97 (5.005 s, 55.055 s), where the
// hundredth above reads as the next frame.
const double kFrames[] = {0, 1, 2.4, 100.5, 150, 1650, 1795, 1799, 1799.7, 3597, 107890.3, 111000.6};

class Stamping : public ::testing::TestWithParam<std::tuple<PlayerKind, int, Rate>> {};

TEST_P(Stamping, TheSeekGoesBackToTheFrameStamped) {
    const auto [kind, form, rate] = GetParam();
    for (const double at : kFrames) {
        for (const int code : {10, 105}) {
            vctest::CommandRig rig;
            rig.g.settings.PlayerSelection = static_cast<double>(kind);
            rig.g.settings.FrameDisplay = form;
            rig.g.settings.FrameRate = rate.setting;
            rig.rows({"", ""});
            rig.sim.configure = nullptr;
            SimulatedPlayer& player = rig.open(kind);
            player.frameRate = rate.media;
            player.mediaDuration = 5000;
            player.setPosition(at / rate.media);
            const int32_t shown = player.framePosition();

            rig.commands.ControlSub(code);
            const int row = code == 105 ? 3 : 1;
            const std::string text = rig.time(row);
            if (code == 105) {
                EXPECT_EQ(player.framePosition(), shown) << "105 ends on the frame it stamped";
                EXPECT_NE(player.state(), platform::PlayerState::Playing);
            }
            player.setPosition(1.0);
            rig.grid.row = row;
            rig.commands.ControlSub(6);
            EXPECT_EQ(player.framePosition(), shown)
                << "frame " << at << " code " << code << " text " << text;
            EXPECT_TRUE(rig.dialogs.boxes.empty());
        }
    }
}

TEST_P(Stamping, AMarkWhilePlayingReadsThePositionOnce) {
    const auto [kind, form, rate] = GetParam();
    vctest::CommandRig rig;
    rig.g.settings.PlayerSelection = static_cast<double>(kind);
    rig.g.settings.FrameDisplay = form;
    rig.g.settings.FrameRate = rate.setting;
    rig.rows({""});
    SimulatedPlayer& player = rig.open(kind);
    player.frameRate = rate.media;
    player.mediaDuration = 5000;
    player.setPosition(61.0);
    player.play();
    rig.commands.ControlSub(105);
    const int32_t stopped = player.framePosition();
    player.setPosition(1.0);
    rig.grid.row = 2;
    rig.commands.ControlSub(6);
    EXPECT_EQ(player.framePosition(), stopped) << rig.time(2);
}

std::string caseName(const ::testing::TestParamInfo<std::tuple<PlayerKind, int, Rate>>& info) {
    static const char* const kinds[] = {"Media", "File", "Dvd"};
    return std::string(kinds[static_cast<int>(std::get<0>(info.param))]) + "Form" +
           std::to_string(std::get<1>(info.param)) + std::get<2>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(Players, Stamping,
                         ::testing::Combine(::testing::Values(PlayerKind::MediaWindow, PlayerKind::FileWindow,
                                                              PlayerKind::DvdWindow),
                                            ::testing::Values(0, 1, 2, 3), ::testing::ValuesIn(kRates)),
                         caseName);

// The file window's timecode counts frames at the whole-number rate both ways.
TEST(FrameTimecode, IsTheInverseOfTimecodeToFrames) {
    vc::VideoSettings s;
    s.FrameDisplay = 3;
    for (const double rate : {29.97, 25.0, 23.976, 59.94}) {
        s.FrameRate = rate;
        for (int32_t frame = 0; frame < 40000; frame += 7) {
            ASSERT_EQ(vc::TimecodeToFrames(vc::FramesToFrameTimecode(frame, s), s), frame) << rate;
        }
    }
    s.FrameRate = 29.97;
    EXPECT_EQ(vc::FramesToFrameTimecode(1799, s), "00:00:59:29"); // FramesToTimecode gives 00:00:60:01
    s.FrameRate = 25;
    EXPECT_EQ(vc::FramesToFrameTimecode(1799, s), vc::FramesToTimecode(1799, s));
    s.FrameDisplay = 2;
    EXPECT_EQ(vc::FramesToFrameTimecode(1799, s), "1799");
}

} // namespace
