#include "videocoder/core/TimeConversion.h"

#include "textfile/NumberMask.h"
#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "textfile/TextForms.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace vc {
namespace {

constexpr double kFallbackRate = 29.97;

bool isMode(const VideoSettings& s, double mode) {
    return s.FrameDisplay == mode;
}

// F: the rate as stored, or 29.97 where a stored rate could only divide by zero.
double exactRate(const VideoSettings& s) {
    return s.FrameRate > 0 && std::isfinite(s.FrameRate) ? s.FrameRate : kFallbackRate;
}
float singleRate(const VideoSettings& s) {
    return textfile::toSingle(exactRate(s));
}
// Halves to the even neighbour, as every "nearest" of the conversions.
double nearest(double x) {
    return std::nearbyint(x);
}
double wholeRate(const VideoSettings& s) {
    return std::max(1.0, nearest(exactRate(s)));
}

float single(double x) {
    return textfile::toSingle(x);
}

// Characters `count` from position `from` (counted from 1); past the end reads as "".
std::string_view piece(std::string_view t, std::size_t from, std::size_t count = std::string_view::npos) {
    return from - 1 >= t.size() ? std::string_view{} : t.substr(from - 1, count);
}

bool hasColon(std::string_view t) {
    return t.find(':') != std::string_view::npos;
}

double leading(std::string_view t) {
    return textfile::leadingNumber(t);
}

// The whole text as a number, in single precision; anything else fails as a type mismatch.
float strict(std::string_view t) {
    if (!textfile::isNumeric(t)) {
        throw textfile::RunError(textfile::kTypeMismatch);
    }
    return single(leading(t));
}

// The last two characters of "00" and the number: 5 gives 05, 123 gives 23.
std::string twoDigits(double n) {
    const std::string text = "00" + textfile::doubleText(n);
    return text.substr(text.size() - 2);
}

struct HoursMinutes {
    double hours;
    double minutes;
    double rest; // seconds under the minute
};

// Hours and minutes of a frame count at the whole-number rate r; rest is the frames left.
HoursMinutes splitFrames(double frames, double r) {
    const double hours = std::floor(frames / (3600 * r));
    frames -= 3600 * r * hours;
    const double minutes = std::floor(frames / (60 * r));
    return {hours, minutes, frames - 60 * r * minutes};
}

HoursMinutes splitSeconds(double seconds) {
    const double hours = std::floor(seconds / 3600);
    double rest = seconds - 3600 * hours;
    const double minutes = std::floor(rest / 60);
    rest -= 60 * minutes;
    return {hours, minutes, rest};
}

std::string joinFields(double h, double m, double sec, double ff) {
    return twoDigits(h) + ":" + twoDigits(m) + ":" + twoDigits(sec) + ":" + twoDigits(ff);
}

// A clock text of digits alone, "HH:MM:SS.ss", as TimeTextToSeconds reads it by its parts,
// without the general number reader: hours and minutes are whole, and the hundredths over
// 100 round as the decimal "SS.ss" itself reads. False for any other text.
bool plainClockSeconds(std::string_view t, double& seconds) {
    constexpr std::size_t kClockLength = 11;
    if (t.size() != kClockLength || t[2] != ':' || t[5] != ':' || t[8] != '.') {
        return false;
    }
    const auto digit = [&](std::size_t at) { return static_cast<unsigned>(t[at]) - '0'; };
    for (const std::size_t at : {0u, 1u, 3u, 4u, 6u, 7u, 9u, 10u}) {
        if (digit(at) > 9) {
            return false;
        }
    }
    const double hours = digit(0) * 10 + digit(1);
    const double minutes = digit(3) * 10 + digit(4);
    const double hundredths = digit(6) * 1000 + digit(7) * 100 + digit(9) * 10 + digit(10);
    seconds = 3600 * hours + 60 * minutes + hundredths / 100;
    return true;
}

} // namespace

std::string SecondsToClockText(double seconds, const VideoSettings& s) {
    if (isMode(s, 0)) {
        return textfile::formatMask(seconds, "0.00");
    }
    const HoursMinutes t = splitSeconds(seconds);
    const std::string secondsText = "00" + textfile::formatMask(t.rest, "#.00");
    return twoDigits(t.hours) + ":" + twoDigits(t.minutes) + ":" + secondsText.substr(secondsText.size() - 5);
}

float TimeTextToSeconds(const std::string& time, const VideoSettings& s) {
    double seconds = 0;
    if (plainClockSeconds(time, seconds)) {
        return single(seconds);
    }
    if (!hasColon(time) && isMode(s, 0)) {
        return single(leading(time));
    }
    return single(3600 * leading(piece(time, 1, 2)) + 60 * leading(piece(time, 4, 2)) +
                  leading(piece(time, 7)));
}

std::string SecondsToTimecode(double seconds, const VideoSettings& s) {
    if (isMode(s, 2)) {
        return textfile::doubleText(nearest(seconds * 100) / 100);
    }
    const HoursMinutes t = splitSeconds(seconds);
    const double sec = std::floor(t.rest);
    return joinFields(t.hours, t.minutes, sec, nearest((t.rest - sec) * wholeRate(s)));
}

float TimecodeToSeconds(const std::string& timecode, const VideoSettings& s) {
    if (!hasColon(timecode) && isMode(s, 2)) {
        return single(leading(timecode) / wholeRate(s));
    }
    return single(3600 * leading(piece(timecode, 1, 2)) + 60 * leading(piece(timecode, 4, 2)) +
                  leading(piece(timecode, 7, 2)) + leading(piece(timecode, 10, 2)) / singleRate(s));
}

std::string FramesToTimecode(double frames, const VideoSettings& s) {
    if (isMode(s, 2)) {
        return textfile::doubleText(frames);
    }
    const double f = exactRate(s);
    const HoursMinutes split = splitFrames(frames, wholeRate(s));
    const double sec = std::floor(split.rest / f);
    return joinFields(split.hours, split.minutes, sec, nearest(split.rest - f * sec));
}

std::string FramesToFrameTimecode(double frames, const VideoSettings& s) {
    if (isMode(s, 2) || frames < 0) {
        return FramesToTimecode(frames, s);
    }
    const double r = wholeRate(s);
    const HoursMinutes split = splitFrames(nearest(frames), r);
    const double sec = std::floor(split.rest / r);
    return joinFields(split.hours, split.minutes, sec, split.rest - r * sec);
}

std::string FramesToClockText(double frames, const VideoSettings& s) {
    if (isMode(s, 2)) {
        return textfile::doubleText(frames);
    }
    const double fs = singleRate(s);
    const double f = exactRate(s);
    double h = std::floor(frames / (3600 * fs));
    frames -= 3600 * fs * h;
    double m = std::floor(frames / (60 * fs));
    frames -= 60 * fs * m;
    double sec = std::floor(frames / f);
    frames -= f * sec;
    double hundredths = nearest(nearest(frames) / f * 100);
    // Leftover frames that round to a whole second belong to the next second.
    if (hundredths >= 100) {
        hundredths -= 100;
        sec += 1;
        if (sec >= 60) {
            sec -= 60;
            m += 1;
        }
        if (m >= 60) {
            m -= 60;
            h += 1;
        }
    }
    return twoDigits(h) + ":" + twoDigits(m) + ":" + twoDigits(sec) + "." + twoDigits(hundredths);
}

std::int32_t ClockTextToFrames(const std::string& time, const VideoSettings& s) {
    if (!hasColon(time) && isMode(s, 2)) {
        return textfile::toInt32(leading(time));
    }
    if (time.empty()) {
        return 0;
    }
    const float fs = singleRate(s);
    const float secondsPart = single(fs * strict(piece(time, 7)));
    const float minutesPart = single(single(60 * fs) * strict(piece(time, 4, 2)));
    const float hoursPart = single(single(3600 * fs) * strict(piece(time, 1, 2)));
    return textfile::toInt32(single(single(secondsPart + minutesPart) + hoursPart));
}

std::int32_t TimecodeToFrames(const std::string& timecode, const VideoSettings& s) {
    if (!hasColon(timecode) || isMode(s, 2)) {
        return textfile::toInt32(leading(timecode));
    }
    const double r = wholeRate(s);
    const std::string_view t = timecode;
    const float framesPart = single(leading(t.substr(t.size() >= 2 ? t.size() - 2 : 0)));
    float total = single(framesPart + single(r * strict(piece(t, 7, 2))));
    total = single(total + single(single(60 * r) * strict(piece(t, 4, 2))));
    total = single(total + single(single(3600 * r) * strict(piece(t, 1, 2))));
    return textfile::toInt32(total);
}

} // namespace vc
