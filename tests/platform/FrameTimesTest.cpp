// Frame numbers and times both ways: a constant rate from a late first frame, and an
// index of a variable rate; where a seek must start decoding to show a frame.
#include "platform/FrameTimes.h"

#include <gtest/gtest.h>

namespace {

using platform::FrameTimes;

TEST(FrameTimes, ConstantRateCountsFromTheFirstFramesOwnTime) {
    const FrameTimes frames = FrameTimes::constantRate(0.014, 25, 250);
    struct Case {
        double seconds;
        int32_t frame;
    };
    // A frame's own time and up to 5 ms past the one before show it; the ends hold.
    const Case cases[] = {{0, 0},     {0.014, 0}, {0.0185, 0}, {0.020, 1},   {0.054, 1},
                          {0.048, 1}, {-3, 0},    {9.97, 249}, {9.974, 249}, {60, 249}};
    for (const Case& c : cases) {
        EXPECT_EQ(frames.frameAt(c.seconds), c.frame) << c.seconds;
    }
    EXPECT_DOUBLE_EQ(frames.timeOf(0), 0.014);
    EXPECT_DOUBLE_EQ(frames.timeOf(1), 0.054);
    EXPECT_DOUBLE_EQ(frames.lastTime(), 0.014 + 249 / 25.0);
    EXPECT_DOUBLE_EQ(frames.timeOf(400), frames.lastTime());
    for (int32_t frame = 0; frame < frames.count(); ++frame) {
        ASSERT_EQ(frames.frameAt(frames.timeOf(frame)), frame);
    }
}

TEST(FrameTimes, AnIndexGoesBothWaysAcrossRateChanges) {
    // 30 fps, then 15, then 60.
    std::vector<double> times;
    for (int n = 0; n < 4; ++n) {
        times.push_back(n / 30.0);
    }
    for (int n = 0; n < 3; ++n) {
        times.push_back(4 / 30.0 + n / 15.0);
    }
    for (int n = 0; n < 4; ++n) {
        times.push_back(4 / 30.0 + 3 / 15.0 + n / 60.0);
    }
    const FrameTimes frames = FrameTimes::indexed(times, {{0, 0}, {times[7], times[7] - 0.05}});
    ASSERT_EQ(frames.count(), 11);
    for (int32_t frame = 0; frame < frames.count(); ++frame) {
        // A frame's own time shows it, and so does a time up to 5 ms past it.
        EXPECT_EQ(frames.frameAt(frames.timeOf(frame)), frame);
        EXPECT_EQ(frames.frameAt(frames.timeOf(frame) + 0.004), frame);
        EXPECT_EQ(frames.frameAt(frames.timeOf(frame) + 0.006), std::min(frame + 1, 10));
    }
    EXPECT_EQ(frames.frameAt(times[5] + 0.02), 6);
    EXPECT_EQ(frames.frameAt(99), 10);
    // Moved onto the player's clock, every time moves alike.
    const FrameTimes moved = frames.shifted(-0.5);
    EXPECT_DOUBLE_EQ(moved.timeOf(6), times[6] - 0.5);
    EXPECT_EQ(moved.frameAt(times[6] - 0.5), 6);
}

TEST(FrameTimes, ASeekStartsWhereTheKeyframeOfTheShownFrameIsDecoded) {
    const std::vector<double> times{0, 1, 2, 3, 4, 5};
    // Keyframes at 0 and 3; the second decodes 0.2 s before it is shown.
    const FrameTimes frames = FrameTimes::indexed(times, {{0, -0.1}, {3, 2.8}});
    EXPECT_DOUBLE_EQ(*frames.seekPointFor(2), -0.1);
    // 2.9 shows frame 3, which is the keyframe itself.
    EXPECT_DOUBLE_EQ(*frames.seekPointFor(2.9), 2.8);
    EXPECT_DOUBLE_EQ(*frames.seekPointFor(4.5), 2.8);
    EXPECT_FALSE(FrameTimes::constantRate(0, 25, 10).seekPointFor(1));
    EXPECT_TRUE(FrameTimes().empty());
}

} // namespace
