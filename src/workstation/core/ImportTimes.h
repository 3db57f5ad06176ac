#pragma once
// Time texts of imported data files and the slot-wide shifts every importer applies.

#include "textfile/ShortTextWord.h"
#include "workstation/core/CodeSet.h"
#include "workstation/core/EventSlotWriter.h"
#include "workstation/core/WorkstationSettings.h"

#include <climits>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace ws {

// Receives a message for the person: the importer shows it in a box with the program's title.
using ImportMessageSink = std::function<void(const std::string& message)>;
// Receives a warning entry for the output file.
using ImportWarningSink = std::function<void(const std::string& entry)>;
// A warning entry: an empty line, "Warning for file:" and the file's name, what was found,
// what comes of it ("Run aborted."), an empty line.
std::string importWarning(const std::string& importedFile, const std::string& found,
                          const std::string& outcome);

// Seconds of an "HH:MM:SS.ss" text; each part read leniently.
float ClockToSeconds(std::string_view text);
// Frames of an "HH:MM:SS:FF" text at `framesPerSecond`, or the rounded value of a text
// without ":". A clock part that is not a number throws RunError 13.
std::int32_t TimecodeToFrames(std::string_view text, std::int16_t framesPerSecond);
// The number a whole time text (or part of one) holds; a text that is not one number, an empty
// one included, throws RunError 13.
double strictNumber(std::string_view text);
// The forms nearly every imported time text has, read inline where every record passes: each
// gives what the general conversion gives for it, which every other text goes to.
namespace quicktime {

// One to eight plain digits, all at once: the text's bytes in one word (the first at the low
// end), moved up so that '0's fill in before it, checked and summed in three steps. A loop over
// them mispredicts at its end whenever the lengths of the texts vary.
inline bool eightDigits(std::string_view text, std::int32_t& value) {
    constexpr std::uint64_t kZeros = 0x3030303030303030ull;
    constexpr std::uint64_t kHighNibbles = 0xF0F0F0F0F0F0F0F0ull;
    const unsigned shift = 8 * static_cast<unsigned>(8 - text.size());
    const std::uint64_t word =
        textfile::shortTextWord(text) << shift | (kZeros & ((std::uint64_t{1} << shift) - 1));
    // Every byte is '0'..'9' when its high nibble is 3, and still is after adding 6.
    if ((word & kHighNibbles) != kZeros || ((word + 0x0606060606060606ull) & kHighNibbles) != kZeros) {
        return false;
    }
    std::uint64_t digits = word - kZeros;
    digits = (digits * 10 + (digits >> 8)) & 0x00FF00FF00FF00FFull;
    digits = (digits * 100 + (digits >> 16)) & 0x0000FFFF0000FFFFull;
    digits = (digits * 10000 + (digits >> 32)) & 0xFFFFFFFFull;
    value = static_cast<std::int32_t>(digits);
    return true;
}

// Up to nine plain digits always fit 32 bits and need no rounding.
inline bool nineDigits(std::string_view text, std::int32_t& value) {
    if (text.size() - 1 < 8) {
        return eightDigits(text, value);
    }
    if (text.size() != 9) {
        return false;
    }
    std::int32_t whole = 0;
    for (const char ch : text) {
        // Unsigned: a byte below '0' wraps past 9 as well.
        const unsigned digit = static_cast<unsigned>(ch) - '0';
        if (digit > 9) {
            return false;
        }
        whole = whole * 10 + static_cast<std::int32_t>(digit);
    }
    value = whole;
    return true;
}

// An HH:MM:SS.ss clock text of digits alone, by its parts.
struct ClockParts {
    unsigned hours = 0;
    unsigned minutes = 0;
    unsigned hundredths = 0; // of the seconds part, SS.ss as a whole number
};

inline bool plainClockParts(std::string_view text, ClockParts& parts) {
    if (text.size() != 11 || text[2] != ':' || text[5] != ':' || text[8] != '.') {
        return false;
    }
    const auto digit = [&](std::size_t place) { return static_cast<unsigned>(text[place]) - '0'; };
    const unsigned h1 = digit(0), h2 = digit(1), m1 = digit(3), m2 = digit(4);
    const unsigned s1 = digit(6), s2 = digit(7), c1 = digit(9), c2 = digit(10);
    if ((h1 > 9) | (h2 > 9) | (m1 > 9) | (m2 > 9) | (s1 > 9) | (s2 > 9) | (c1 > 9) | (c2 > 9)) {
        return false;
    }
    parts.hours = h1 * 10 + h2;
    parts.minutes = m1 * 10 + m2;
    parts.hundredths = s1 * 1000 + s2 * 100 + c1 * 10 + c2;
    return true;
}

// Below ten hours single precision still tells every hundredth of a clock time apart, so the
// single-precision steps of the general conversion give the plain sum of the parts (checked
// for every such text up to 16 hours, 99 minutes and 99.99 seconds).
inline constexpr unsigned kExactClockHours = 10;

inline constexpr std::int16_t kHundredths = 1;
inline constexpr std::int16_t kFrames = 2;

// A time text as plain digits (frames) or a clock below ten hours (hundredths): its value and
// unit. False for any other text.
inline bool timeOf(std::string_view text, std::int32_t& value, std::int16_t& timeBase) {
    if (nineDigits(text, value)) {
        timeBase = kFrames;
        return true;
    }
    if (ClockParts parts; plainClockParts(text, parts) && parts.hours < kExactClockHours) {
        value = static_cast<std::int32_t>(parts.hours * 360000 + parts.minutes * 6000 + parts.hundredths);
        timeBase = kHundredths;
        return true;
    }
    return false;
}

} // namespace quicktime

// strictNumber rounded to a 32-bit whole number (halves to even); past 32 bits RunError 6.
std::int32_t wholeTimeOfNumber(std::string_view text);
inline std::int32_t wholeTime(std::string_view text) {
    if (std::int32_t value = 0; quicktime::nineDigits(text, value)) {
        return value;
    }
    return wholeTimeOfNumber(text);
}
// Seconds read from a text, in whole hundredths: the single-precision value x 100, rounded.
std::int32_t hundredthsOfSeconds(double seconds);
[[noreturn]] void throwTimeOverflow();
// a - b; a result past 32 bits throws RunError 6. Inline: every imported record passes here.
inline std::int32_t timeDifference(std::int64_t a, std::int64_t b) {
    const std::int64_t difference = a - b;
    if (difference < INT32_MIN || difference > INT32_MAX) {
        throwTimeOverflow();
    }
    return static_cast<std::int32_t>(difference);
}
// Hundredths or frames of a time text in any of the four forms; sets gVTRStimebase to the
// unit (1 hundredths, 2 frames) before converting. A text that does not convert is told to
// `onError` and gives 0.
std::int32_t convertTimeString(WorkstationSettings& settings, std::string_view text,
                               const ImportMessageSink& onError);
inline std::int32_t ParseTimeString(WorkstationSettings& settings, std::string_view text,
                                    const ImportMessageSink& onError) {
    std::int32_t value = 0;
    if (std::int16_t timeBase = 0; quicktime::timeOf(text, value, timeBase)) {
        settings.gVTRStimebase = timeBase;
        return value;
    }
    return convertTimeString(settings, text, onError);
}

// Subtracts `offset` from every time of the slot up to its end index; an offset of 0 first
// becomes the time at index 1. A slot with no records is left alone.
void ZeroJustifyTimes(SlotWriter& slot, std::int32_t& offset);
// Turns the slot's hundredths or frames (as gVTRStimebase says) into whole seconds. A frame
// rate of 0 or less throws RunError 5 rather than dividing by it.
void ConvertTimeBase(const WorkstationSettings& settings, SlotWriter& slot);

std::string StripBlanks(std::string_view text);
// The code whose code (exactly) or description (case and blanks aside) is `text`; "" with a
// warning naming `importedFile` when none is. A blank text gives "" with no warning.
std::string CodeFromDescription(const CodeSet& codeSet, std::string_view text,
                                const std::string& importedFile, const ImportWarningSink& warn);

} // namespace ws
