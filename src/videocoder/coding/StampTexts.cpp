#include "videocoder/coding/StampTexts.h"

#include "videocoder/core/TimeConversion.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vc {
namespace {

constexpr double kHundredth = 0.01;
// Keeps a start that is a hundredth already, written as seconds, on that hundredth.
constexpr double kRoundingGuard = 1e-6;
// A seek shows the first frame starting at most 5 ms before its target, so the texts that
// read back to a frame lie from just after the frame before it to 5 ms past its start: at
// 25 frames a second and faster, up to this many hundredths below the start's own
// hundredth, and one above.
constexpr int kHundredthsBelow = 3;
// How far a text's time must sit inside its frame's span on both sides: a text right on
// the edge would show one frame or the other on the last bit of its reading.
constexpr double kSeekMargin = 0.001;

// The hundredths that may read back to the frame starting at `start`, nearest first.
std::vector<double> hundredthsNear(double start) {
    const double own = std::floor(start / kHundredth + kRoundingGuard);
    std::vector<double> near;
    for (double h = own - kHundredthsBelow; h <= own + 1; ++h) {
        if (h >= 0) {
            near.push_back(h * kHundredth);
        }
    }
    std::stable_sort(near.begin(), near.end(),
                     [start](double a, double b) { return std::abs(a - start) < std::abs(b - start); });
    return near;
}

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
    // The text keeps hundredths: the one nearest the frame's start that the seek shows as
    // the same frame with a margin either side; else the nearest it shows as that frame at
    // all (frames shorter than a hundredth and its margins).
    const int32_t frame = *reading.frame;
    const auto showsFrame = [&](double seconds, double margin) {
        return player.frameAt(seconds - margin) == frame && player.frameAt(seconds + margin) == frame;
    };
    const std::vector<double> near = hundredthsNear(reading.seconds);
    for (const double margin : {kSeekMargin, 0.0}) {
        for (const double hundredth : near) {
            const std::string text = SecondsToClockText(hundredth, s);
            if (showsFrame(TimeTextToSeconds(text, s), margin)) {
                return text;
            }
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
