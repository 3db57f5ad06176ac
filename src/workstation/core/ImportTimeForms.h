#pragma once
// The forms nearly every imported time text has, read inline where every record passes: each
// gives what the general conversion (ImportTimes) gives for it, which every other text goes to.

#include "textfile/ShortTextWord.h"

#include <cstdint>
#include <string_view>

namespace ws {
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

// The clock's bytes in two words, "HH:MM:SS" and "MM:SS.ss", each made zero where it holds the
// form's marks and 0..9 where it holds digits: checked and read in a few steps, without a
// branch for each byte.
inline bool plainClockParts(std::string_view text, ClockParts& parts) {
    constexpr std::uint64_t kHighNibbles = 0xF0F0F0F0F0F0F0F0ull;
    constexpr std::uint64_t kMarkBytes = 0x0000FF0000FF0000ull; // bytes 2 and 5 of both words
    // The words of "00:00:00" and "00:00.00", the first byte lowest.
    constexpr std::uint64_t kFirstForm = 0x30303A30303A3030ull;
    constexpr std::uint64_t kSecondForm = 0x30302E30303A3030ull;
    if (text.size() != 11) {
        return false;
    }
    const std::uint64_t first = textfile::shortTextWord(text.substr(0, 8)) ^ kFirstForm;
    const std::uint64_t second = textfile::shortTextWord(text.substr(3, 8)) ^ kSecondForm;
    // A digit leaves 0..9: high nibble 0, and still 0 after adding 6; a mark leaves 0.
    if ((((first | (first + 0x0606060606060606ull)) | (second | (second + 0x0606060606060606ull))) &
         kHighNibbles) != 0 ||
        ((first | second) & kMarkBytes) != 0) {
        return false;
    }
    // Each byte with ten times itself plus the next: the two-digit values at bytes 0, 3 and 6.
    const std::uint64_t firstPairs = first * 10 + (first >> 8);
    const std::uint64_t secondPairs = second * 10 + (second >> 8);
    parts.hours = static_cast<unsigned>(firstPairs & 0xFF);
    parts.minutes = static_cast<unsigned>(firstPairs >> 24 & 0xFF);
    parts.hundredths = static_cast<unsigned>(firstPairs >> 48 & 0xFF) * 100 +
                       static_cast<unsigned>(secondPairs >> 48 & 0xFF);
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

} // namespace ws
