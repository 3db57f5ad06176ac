#include "videocoder/core/ConvertTimeText.h"

#include "textfile/NumberMask.h"
#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "textfile/TextForms.h"
#include "videocoder/core/TextCase.h"
#include "videocoder/core/TimeConversion.h"

#include <string_view>

namespace vc {
namespace {

enum Form { kSeconds = 0, kClock = 1, kFrames = 2, kTimecode = 3 };

// The text as a single-precision number; letters are no time.
float number(const std::string& t) {
    if (!textfile::isNumeric(t)) {
        throw textfile::RunError(textfile::kTypeMismatch, "\"" + t + "\" is not a number");
    }
    return textfile::toSingle(textfile::leadingNumber(t));
}

std::string numberText(float value) {
    return textfile::singleText(value);
}

std::string wholeText(std::int32_t value) {
    return std::to_string(value);
}

std::string convert(const std::string& t, int target, int source, const VideoSettings& s) {
    switch (target) {
    case kSeconds:
        switch (source) {
        case kClock:
            return numberText(TimeTextToSeconds(t, s));
        case kFrames:
            return textfile::formatMask(TimeTextToSeconds(FramesToClockText(number(t), s), s), "0.00",
                                        textfile::Precision::Single);
        default:
            return numberText(TimecodeToSeconds(t, s));
        }
    case kClock:
        switch (source) {
        case kSeconds:
            return SecondsToClockText(number(t), s);
        case kFrames:
            return FramesToClockText(number(t), s);
        default:
            return SecondsToClockText(TimecodeToSeconds(t, s), s);
        }
    case kFrames:
        switch (source) {
        case kSeconds:
            return wholeText(ClockTextToFrames(SecondsToClockText(number(t), s), s));
        case kClock:
            return wholeText(ClockTextToFrames(t, s));
        default:
            return wholeText(ClockTextToFrames(SecondsToClockText(TimecodeToSeconds(t, s), s), s));
        }
    default:
        switch (source) {
        case kSeconds:
            return SecondsToTimecode(number(t), s);
        case kClock:
            return SecondsToTimecode(TimeTextToSeconds(t, s), s);
        default:
            return FramesToTimecode(number(t), s);
        }
    }
}

} // namespace

int timeFormOf(const std::string& time) {
    const bool dot = time.find('.') != std::string::npos;
    const bool colon = time.find(':') != std::string::npos;
    if (dot) {
        return colon ? kClock : kSeconds;
    }
    return colon ? kTimecode : kFrames;
}

ConvertedTime ConvertTimeText(const std::string& time, const VideoSettings& s) {
    const double display = s.FrameDisplay;
    if (display != 0 && display != 1 && display != 2 && display != 3) {
        return {true, "", ""};
    }
    const int target = static_cast<int>(display);
    const int source = timeFormOf(time);
    if (isBlank(time) || source == target) {
        return {true, time, ""};
    }
    try {
        return {true, convert(time, target, source, s), ""};
    } catch (const textfile::RunError& e) {
        return {false, time, e.description()};
    }
}

} // namespace vc
