#include "collector/SessionClock.h"

#include "textfile/TextForms.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace collector {
namespace {

std::int64_t roundHalfEven(double x) {
    return static_cast<std::int64_t>(std::nearbyint(x));
}

} // namespace

std::int64_t unitsShown(double elapsedSeconds, std::int32_t pausedSeconds, bool tenths) {
    const double elapsed = std::max(0.0, elapsedSeconds);
    if (tenths) {
        return roundHalfEven(elapsed * 10) + std::int64_t{pausedSeconds} * 10;
    }
    return roundHalfEven(elapsed) + pausedSeconds;
}

std::int32_t secondsKeptAtPause(std::int64_t shown, bool tenths, std::int32_t pausedBefore) {
    std::int64_t seconds = tenths ? (std::max<std::int64_t>(shown, 0) + 9) / 10 : shown;
    seconds = std::clamp<std::int64_t>(seconds, pausedBefore, std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(seconds);
}

float limitUnits(float sessionDuration, bool tenths) {
    return tenths ? sessionDuration * 10.0f : sessionDuration;
}

std::string limitText(float sessionDuration, bool tenths) {
    return textfile::singleText(limitUnits(sessionDuration, tenths));
}

} // namespace collector
