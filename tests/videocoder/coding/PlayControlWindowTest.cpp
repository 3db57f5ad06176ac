// The file and DVD play-control windows, offscreen on the simulated player.
#include "videocoder/coding/windows/PlayControlWindow.h"
#include "PlayerRigs.h"
#include "textfile/RunError.h"
#include "videocoder/coding/windows/PlayerWindows.h"
#include "videocoder/core/FileDialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSlider>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using testsupport::SimulatedPlayer;

struct PlayControl : ::testing::Test {
    vctest::SimulatedPlayers rig;
    std::unique_ptr<vc::PlayerWindows> windows;

    void SetUp() override {
        windows = std::make_unique<vc::PlayerWindows>(rig.g, rig.scripted.platform, rig.factory());
    }
    vc::PlayControlWindow& openFile(const std::string& path = "/media/Kid One.avi") {
        rig.g.data.gVideoFileName = path;
        windows->open(vc::PlayerKind::FileWindow);
        return *windows->fileWindow();
    }
    vc::PlayControlWindow& openDvd() {
        windows->open(vc::PlayerKind::DvdWindow);
        return *windows->dvdWindow();
    }
    SimulatedPlayer& player() { return rig.last(); }
    const testsupport::ShownBox& lastBox() { return rig.scripted.dialogs.boxes.back(); }
};

TEST_F(PlayControl, FileWindowLoadsWithItsCaptionSizeAndSlider) {
    vc::PlayControlWindow& window = openFile();
    EXPECT_EQ(window.windowTitle(), "Media: Kid One.avi");
    EXPECT_EQ(player().log[0], "Close");
    EXPECT_EQ(player().log[1], "Open /media/Kid One.avi");
    EXPECT_EQ(rig.g.open.gVideoOpen, vc::kTrue);
    EXPECT_EQ(window.PosSlider->maximum(), 10000);
    EXPECT_EQ(window.PosSlider->pageStep(), 500);
    EXPECT_EQ(window.OpenMnu->text(), "Open...");
    // VidSize 1 is "100%" here, whatever the media window meant by it.
    EXPECT_TRUE(window.PercentMenu[1]->isChecked());
    EXPECT_EQ(player().sizeMode, platform::SizeMode::Normal);
    EXPECT_EQ(window.spdmenu.size(), 5u);
    EXPECT_EQ(window.btnPrev->toolTip(), "Previous Frame");
    EXPECT_TRUE(window.rstTimer1.isActive());
}

TEST_F(PlayControl, DvdWindowOpensTheDriveAndHasBackwardsButNoOpen) {
    rig.g.settings.DVDDrive = "/media/cdrom";
    rig.g.data.gVideoFileName = "kept.mpg";
    vc::PlayControlWindow& window = openDvd();
    EXPECT_EQ(window.windowTitle(), "Media: DVD");
    EXPECT_EQ(player().log[1], "OpenDvd /media/cdrom");
    EXPECT_EQ(rig.g.data.gVideoFileName, "kept.mpg");
    EXPECT_EQ(window.OpenMnu, nullptr);
    ASSERT_EQ(window.spdmenu.size(), 6u);
    EXPECT_EQ(window.spdmenu[5]->text(), "Backwards");
}

TEST_F(PlayControl, DvdLoadFailureIsSaidAndTheWindowUnloadsItself) {
    rig.configure = [](SimulatedPlayer& p) {
        p.unopenable.push_back("D:");
        p.openFailure = "No DVD found at D:";
    };
    vc::PlayControlWindow& window = openDvd();
    EXPECT_EQ(lastBox().text, "No DVD found at D:");
    EXPECT_EQ(lastBox().title, "Vintrosa");
    EXPECT_EQ(lastBox().buttons, platform::Buttons::OK);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.loaded());
    EXPECT_EQ(rig.g.open.gVideoOpen, vc::kFalse);
}

TEST_F(PlayControl, FileLoadFailureGoesToTheMenuItem) {
    rig.configure = [](SimulatedPlayer& p) { p.unopenable.push_back("/media/broken.avi"); };
    openFile("/media/broken.avi");
    EXPECT_EQ(lastBox().title, "VTRS Error");
    EXPECT_EQ(lastBox().text, "Error in video control:The media could not be opened");
    EXPECT_EQ(rig.g.open.gVideoOpen, vc::kFalse);
}

TEST_F(PlayControl, SpeedRefusalSaysSoAndGoesBackToNormal) {
    rig.configure = [](SimulatedPlayer& p) { p.refuseRates = true; };
    vc::PlayControlWindow& window = openFile();
    window.spdmenu_Click(0);
    EXPECT_EQ(lastBox().text, "Rate changes not supported with this file format");
    EXPECT_EQ(lastBox().title, "Sorry");
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(window.spdmenu[i]->isChecked(), i == 3) << i;
    }
}

TEST_F(PlayControl, SpeedItemsOnTheDvdPlayForwardsOrBackwards) {
    vc::PlayControlWindow& window = openDvd();
    window.spdmenu_Click(1);
    EXPECT_DOUBLE_EQ(player().rate(), 0.5);
    window.spdmenu_Click(5);
    EXPECT_TRUE(player().backwards);
    window.spdmenu_Click(3);
    EXPECT_FALSE(player().backwards);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(window.spdmenu[i]->isChecked(), i == 3) << i;
    }
}

TEST_F(PlayControl, BackwardsThatThePlayerRefusesStepsBackAFramePerTickToTheStart) {
    vc::PlayControlWindow& window = openDvd();
    player().refuseBackwards = true;
    const auto boxes = rig.scripted.dialogs.boxes.size();
    player().setFramePosition(3);
    window.btnPlay_Click();
    window.spdmenu_Click(5);
    EXPECT_EQ(rig.scripted.dialogs.boxes.size(), boxes) << "no refusal: it plays backwards by steps";
    EXPECT_TRUE(window.spdmenu[5]->isChecked());
    EXPECT_EQ(player().state(), platform::PlayerState::Paused);
    std::vector<int> frames;
    for (int tick = 0; tick < 5; ++tick) {
        window.rstTimer1_Timer();
        frames.push_back(player().framePosition());
    }
    EXPECT_EQ(frames, (std::vector<int>{2, 1, 0, 0, 0}));
    // Play, Pause or another speed ends the steps.
    player().setFramePosition(8);
    window.spdmenu_Click(5);
    window.rstTimer1_Timer();
    window.btnPause_Click();
    window.rstTimer1_Timer();
    EXPECT_EQ(player().framePosition(), 7);
    window.spdmenu_Click(5);
    window.btnPlay_Click();
    window.btnPause_Click();
    const int32_t playedTo = player().framePosition();
    window.rstTimer1_Timer();
    EXPECT_EQ(player().framePosition(), playedTo);
}

TEST_F(PlayControl, SizeItemsSetTheModeAndVidSize) {
    vc::PlayControlWindow& window = openFile();
    const std::pair<int, platform::SizeMode> cases[] = {{0, platform::SizeMode::HalfSize},
                                                        {2, platform::SizeMode::DoubleSize},
                                                        {3, platform::SizeMode::StretchToWindow},
                                                        {4, platform::SizeMode::FitToWindow}};
    for (const auto& [item, mode] : cases) {
        window.PercentMenu_Click(item);
        EXPECT_EQ(player().sizeMode, mode);
        EXPECT_EQ(rig.g.settings.VidSize, item);
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(window.PercentMenu[i]->isChecked(), i == item);
        }
    }
    window.PercentMenu_Click(5);
    EXPECT_TRUE(player().fullScreen);
    EXPECT_FALSE(window.PercentMenu[5]->isVisible());
}

TEST_F(PlayControl, NarrowWindowsSpringBackToTheMinimumWidth) {
    vc::PlayControlWindow& window = openFile();
    window.resize(200, 400);
    EXPECT_EQ(window.width(), 6525 / 15);
}

TEST_F(PlayControl, TheDisplayShowsTheFormOfFrameDisplayAndTheSlider) {
    vc::PlayControlWindow& window = openFile();
    rig.g.settings.FrameDisplay = 3;
    player().setFramePosition(150);
    window.rstTimer1_Timer();
    EXPECT_EQ(window.StatusPanel->text(), "00:00:05:00");
    EXPECT_EQ(window.PosSlider->value(), 5000);
    window.PosSlider->setValue(2500);
    window.PosSlider_Change();
    EXPECT_NEAR(player().position(), player().duration() / 4, 1e-9);
    rig.g.settings.FrameDisplay = 1;
    window.PosSlider_Change();
    EXPECT_EQ(window.StatusPanel->text(), "00:00:02.50");
}

TEST_F(PlayControl, MediaWithoutFramesFallsBackToSecondsOnceAtTheEvent) {
    rig.configure = [](SimulatedPlayer& p) { p.frameRate = 0; };
    rig.g.settings.FrameDisplay = 2;
    vc::PlayControlWindow& window = openFile(); // the load's own stop raises the first event
    player().raiseStateChanged();
    player().raiseStateChanged();
    ASSERT_EQ(rig.scripted.dialogs.boxes.size(), 1u);
    EXPECT_EQ(lastBox().text, "Frames are not working with this file format, reverting to seconds. ");
    EXPECT_EQ(lastBox().title, "Error");
    EXPECT_EQ(rig.g.settings.FrameDisplay, 0);
    EXPECT_EQ(rig.scripted.settings.values.at({"Vintrosa", "Video Settings", "FrameDisplay"}), "0");
    player().setPosition(3.5);
    window.rstTimer1_Timer();
    EXPECT_EQ(window.StatusPanel->text(), "3.50");
}

TEST_F(PlayControl, AStateChangeWhileTheMediaLoadsKeepsTheFrameForm) {
    rig.g.settings.FrameDisplay = 2;
    vc::PlayControlWindow& window = openFile();
    player().loading = true; // the real player's pause is set before its media is there
    player().raiseStateChanged();
    EXPECT_TRUE(rig.scripted.dialogs.boxes.empty()) << lastBox().text;
    EXPECT_EQ(rig.g.settings.FrameDisplay, 2);
    player().loading = false;
    player().setFramePosition(150);
    player().raiseStateChanged();
    EXPECT_EQ(window.StatusPanel->text(), "150");
    EXPECT_TRUE(rig.scripted.dialogs.boxes.empty());
}

TEST_F(PlayControl, ButtonsStepFramesAndStopAReplay) {
    vc::PlayControlWindow& window = openFile();
    player().setFramePosition(10);
    rig.g.coding.gReplaying = vc::kTrue;
    window.btnNext->click();
    EXPECT_EQ(player().framePosition(), 11);
    EXPECT_EQ(rig.g.coding.gReplaying, vc::kFalse);
    window.btnPrev->click();
    window.btnPrev->click();
    EXPECT_EQ(player().framePosition(), 9);
    window.btnEnd->click();
    EXPECT_DOUBLE_EQ(player().position(), player().duration());
    window.btnPlay->click();
    EXPECT_EQ(player().framePosition(), 0);
    EXPECT_EQ(player().state(), platform::PlayerState::Playing);
    window.btnPause->click();
    EXPECT_EQ(player().state(), platform::PlayerState::Paused);
    window.trkVolume->setValue(-1200);
    EXPECT_EQ(player().volume, -1200);
}

TEST_F(PlayControl, TheVolumeSliderKeepsItsWidthInTheNarrowestWindow) {
    vc::PlayControlWindow& window = openDvd();
    for (const int width : {vc::kPlayControlMinimumWidth, 1000}) {
        window.resize(width, 420);
        QCoreApplication::processEvents();
        const QRect volume(window.trkVolume->mapTo(&window, QPoint(0, 0)), window.trkVolume->size());
        EXPECT_GE(volume.width(), 100) << width;
        EXPECT_TRUE(window.rect().contains(volume)) << width;
        // Beside the buttons where they fit, on a row of its own below them where not.
        const int buttonsBottom = window.btnPlay->mapTo(&window, QPoint(0, window.btnPlay->height())).y();
        EXPECT_EQ(volume.top() >= buttonsBottom, width == vc::kPlayControlMinimumWidth) << width;
    }
}

TEST_F(PlayControl, TheDvdWindowComesUpWhollyOnTheScreen) {
    rig.g.settings.gVidLeft = 30 * 15;
    rig.g.settings.gVidTop = 5000 * 15; // stored on a taller screen, or placed low by the window manager
    vc::PlayControlWindow& window = openDvd();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(area.contains(window.geometry())) << "controls below the screen's edge";
    EXPECT_EQ(window.x(), 30);
}

TEST_F(PlayControl, CloseKeepsTheWindowAndUnloadStoresThePosition) {
    vc::PlayControlWindow& window = openFile();
    window.CloseMnu_Click();
    EXPECT_EQ(window.windowTitle(), "Media: ");
    EXPECT_EQ(rig.g.open.gVideoOpen, vc::kFalse);
    EXPECT_TRUE(window.isVisible());
    window.resize(500, 400);
    window.ExitMnu_Click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(rig.g.settings.gVidWidth, 500 * 15);
    EXPECT_EQ(windows->links().player(vc::PlayerKind::FileWindow), nullptr);
}

TEST_F(PlayControl, OpenInTheFileWindowStoresThePositionAndLoadsTheNewFile) {
    vc::PlayControlWindow& window = openFile();
    window.resize(520, 400);
    rig.scripted.dialogs.files.push_back("/media/two.mpg");
    window.OpenMnu_Click();
    EXPECT_EQ(rig.scripted.dialogs.openRequests.back().filter, vc::kMediaFilter);
    EXPECT_EQ(window.windowTitle(), "Media: two.mpg");
    EXPECT_EQ(rig.g.settings.gVidWidth, 520 * 15);
    rig.scripted.dialogs.files.push_back("  ");
    window.OpenMnu_Click();
    EXPECT_EQ(rig.g.data.gVideoFileName, "/media/two.mpg");
}

TEST_F(PlayControl, AFailedOpenLeavesNothingOfTheMediaBeforeAndAudioAloneSaysSo) {
    rig.configure = [](SimulatedPlayer& p) {
        p.unopenable.push_back("/media/broken.avi");
        p.capabilities = platform::kSeekForward | platform::kSeekBackward; // sound alone
    };
    vc::PlayControlWindow& window = openFile("/media/song.mp3");
    auto* note = window.findChild<QLabel*>("mediaNote");
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(window.windowTitle(), "Media: song.mp3");
    EXPECT_FALSE(note->isHidden());
    EXPECT_EQ(note->text(), "no video in this file");
    rig.scripted.dialogs.files.push_back("/media/broken.avi");
    EXPECT_THROW(window.OpenMnu_Click(), textfile::RunError); // the menu item reports it
    EXPECT_EQ(window.windowTitle(), "Media: ");
    EXPECT_EQ(note->text(), "The media could not be opened");
    EXPECT_EQ(rig.g.open.gVideoOpen, vc::kFalse);
}

TEST_F(PlayControl, OpeningTheOtherWindowClosesTheOneOpen) {
    vc::PlayControlWindow& dvd = openDvd();
    SimulatedPlayer& dvdPlayer = player();
    vc::PlayControlWindow& file = openFile();
    EXPECT_FALSE(dvd.loaded());
    EXPECT_FALSE(dvd.isVisible());
    EXPECT_EQ(dvdPlayer.opened, "");
    EXPECT_EQ(player().opened, "/media/Kid One.avi");
    EXPECT_EQ(rig.g.open.gVideoOpen, vc::kTrue);
    file.ExitMnu_Click();
    EXPECT_EQ(rig.g.open.gVideoOpen, vc::kFalse);
}

} // namespace
