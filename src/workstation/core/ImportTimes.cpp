#include "workstation/core/ImportTimes.h"

#include "textfile/Numeric.h"
#include "textfile/Paths.h"
#include "textfile/RunError.h"
#include "textfile/TextCase.h"
#include "textfile/TextForms.h"

#include <cstdint>

namespace ws {
namespace {

using quicktime::kFrames;
using quicktime::kHundredths;

// Characters start..start+length-1 (1-based) of the text, as far as it has them.
std::string_view middle(std::string_view text, std::size_t start,
                        std::size_t length = std::string_view::npos) {
    if (start > text.size()) {
        return {};
    }
    return text.substr(start - 1, length);
}

// The value of a text made of digits alone, with at most one point among them, as long as
// its digits make an exact double: then the whole digits over the power of ten of the
// decimals is the correctly rounded value, the same the general reader gives.
bool plainDecimal(std::string_view text, double& value) {
    constexpr std::size_t kExactDigits = 15;
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (text.empty() || text.size() > kExactDigits + 1 || text.front() < '0' || text.front() > '9') {
        return false;
    }
    std::int64_t digits = 0;
    std::size_t point = std::string_view::npos;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char ch = text[at];
        if (ch >= '0' && ch <= '9') {
            digits = digits * 10 + (ch - '0');
        } else if (ch == '.' && point == std::string_view::npos && at + 1 < text.size()) {
            point = at;
        } else {
            return false;
        }
    }
    const std::size_t decimals = point == std::string_view::npos ? 0 : text.size() - point - 1;
    value = static_cast<double>(digits) / kPowersOfTen[decimals];
    return true;
}

} // namespace

std::int32_t wholeTimeOfNumber(std::string_view text) {
    return textfile::toInt32(strictNumber(text));
}

double strictNumber(std::string_view text) {
    if (double value = 0; plainDecimal(text, value)) {
        return value;
    }
    if (!textfile::isNumeric(text)) {
        throw textfile::RunError(textfile::kTypeMismatch);
    }
    return textfile::leadingNumber(text);
}

namespace {

// A number read leniently: its leading digits, 0 when there are none.
double lenientNumber(std::string_view text) {
    if (double value = 0; plainDecimal(text, value)) {
        return value;
    }
    return textfile::leadingNumber(text);
}

using quicktime::ClockParts;
using quicktime::kExactClockHours;
using quicktime::plainClockParts;

std::int32_t convertTime(WorkstationSettings& settings, std::string_view text) {
    if (ClockParts parts; plainClockParts(text, parts)) { // a point and colons: clock hundredths
        settings.gVTRStimebase = kHundredths;
        if (parts.hours < kExactClockHours) {
            return static_cast<std::int32_t>(parts.hours * 360000 + parts.minutes * 6000 + parts.hundredths);
        }
        return hundredthsOfSeconds(ClockToSeconds(text));
    }
    // One pass over the short text for both marks, not a search through it for each.
    bool hasPoint = false;
    bool hasColon = false;
    for (const char ch : text) {
        hasPoint = hasPoint || ch == '.';
        hasColon = hasColon || ch == ':';
    }
    settings.gVTRStimebase = hasPoint ? kHundredths : kFrames;
    if (hasColon) {
        if (hasPoint) {
            return hundredthsOfSeconds(ClockToSeconds(text));
        }
        return TimecodeToFrames(text, settings.FramesPerSecond);
    }
    if (hasPoint) {
        return hundredthsOfSeconds(strictNumber(text));
    }
    return wholeTime(text);
}

} // namespace

std::int32_t hundredthsOfSeconds(double seconds) {
    return textfile::toInt32(textfile::toSingle(static_cast<double>(textfile::toSingle(seconds)) * 100));
}

void throwTimeOverflow() {
    throw textfile::RunError(textfile::kOverflow);
}

float ClockToSeconds(std::string_view text) {
    double hourPart = 0;
    double minutePart = 0;
    double secondPart = 0;
    if (ClockParts parts; plainClockParts(text, parts)) {
        hourPart = parts.hours;
        minutePart = parts.minutes;
        secondPart = static_cast<double>(parts.hundredths) / 100;
    } else {
        hourPart = lenientNumber(middle(text, 1, 2));
        minutePart = lenientNumber(middle(text, 4, 2));
        secondPart = lenientNumber(middle(text, 7));
    }
    const float hours = textfile::toSingle(hourPart);
    const float minutes = textfile::toSingle(minutePart);
    const float seconds = textfile::toSingle(secondPart);
    float total = textfile::toSingle(static_cast<double>(hours) * 3600);
    total = textfile::toSingle(static_cast<double>(total) +
                               textfile::toSingle(static_cast<double>(minutes) * 60));
    return textfile::toSingle(static_cast<double>(total) + seconds);
}

std::int32_t TimecodeToFrames(std::string_view text, std::int16_t framesPerSecond) {
    if (text.find(':') == std::string_view::npos) {
        return textfile::toInt32(lenientNumber(text));
    }
    const std::int32_t rate = framesPerSecond;
    const std::int32_t perMinute = rate * 60;
    const std::int32_t perHour = rate * 3600;
    const double frames = lenientNumber(text.size() >= 2 ? text.substr(text.size() - 2) : text);
    const double seconds = strictNumber(middle(text, 7, 2));
    const double minutes = strictNumber(middle(text, 4, 2));
    const double hours = strictNumber(middle(text, 1, 2));
    float sum = textfile::toSingle(frames);
    sum = textfile::toSingle(static_cast<double>(sum) + textfile::toSingle(seconds * rate));
    sum = textfile::toSingle(static_cast<double>(sum) + textfile::toSingle(minutes * perMinute));
    sum = textfile::toSingle(static_cast<double>(sum) + textfile::toSingle(hours * perHour));
    return textfile::toInt32(sum);
}

std::int32_t convertTimeString(WorkstationSettings& settings, std::string_view text,
                               const ImportMessageSink& onError) {
    try {
        return convertTime(settings, text);
    } catch (const textfile::RunError& error) {
        onError("Error converting time: {" + std::string(text) + "} - " + error.description());
    }
    return 0;
}

void ZeroJustifyTimes(SlotWriter& slot, std::int32_t& offset) {
    const int last = slot.times()[0];
    if (last < 1) {
        return;
    }
    auto& times = slot.timesUpTo(last);
    if (offset == 0) {
        offset = times[1];
    }
    for (int index = 1; index <= last; ++index) {
        times[index] = timeDifference(times[index], offset);
    }
}

void ConvertTimeBase(const WorkstationSettings& settings, SlotWriter& slot) {
    double unit = 0;
    if (settings.gVTRStimebase == kHundredths) {
        unit = 100;
    } else if (settings.gVTRStimebase == kFrames) {
        if (settings.FramesPerSecond <= 0) {
            throw textfile::RunError(textfile::kInvalidArgument, "Frames per second must be above 0");
        }
        unit = settings.FramesPerSecond;
    } else {
        return;
    }
    const int last = slot.times()[0];
    auto& times = slot.timesUpTo(std::max(last, 0));
    for (int index = 1; index <= last; ++index) {
        times[index] = textfile::toInt32(static_cast<double>(static_cast<float>(times[index])) / unit);
    }
}

std::string StripBlanks(std::string_view text) {
    std::string stripped;
    for (const char ch : text) {
        if (ch != ' ') {
            stripped += ch;
        }
    }
    return stripped;
}

std::string CodeFromDescription(const CodeSet& codeSet, std::string_view text,
                                const std::string& importedFile, const ImportWarningSink& warn) {
    if (textfile::isBlank(text)) {
        return {};
    }
    const std::string wanted = StripBlanks(textfile::lowerCase(std::string(text)));
    for (int row = 1; row <= codeSet.NumCodes && row <= codeSet.CodeTable.rows(); ++row) {
        if (StripBlanks(textfile::lowerCase(codeSet.CodeTable.description(row))) == wanted ||
            codeSet.CodeTable.codeIs(row, text)) {
            return codeSet.CodeTable.code(row);
        }
    }
    warn(importWarning(importedFile, "String not found in code file: " + std::string(text),
                       "String will not be used."));
    return {};
}

std::string importWarning(const std::string& importedFile, const std::string& found,
                          const std::string& outcome) {
    const std::string crLf(textfile::kLineEnd);
    return crLf + "Warning for file:" + textfile::FileNameOnly(importedFile) + crLf + found + crLf + outcome +
           crLf + crLf;
}

} // namespace ws
