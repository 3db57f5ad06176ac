// The media-player window, offscreen on the simulated player.
#include "PlayerRigs.h"
#include "support/ScratchFolder.h"
#include "videocoder/coding/windows/PlayerWindows.h"
#include "videocoder/coding/windows/VideoFrm3.h"

#include <QAction>
#include <QLabel>
#include <gtest/gtest.h>

#include <fstream>

namespace {

using platform::Icon;

struct MediaWindow : ::testing::Test {
    vctest::SimulatedPlayers rig;
    testsupport::ScratchFolder folder;
    std::string clip = folder.file("Clip.mp4");
    std::unique_ptr<vc::PlayerWindows> windows;

    void SetUp() override {
        std::ofstream(clip) << "not really a video";
        windows = std::make_unique<vc::PlayerWindows>(rig.g, rig.scripted.platform, rig.factory());
    }
    vc::VideoFrm3& open(const std::string& path) {
        rig.g.data.gVideoFileName = path;
        windows->open(vc::PlayerKind::MediaWindow);
        return *windows->mediaWindow();
    }
    testsupport::SimulatedPlayer& player() { return rig.last(); }
    const testsupport::ShownBox& lastBox() { return rig.scripted.dialogs.boxes.back(); }
};

TEST_F(MediaWindow, LoadsTheFileAndOpensPausedAtTheStart) {
    rig.configure = [](testsupport::SimulatedPlayer& p) { p.startLatency = 0.2; };
    vc::VideoFrm3& window = open(clip);
    EXPECT_EQ(window.windowTitle(), "Media: Clip.mp4");
    EXPECT_EQ(player().log, (std::vector<std::string>{"Close", "Open " + clip, "Stop", "Size 0", "Play",
                                                      "Pause", "Capabilities"}));
    EXPECT_EQ(player().state(), platform::PlayerState::Paused);
    EXPECT_GE(rig.scripted.dialogs.yields, 20); // waited for the player to start
    EXPECT_EQ(rig.g.open.gVideoOpen, vc::kTrue);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.Timer1.isActive());
    EXPECT_TRUE(window.SizeMnu->isChecked()); // VidSize 1
    ASSERT_TRUE(window.speedMnu[3]->isChecked());
}

TEST_F(MediaWindow, AMissingFileShowsAnEmptyNameAndTheLoadFailureIsReported) {
    const std::string missing = folder.file("gone.mpg");
    rig.configure = [&](testsupport::SimulatedPlayer& p) { p.unopenable.push_back(missing); };
    vc::VideoFrm3& window = open(missing);
    EXPECT_EQ(window.windowTitle(), "Media: ");
    EXPECT_EQ(rig.g.open.gVideoOpen, vc::kFalse);
    EXPECT_EQ(lastBox().title, "VTRS Error");
    EXPECT_EQ(lastBox().text, "Error in video control:The media could not be opened");
}

TEST_F(MediaWindow, APlayerThatNeverStartsEndsTheLoadAfterThreeSeconds) {
    rig.configure = [](testsupport::SimulatedPlayer& p) { p.startLatency = 1000; };
    open(clip);
    EXPECT_NEAR(rig.scripted.clock.monotonic, 3.0, 0.02);
    EXPECT_EQ(rig.g.open.gVideoOpen, vc::kFalse);
    EXPECT_EQ(lastBox().text, "Error in video control:The media did not start playing");
    EXPECT_EQ(player().log.back(), "Pause");
}

TEST_F(MediaWindow, FitToWindowFollowsVidSizeAndIsStored) {
    for (double size : {0.0, 2.0, 3.0, 4.0, 5.0}) {
        vctest::SimulatedPlayers other;
        other.g.settings.VidSize = size;
        vc::PlayerWindows fresh(other.g, other.scripted.platform, other.factory());
        other.g.data.gVideoFileName = clip;
        fresh.open(vc::PlayerKind::MediaWindow);
        EXPECT_FALSE(fresh.mediaWindow()->SizeMnu->isChecked()) << size;
        EXPECT_EQ(other.last().sizeMode, platform::SizeMode::Normal) << size;
    }
    vc::VideoFrm3& window = open(clip);
    window.SizeMnu_Click();
    EXPECT_FALSE(window.SizeMnu->isChecked());
    EXPECT_EQ(rig.g.settings.VidSize, 0);
    EXPECT_EQ(player().sizeMode, platform::SizeMode::Normal);
    EXPECT_EQ(rig.scripted.settings.values.at({"Vintrosa", "Video Settings", "VidSize"}), "0");
}

TEST_F(MediaWindow, SpeedItemsCheckOneAndSetTheRate) {
    vc::VideoFrm3& window = open(clip);
    window.speedMnu_Click(5);
    EXPECT_DOUBLE_EQ(player().rate(), 3.0);
    window.speedMnu_Click(3);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(window.speedMnu[i]->isChecked(), i == 3) << i;
    }
    EXPECT_DOUBLE_EQ(player().rate(), 1.0);
    window.speedMnu_Click(0);
    EXPECT_DOUBLE_EQ(player().rate(), 0.33);
}

TEST_F(MediaWindow, GoToTimeTakesClockTextOrSecondsAndPlaysAndPausesWhatever) {
    vc::VideoFrm3& window = open(clip);
    player().mediaDuration = 200;
    const std::pair<std::optional<std::string>, double> cases[] = {
        {"00:01:30.00", 90}, {"12.5", 12.5}, {"", 12.5}, {std::nullopt, 12.5}, {"soon", 12.5}};
    for (const auto& [answer, seconds] : cases) {
        rig.scripted.dialogs.inputs.push_back(answer);
        window.gotoMnu_Click();
        EXPECT_EQ(lastBox().text, "Time to Find...");
        EXPECT_EQ(lastBox().title, "Go To Time...");
        EXPECT_DOUBLE_EQ(player().position(), seconds) << answer.value_or("(cancelled)");
        EXPECT_EQ(player().log.back(), "Pause");
    }
}

TEST_F(MediaWindow, StatusClockShowsThePositionAndMirrorsMute) {
    vc::VideoFrm3& window = open(clip);
    player().setPosition(125.5);
    player().mediaDuration = 200;
    player().setPosition(125.5);
    window.MuteMnu_Click();
    EXPECT_TRUE(player().muted());
    player().setMuted(false);
    window.Timer1_Timer();
    EXPECT_EQ(window.Sb1Panel->text(), "00:02:05.50");
    EXPECT_FALSE(window.MuteMnu->isChecked());
}

TEST_F(MediaWindow, CloseKeepsTheWindowWithoutMedia) {
    vc::VideoFrm3& window = open(clip);
    window.CloseMnu_Click();
    EXPECT_EQ(window.windowTitle(), "Media Window");
    EXPECT_EQ(rig.g.open.gVideoOpen, vc::kFalse);
    EXPECT_EQ(rig.g.data.gVideoFileName, "");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(player().log.back(), "Close");
}

TEST_F(MediaWindow, UnloadStoresThePositionInTwipsUnlessMaximised) {
    vc::VideoFrm3& window = open(clip);
    window.move(40, 60);
    window.resize(400, 300);
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(rig.g.open.gVideoOpen, vc::kFalse);
    EXPECT_EQ(rig.g.data.gVideoFileName, "");
    EXPECT_EQ(rig.g.settings.gVidWidth, 400 * 15);
    EXPECT_EQ(rig.g.settings.gVidHeight, 300 * 15);
    EXPECT_EQ(rig.scripted.settings.values.at({"Vintrosa", "Window Positions", "gVidWidth"}), "6000");
    EXPECT_EQ(windows->links().player(vc::PlayerKind::MediaWindow), nullptr);

    rig.scripted.settings.values.clear();
    rig.g.settings.gVidWidth = 0;
    open(clip);
    window.showMaximized();
    window.close();
    EXPECT_EQ(rig.g.settings.gVidWidth, 0);
    EXPECT_TRUE(rig.scripted.settings.values.empty());
}

TEST_F(MediaWindow, AStoredPositionPlacesTheWindow) {
    rig.g.settings.gVidWidth = 500 * 15;
    rig.g.settings.gVidHeight = 350 * 15;
    vc::VideoFrm3& window = open(clip);
    EXPECT_EQ(window.width(), 500);
    EXPECT_EQ(window.height(), 350);
}

} // namespace
