// The player windows on libmpv, drawing into OpenGL: run under a virtual X display.
// Every frame number a window reports is checked against the number burned into the
// picture it shows.
#include "support/ShownFrame.h"
#include "support/TestMedia.h"
#include "support/players/PlayerWindowRig.h"
#include "videocoder/coding/windows/Backplay.h"
#include "videocoder/coding/windows/PlayControlWindow.h"
#include "videocoder/coding/windows/PlayerWindows.h"
#include "videocoder/coding/windows/VideoFrm3.h"

#include <QAction>
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

using testsupport::PlayerWindowRig;

// The rig for a generated clip; nullptr (the test skipped) without a display or the clip.
std::unique_ptr<PlayerWindowRig> openIn(std::size_t clip, vc::PlayerKind window) {
    if (QGuiApplication::platformName() != "xcb") {
        return nullptr;
    }
    const auto media = testsupport::generatedMedium(clip);
    if (!media || media->dvd != (window == vc::PlayerKind::DvdWindow)) {
        return nullptr;
    }
    return std::make_unique<PlayerWindowRig>(*media, window);
}

constexpr std::size_t kH264 = 0;
constexpr std::size_t kDvd = 4;

TEST(LibmpvWindows, MediaWindowShowsTheFrameItsPositionNames) {
    const auto rig = openIn(kH264, vc::PlayerKind::MediaWindow);
    if (!rig) {
        GTEST_SKIP() << "needs a display (xvfb-run) and ffmpeg";
    }
    ASSERT_EQ(rig->failure(), "");
    vc::VideoFrm3& window = *rig->windows().mediaWindow();
    EXPECT_EQ(window.windowTitle(), "Media: clip.mp4");
    for (const char* answer : {"5.005", "00:00:01.00", "9.97"}) {
        rig->scripted().dialogs.inputs.push_back(std::string(answer));
        window.gotoMnu_Click();
        const auto frame = rig->shown();
        ASSERT_TRUE(frame) << answer;
        EXPECT_EQ(*frame, rig->reported()) << answer;
    }
    window.close();
    EXPECT_EQ(rig->globals().open.gVideoOpen, vc::kFalse);
}

TEST(LibmpvWindows, DvdWindowOpensTheVideoTsFolderAndPlays) {
    const auto rig = openIn(kDvd, vc::PlayerKind::DvdWindow);
    if (!rig) {
        GTEST_SKIP() << "needs a display (xvfb-run), ffmpeg and dvdauthor";
    }
    ASSERT_EQ(rig->failure(), "");
    vc::PlayControlWindow& window = *rig->windows().dvdWindow();
    EXPECT_EQ(window.windowTitle(), "Media: DVD");
    EXPECT_NEAR(rig->duration(), 4.0, 0.5);
    window.btnPlay_Click();
    EXPECT_TRUE(testsupport::pumpUntil([&] { return rig->position() > 0.5; }, 5));
    // Backwards, which libmpv refuses on a DVD, steps back a frame per tick of the window's timer.
    window.btnPause_Click();
    rig->seek(2.0);
    const auto from = rig->shown();
    ASSERT_TRUE(from);
    window.spdmenu_Click(5);
    EXPECT_TRUE(rig->scripted().dialogs.boxes.empty());
    EXPECT_TRUE(testsupport::pumpUntil([&] { return rig->reported() <= *from - 10; }, 5));
    window.btnPause_Click(); // ends the steps
    const int stoppedAt = rig->reported();
    const auto back = rig->shown();
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, stoppedAt);
    EXPECT_LE(*back, *from - 10);
    testsupport::pumpUntil([] { return false; }, 0.3);
    EXPECT_EQ(rig->reported(), stoppedAt) << "Pause ends the backwards steps";
    window.spdmenu_Click(3);
}

// "Jump Backwards" steps the chosen player's window 0.1 s back a tick, whichever it is.
class BackplayInEveryWindow : public ::testing::TestWithParam<std::pair<std::size_t, vc::PlayerKind>> {};

TEST_P(BackplayInEveryWindow, EachTickShowsThePictureATenthEarlier) {
    const auto [clip, kind] = GetParam();
    const auto rig = openIn(clip, kind);
    if (!rig) {
        GTEST_SKIP() << "needs a display (xvfb-run), ffmpeg and dvdauthor";
    }
    ASSERT_EQ(rig->failure(), "");
    rig->globals().settings.PlayerSelection = static_cast<std::int16_t>(kind);
    rig->seek(2.0);
    const double from = rig->position();
    rig->scripted().dialogs.modalHandlers.push_back([](QDialog& dialog) {
        auto& window = static_cast<vc::Backplay&>(dialog);
        for (int tick = 0; tick < 3; ++tick) {
            window.Timer1_Timer();
        }
        window.Command1_Click();
    });
    rig->windows().showBackplay();
    const auto shown = rig->shown();
    ASSERT_TRUE(shown);
    EXPECT_EQ(*shown, rig->reported());
    // Three steps of 0.1 s, less what each short play moved on before its pause.
    EXPECT_LT(rig->position(), from - 0.15);
    EXPECT_GT(rig->position(), from - 0.35);
    EXPECT_EQ(rig->player().state(), platform::PlayerState::Paused);
}

INSTANTIATE_TEST_SUITE_P(Windows, BackplayInEveryWindow,
                         ::testing::Values(std::make_pair(kH264, vc::PlayerKind::MediaWindow),
                                           std::make_pair(std::size_t{1}, vc::PlayerKind::FileWindow),
                                           std::make_pair(kDvd, vc::PlayerKind::DvdWindow)));

// Per clip and window, read from the picture: a seek, a step each way, the last frame and
// the first; the frame the player reports is the one shown every time.
struct ClipInWindow {
    std::size_t clip;
    vc::PlayerKind window;
};

std::string clipInWindowName(const ::testing::TestParamInfo<ClipInWindow>& info) {
    static const char* const clips[] = {"H264", "Webm", "VariableRate", "Mpeg2", "Dvd"};
    static const char* const windows[] = {"InMediaWindow", "InFileWindow", "InDvdWindow"};
    return std::string(clips[info.param.clip]) + windows[static_cast<int>(info.param.window)];
}

class EveryClipInEveryWindow : public ::testing::TestWithParam<ClipInWindow> {};

TEST_P(EveryClipInEveryWindow, SeeksStepsAndEndsLandOnTheFrameShown) {
    const auto opened = openIn(GetParam().clip, GetParam().window);
    if (!opened) {
        GTEST_SKIP() << "needs a display (xvfb-run), ffmpeg and dvdauthor";
    }
    PlayerWindowRig& rig = *opened;
    ASSERT_EQ(rig.failure(), "");
    const int frames = testsupport::generatedMedium(GetParam().clip)->frames;
    const auto expectShown = [&rig](int frame, const char* action) {
        const auto shown = rig.shown();
        ASSERT_TRUE(shown) << action;
        EXPECT_EQ(*shown, frame) << action;
        EXPECT_EQ(rig.reported(), frame) << action;
    };
    rig.seek(rig.duration() * 0.6);
    const auto middle = rig.shown();
    ASSERT_TRUE(middle);
    EXPECT_EQ(rig.reported(), *middle);
    rig.step(true);
    expectShown(*middle + 1, "a step forward");
    rig.step(false);
    rig.step(false);
    expectShown(*middle - 1, "two steps back");
    rig.seekEnd();
    expectShown(frames - 1, "the end");
    EXPECT_DOUBLE_EQ(rig.position(), rig.duration());
    rig.step(true);
    expectShown(frames - 1, "a step past the end");
    rig.seekStart();
    expectShown(0, "the start");
}

INSTANTIATE_TEST_SUITE_P(Clips, EveryClipInEveryWindow,
                         ::testing::Values(ClipInWindow{0, vc::PlayerKind::MediaWindow},
                                           ClipInWindow{0, vc::PlayerKind::FileWindow},
                                           ClipInWindow{1, vc::PlayerKind::MediaWindow},
                                           ClipInWindow{1, vc::PlayerKind::FileWindow},
                                           ClipInWindow{2, vc::PlayerKind::MediaWindow},
                                           ClipInWindow{2, vc::PlayerKind::FileWindow},
                                           ClipInWindow{3, vc::PlayerKind::MediaWindow},
                                           ClipInWindow{3, vc::PlayerKind::FileWindow},
                                           ClipInWindow{4, vc::PlayerKind::DvdWindow}),
                         clipInWindowName);

} // namespace
