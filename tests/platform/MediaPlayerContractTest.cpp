// One table of what the windows rely on from a media player, run on the simulated player
// and on libmpv (no picture, no sound) with the generated clip.
#include "platform/FrameNumbers.h"
#include "platform/qt/MpvPlayer.h"
#include "support/ScriptedPlatform.h"
#include "support/ShownFrame.h"
#include "support/SimulatedPlayer.h"
#include "support/TestMedia.h"
#include "textfile/RunError.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using platform::PlayerState;
using testsupport::TestClip;

class PlayerRig {
public:
    virtual ~PlayerRig() = default;
    virtual platform::MediaPlayer& player() = 0;
    // Lets time pass until ready() holds or the limit (seconds) is over.
    virtual bool waitUntil(const std::function<bool()>& ready, double limit) = 0;
    // Until the last seek has shown its frame.
    virtual void settle() = 0;
    virtual void makeUnopenable(const std::string& path) = 0;
    virtual std::string clip() = 0;
};

class SimulatedRig : public PlayerRig {
public:
    SimulatedRig() {
        simulated.mediaDuration = TestClip::kFrames / TestClip::kFrameRate;
        simulated.frameRate = TestClip::kFrameRate;
    }
    platform::MediaPlayer& player() override { return simulated; }
    bool waitUntil(const std::function<bool()>& ready, double limit) override {
        for (double waited = 0; waited <= limit; waited += 0.01) {
            if (ready()) {
                return true;
            }
            clock.monotonic += 0.01;
        }
        return false;
    }
    void settle() override {}
    void makeUnopenable(const std::string& path) override { simulated.unopenable.push_back(path); }
    std::string clip() override { return "clip.mp4"; }

    testsupport::ManualClock clock;
    testsupport::SimulatedPlayer simulated{clock};
};

class MpvRig : public PlayerRig {
public:
    platform::MediaPlayer& player() override { return mpv; }
    bool waitUntil(const std::function<bool()>& ready, double limit) override {
        return testsupport::pumpUntil(ready, limit);
    }
    void settle() override {
        ASSERT_TRUE(waitUntil([this] { return mpv.seekLanded(); }, 3));
    }
    void makeUnopenable(const std::string&) override {}
    std::string clip() override { return testsupport::generatedClip(); }

    platform::qt::MpvPlayer mpv{platform::qt::MpvPlayer::Options{false, false}};
};

using RigMaker = std::function<std::unique_ptr<PlayerRig>()>;

class MediaPlayerContract : public ::testing::TestWithParam<RigMaker> {
protected:
    void SetUp() override {
        rig = GetParam()();
        if (rig->clip().empty()) {
            GTEST_SKIP() << "ffmpeg could not make the test clip";
        }
        player().openFile(rig->clip());
        ASSERT_TRUE(rig->waitUntil([this] { return player().state() != PlayerState::NotReady; }, 5));
    }
    platform::MediaPlayer& player() { return rig->player(); }
    double frameTime() const { return 1 / TestClip::kFrameRate; }

    std::unique_ptr<PlayerRig> rig;
};

TEST_P(MediaPlayerContract, OpensPausedAtTheStartWithTheClipsLengthFramesAndCapabilities) {
    EXPECT_EQ(player().state(), PlayerState::Paused);
    EXPECT_DOUBLE_EQ(player().position(), 0);
    // The length is where the clock stands at the end: libmpv's is the last frame's time.
    EXPECT_NEAR(player().duration(), TestClip::kFrames / TestClip::kFrameRate, frameTime() + 0.001);
    EXPECT_EQ(player().frameCount(), TestClip::kFrames);
    EXPECT_EQ(player().framePosition(), 0);
    EXPECT_EQ(player().seekingCapabilities(platform::kAllSeeking), platform::kAllSeeking);
    EXPECT_EQ(player().seekingCapabilities(platform::kSeekForward | platform::kFrameForward),
              platform::kSeekForward | platform::kFrameForward);
}

TEST_P(MediaPlayerContract, ExactSeekReadsItsTargetAtOnceAndShowsTheFrameOfIt) {
    struct Case {
        double target;
        int frame;
    };
    const Case cases[] = {{3.5, 105}, {150 * 1001 / 30000.0, 150}, {0, 0}, {9.9, 297}, {-2, 0}, {60, 299}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        player().setPosition(c.target);
        const double clamped = std::clamp(c.target, 0.0, player().duration());
        EXPECT_DOUBLE_EQ(player().position(), clamped);
        EXPECT_EQ(player().framePosition(), c.frame);
        EXPECT_EQ(player().frameAt(clamped), c.frame);
        EXPECT_EQ(player().frameAt(player().timeOf(c.frame)), c.frame);
        rig->settle();
        EXPECT_EQ(player().framePosition(), c.frame);
        EXPECT_NEAR(player().position(),
                    std::min(clamped, platform::timeOfFrame(c.frame, TestClip::kFrameRate)), frameTime());
    }
}

TEST_P(MediaPlayerContract, FrameStepsGoOneFrameEitherWayAndStopAtBothEnds) {
    player().setFramePosition(100);
    rig->settle();
    const std::pair<bool, int> steps[] = {{true, 101}, {true, 102}, {false, 101}, {false, 100}, {false, 99}};
    for (const auto& [forward, frame] : steps) {
        forward ? player().nextFrame() : player().previousFrame();
        EXPECT_EQ(player().framePosition(), frame);
        rig->settle();
        EXPECT_EQ(player().framePosition(), frame);
        EXPECT_NEAR(player().position(), platform::timeOfFrame(frame, TestClip::kFrameRate), 0.001);
    }
    player().setFramePosition(0);
    rig->settle();
    player().previousFrame();
    rig->settle();
    EXPECT_EQ(player().framePosition(), 0);
    player().setFramePosition(TestClip::kFrames - 1);
    rig->settle();
    player().nextFrame();
    rig->settle();
    EXPECT_EQ(player().framePosition(), TestClip::kFrames - 1);
}

TEST_P(MediaPlayerContract, TrackingPositionIsTheShareOfTenThousand) {
    player().setTrackingPosition(5000);
    EXPECT_NEAR(player().position(), player().duration() / 2, 1e-9);
    EXPECT_EQ(player().trackingPosition(), 5000);
    rig->settle();
    EXPECT_NEAR(player().trackingPosition(), 5000, 10000 * frameTime() / player().duration());
}

TEST_P(MediaPlayerContract, RatesAboveZeroAreTakenOthersRefused) {
    player().setRate(2.0);
    EXPECT_DOUBLE_EQ(player().rate(), 2.0);
    player().setRate(0.25);
    EXPECT_DOUBLE_EQ(player().rate(), 0.25);
    EXPECT_THROW(player().setRate(0), textfile::RunError);
    EXPECT_THROW(player().setRate(-1), textfile::RunError);
}

TEST_P(MediaPlayerContract, PlayPauseAndStopChangeTheStateAndRaiseTheEvent) {
    int events = 0;
    player().setStateChangedHandler([&] { ++events; });
    player().play();
    ASSERT_TRUE(rig->waitUntil([this] { return player().state() == PlayerState::Playing; }, 3));
    ASSERT_TRUE(rig->waitUntil([this] { return player().position() > 0.2; }, 3));
    EXPECT_GT(events, 0);
    player().pause();
    EXPECT_EQ(player().state(), PlayerState::Paused);
    player().stop();
    EXPECT_EQ(player().state(), PlayerState::Stopped);
    EXPECT_DOUBLE_EQ(player().position(), 0);
    rig->settle();
    EXPECT_EQ(player().framePosition(), 0);
    player().setMuted(true);
    EXPECT_TRUE(player().muted());
    player().setMuted(false);
    EXPECT_FALSE(player().muted());
}

TEST_P(MediaPlayerContract, TheEndHoldsTheLastFrameAtTheDuration) {
    player().setPosition(player().duration() - 0.3);
    rig->settle();
    player().play();
    ASSERT_TRUE(rig->waitUntil([this] { return player().state() != PlayerState::Playing; }, 3));
    EXPECT_DOUBLE_EQ(player().position(), player().duration());
    EXPECT_EQ(player().framePosition(), TestClip::kFrames - 1);
    player().seekStart();
    rig->settle();
    EXPECT_EQ(player().framePosition(), 0);
    player().seekEnd();
    rig->settle();
    EXPECT_DOUBLE_EQ(player().position(), player().duration());
    EXPECT_EQ(player().framePosition(), TestClip::kFrames - 1);
}

TEST_P(MediaPlayerContract, PlaysBackwardsAndForwardsAgain) {
    player().setPosition(5);
    rig->settle();
    player().playBackwards(1.0);
    ASSERT_TRUE(rig->waitUntil([this] { return player().position() < 4.5; }, 5));
    player().playForwards(1.0);
    const double from = player().position();
    ASSERT_TRUE(rig->waitUntil([&] { return player().position() > from + 0.3; }, 5));
    player().pause();
}

TEST_P(MediaPlayerContract, MediaThatCannotOpenRaisesTheReasonFromTheState) {
    const std::string missing = "/no/such/folder/clip.mp4";
    rig->makeUnopenable(missing);
    player().openFile(missing);
    EXPECT_THROW(rig->waitUntil([this] { return player().state() != PlayerState::NotReady; }, 3),
                 textfile::RunError);
    EXPECT_DOUBLE_EQ(player().position(), 0);
    EXPECT_EQ(player().seekingCapabilities(platform::kAllSeeking), 0);
}

INSTANTIATE_TEST_SUITE_P(Players, MediaPlayerContract,
                         ::testing::Values(RigMaker([] { return std::make_unique<SimulatedRig>(); }),
                                           RigMaker([] { return std::make_unique<MpvRig>(); })),
                         [](const auto& info) { return info.index == 0 ? "Simulated" : "Mpv"; });

// The DVD side of libmpv: a VIDEO_TS folder opens, plays, seeks and has a length.
TEST(MpvDvd, GeneratedVideoTsFolderOpensPlaysSeeksAndHasALength) {
    const std::string dvd = testsupport::generatedDvd();
    if (dvd.empty()) {
        GTEST_SKIP() << "ffmpeg and dvdauthor could not make the DVD folder";
    }
    MpvRig rig;
    platform::MediaPlayer& player = rig.player();
    player.openDvd(dvd + "/VIDEO_TS");
    ASSERT_TRUE(rig.waitUntil([&] { return player.state() != PlayerState::NotReady; }, 5));
    EXPECT_NEAR(player.duration(), 4.0, 0.5);
    player.play();
    ASSERT_TRUE(rig.waitUntil([&] { return player.position() > 0.3; }, 5));
    player.pause();
    player.setPosition(2.0);
    rig.settle();
    EXPECT_NEAR(player.position(), 2.0, 0.1);
    EXPECT_THROW(player.playBackwards(1.0), textfile::RunError);
}

TEST(MpvDvd, AMissingFolderFailsThroughTheState) {
    MpvRig rig;
    rig.player().openDvd("/no/such/dvd");
    EXPECT_THROW(rig.player().state(), textfile::RunError);
}

} // namespace
