#include "videocoder/coding/StampTexts.h"

#include "videocoder/core/TimeConversion.h"

#include <cmath>

namespace vc {
namespace {

constexpr double kHundredth = 0.01;
// Keeps a start that is a hundredth already, written as seconds, on that hundredth.
constexpr double kRoundingGuard = 1e-6;
// Hundredths tried past a frame's start before the frame's own time is written as it is.
constexpr int kHundredthsTried = 4;

} // namespace

bool isFrameForm(const VideoSettings& s) {
    return s.FrameDisplay == 2 || s.FrameDisplay == 3;
}

bool worksInFrames(PlayerKind kind, const VideoSettings& s) {
    return kind == PlayerKind::FileWindow && isFrameForm(s);
}

std::string markText(platform::MediaPlayer& player, const MarkReading& reading, PlayerKind kind,
                     const VideoSettings& s) {
    if (worksInFrames(kind, s)) {
        // Frame forms need frame numbers: a media without them fails as framePosition does.
        const int32_t frame = reading.frame ? *reading.frame : player.frameAt(reading.seconds);
        return FramesToFrameTimecode(frame, s);
    }
    const std::string exact = SecondsToClockText(reading.seconds, s);
    if (!reading.frame) {
        return exact;
    }
    // The text keeps hundredths: the first hundredth at or after the frame's start, so the
    // seek lands inside the frame rather than in the slack before it; else the first text
    // that the seek shows as the same frame.
    const double atOrAfter = std::ceil(reading.seconds / kHundredth - kRoundingGuard) * kHundredth;
    for (int k = -1; k < kHundredthsTried; ++k) {
        const std::string text = k < 0    ? SecondsToClockText(atOrAfter, s)
                                 : k == 0 ? exact
                                          : SecondsToClockText(reading.seconds + k * kHundredth, s);
        if (player.frameAt(TimeTextToSeconds(text, s)) == *reading.frame) {
            return text;
        }
    }
    return exact;
}

SeekTarget seekTargetOf(const std::string& time, PlayerKind kind, const VideoSettings& s) {
    if (worksInFrames(kind, s)) {
        return {true, TimecodeToFrames(time, s), 0};
    }
    return {false, 0, TimeTextToSeconds(time, s)};
}

} // namespace vc
