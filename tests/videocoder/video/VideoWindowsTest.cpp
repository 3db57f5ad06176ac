// The player windows on libmpv, drawing into OpenGL: run under a virtual X display.
// Every frame number a window reports is checked against the number burned into the
// picture it shows.
#include "support/ShownFrame.h"
#include "support/TestMedia.h"
#include "support/players/PlayerWindowRig.h"
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
    window.spdmenu_Click(5); // backwards: refused on a DVD
    EXPECT_EQ(rig->scripted().dialogs.boxes.back().text, "Rate changes not supported with this file format");
    EXPECT_TRUE(window.spdmenu[3]->isChecked());
}

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
