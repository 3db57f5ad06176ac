#include "platform/FrameNumbers.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {
// The slack an exact seek allows before its target, and a guard against the last bit
// of a frame time written as seconds.
constexpr double kSeekSlack = 0.005;
constexpr double kRoundingGuard = 1e-6;
constexpr int32_t kTrackingScale = 10000;
} // namespace

int32_t frameAtTime(double seconds, double fps) {
    const double frame = std::ceil((seconds - kSeekSlack) * fps - kRoundingGuard);
    return frame < 0 ? 0 : static_cast<int32_t>(frame);
}

double timeOfFrame(int32_t frame, double fps) {
    return frame / fps;
}

int32_t trackingAt(double seconds, double duration) {
    return duration > 0 ? static_cast<int32_t>(std::lround(seconds / duration * kTrackingScale)) : 0;
}

double positionAtTracking(int32_t value, double duration) {
    return std::clamp(value, 0, kTrackingScale) / double(kTrackingScale) * duration;
}

} // namespace platform
