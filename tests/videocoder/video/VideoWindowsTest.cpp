// The player windows on libmpv, drawing into OpenGL: run under a virtual X display.
// Every frame number a window reports is checked against the number burned into the
// picture it shows.
#include "platform/qt/MpvPlayer.h"
#include "support/BurnedFrameNumber.h"
#include "support/ScriptedPlatform.h"
#include "support/ShownFrame.h"
#include "support/TestMedia.h"
#include "videocoder/coding/windows/PlayControlWindow.h"
#include "videocoder/coding/windows/PlayerWindows.h"
#include "videocoder/coding/windows/VideoFrm3.h"

#include <QAction>
#include <QGuiApplication>
#include <QSlider>
#include <QThread>
#include <gtest/gtest.h>

namespace {

using testsupport::TestClip;

struct LibmpvWindows : ::testing::Test {
    testsupport::ScriptedPlatform scripted;
    vc::Globals g;
    std::vector<platform::qt::MpvPlayer*> made;
    std::unique_ptr<vc::PlayerWindows> windows;

    void SetUp() override {
        if (QGuiApplication::platformName() != "xcb") {
            GTEST_SKIP() << "drawing video needs a display: run under xvfb-run";
        }
        if (testsupport::generatedClip().empty()) {
            GTEST_SKIP() << "ffmpeg could not make the test clip";
        }
        // Waits yield to the real event loop; the scripted clock follows the time spent.
        scripted.dialogs.onYield = [this] {
            QCoreApplication::processEvents();
            QThread::msleep(2);
            scripted.clock.monotonic += 0.002;
        };
        windows = std::make_unique<vc::PlayerWindows>(g, scripted.platform, [this] {
            auto player =
                std::make_unique<platform::qt::MpvPlayer>(platform::qt::MpvPlayer::Options{true, false});
            made.push_back(player.get());
            return player;
        });
    }
    platform::qt::MpvPlayer& player() { return *made.back(); }
    std::optional<int> shown(const testsupport::VideoPlacement& placement) {
        return testsupport::shownFrame(player(), placement);
    }
};

const QSize kClipSize(TestClip::kWidth, TestClip::kHeight);

TEST_F(LibmpvWindows, MediaWindowShowsTheFrameItsPositionNames) {
    g.data.gVideoFileName = testsupport::generatedClip();
    windows->open(vc::PlayerKind::MediaWindow);
    vc::VideoFrm3& window = *windows->mediaWindow();
    ASSERT_EQ(g.open.gVideoOpen, vc::kTrue)
        << (scripted.dialogs.boxes.empty() ? "" : scripted.dialogs.boxes.back().text);
    EXPECT_EQ(window.windowTitle(), "Media: clip.mp4");
    const auto fitted = [](QSize surface) { return testsupport::fittedVideoRect(surface, kClipSize); };
    for (const char* answer : {"5.005", "00:00:01.00", "9.97"}) {
        scripted.dialogs.inputs.push_back(std::string(answer));
        window.gotoMnu_Click();
        const auto frame = shown(fitted);
        ASSERT_TRUE(frame) << answer;
        EXPECT_EQ(*frame, player().framePosition()) << answer;
    }
    window.close();
    EXPECT_EQ(g.open.gVideoOpen, vc::kFalse);
}

TEST_F(LibmpvWindows, FileWindowStepsFramesBothWaysAsShown) {
    g.settings.PlayerSelection = 1;
    g.settings.FrameDisplay = 2;
    g.data.gVideoFileName = testsupport::generatedClip();
    windows->open(vc::PlayerKind::FileWindow);
    vc::PlayControlWindow& window = *windows->fileWindow();
    ASSERT_EQ(g.open.gVideoOpen, vc::kTrue);
    const auto centred = [](QSize surface) { return testsupport::centredVideoRect(surface, kClipSize); };
    window.btnNext_Click();
    window.btnNext_Click();
    window.btnNext_Click();
    window.btnPrev_Click();
    auto frame = shown(centred);
    ASSERT_TRUE(frame);
    EXPECT_EQ(*frame, 2);
    EXPECT_EQ(player().framePosition(), 2);
    window.rstTimer1_Timer();
    window.PosSlider->setValue(5000);
    window.PosSlider_Change();
    frame = shown(centred);
    ASSERT_TRUE(frame);
    EXPECT_EQ(*frame, player().framePosition());
    window.btnEnd_Click();
    frame = shown(centred);
    ASSERT_TRUE(frame);
    EXPECT_EQ(*frame, TestClip::kFrames - 1);
    EXPECT_EQ(player().framePosition(), TestClip::kFrames - 1);
}

TEST_F(LibmpvWindows, DvdWindowOpensTheVideoTsFolderAndPlays) {
    const std::string dvd = testsupport::generatedDvd();
    if (dvd.empty()) {
        GTEST_SKIP() << "ffmpeg and dvdauthor could not make the DVD folder";
    }
    g.settings.DVDDrive = dvd;
    windows->open(vc::PlayerKind::DvdWindow);
    vc::PlayControlWindow& window = *windows->dvdWindow();
    ASSERT_EQ(g.open.gVideoOpen, vc::kTrue)
        << (scripted.dialogs.boxes.empty() ? "" : scripted.dialogs.boxes.back().text);
    EXPECT_EQ(window.windowTitle(), "Media: DVD");
    EXPECT_NEAR(player().duration(), 4.0, 0.5);
    window.btnPlay_Click();
    EXPECT_TRUE(testsupport::pumpUntil([&] { return player().position() > 0.5; }, 5));
    window.spdmenu_Click(5); // backwards: refused on a DVD
    EXPECT_EQ(scripted.dialogs.boxes.back().text, "Rate changes not supported with this file format");
    EXPECT_TRUE(window.spdmenu[3]->isChecked());
}

} // namespace
