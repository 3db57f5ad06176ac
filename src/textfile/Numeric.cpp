#include "textfile/Numeric.h"

#include "textfile/RunError.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace textfile {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipBlanks(std::string_view text, std::size_t i) {
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    return i;
}

// An exponent beyond this says no more than the limit itself: it is far past any double's
// range, and far longer than any text whose digits could make up for it, so the sum of
// digits and exponent neither overflows nor changes sign.
constexpr long long kExponentLimit = 1'000'000'000'000'000;

// The number that starts at `begin`: sign, digits, point, digits, exponent.
struct NumberSpan {
    std::size_t end = 0;     // one past the number; `begin` when there is none
    long long magnitude = 0; // decimal position of the first non-zero digit, exponent included
    bool found = false;
};

NumberSpan scanNumber(std::string_view text, std::size_t begin) {
    NumberSpan span;
    span.end = begin;
    std::size_t i = begin;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    bool anyDigit = false;
    bool nonZeroSeen = false;
    long long magnitude = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        anyDigit = true;
        nonZeroSeen = nonZeroSeen || text[i] != '0';
        if (nonZeroSeen) {
            ++magnitude; // 64 bits: no text held in memory has that many digits
        }
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        for (; i < text.size() && isDigit(text[i]); ++i) {
            anyDigit = true;
            if (!nonZeroSeen) {
                if (text[i] == '0') {
                    --magnitude;
                } else {
                    nonZeroSeen = true;
                }
            }
        }
    }
    if (!anyDigit) {
        return span;
    }
    span.found = true;
    span.end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool negative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            negative = text[j] == '-';
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            long long exponent = 0;
            for (; j < text.size() && isDigit(text[j]); ++j) {
                exponent = std::min(exponent * 10 + (text[j] - '0'), kExponentLimit);
            }
            magnitude += negative ? -exponent : exponent;
            span.end = j;
        }
    }
    span.magnitude = magnitude;
    return span;
}

double parseSpan(std::string_view text, std::size_t begin, const NumberSpan& span) {
    std::string_view number = text.substr(begin, span.end - begin);
    if (number.front() == '+') {
        number.remove_prefix(1); // from_chars takes no plus sign
    }
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (span.magnitude > 0) {
            throw RunError(kOverflow);
        }
        return number.front() == '-' ? -0.0 : 0.0;
    }
    return value;
}

double roundHalfEven(double value) {
    if (std::fabs(value - std::trunc(value)) == 0.5) {
        return 2.0 * std::round(value / 2.0); // value / 2 is exact, and lands on a quarter
    }
    return std::round(value);
}

template <class Int> Int toInteger(double value) {
    constexpr auto kLowest = static_cast<double>(std::numeric_limits<Int>::min());
    constexpr auto kHighest = static_cast<double>(std::numeric_limits<Int>::max());
    // Most values are whole already and need no rounding (NaN fails the range test).
    if (value >= kLowest && value <= kHighest) {
        const auto whole = static_cast<Int>(value);
        if (static_cast<double>(whole) == value) {
            return whole;
        }
    }
    if (!std::isfinite(value)) {
        throw RunError(kOverflow);
    }
    const double rounded = roundHalfEven(value);
    if (rounded < kLowest || rounded > kHighest) {
        throw RunError(kOverflow);
    }
    return static_cast<Int>(rounded);
}

} // namespace

std::int16_t toInt16(double value) {
    return toInteger<std::int16_t>(value);
}

std::int32_t roundedInt32(double value) {
    return toInteger<std::int32_t>(value);
}

void throwOverflow() {
    throw RunError(kOverflow);
}

double leadingNumber(std::string_view text) {
    const std::size_t begin = skipBlanks(text, 0);
    const NumberSpan span = scanNumber(text, begin);
    return span.found ? parseSpan(text, begin, span) : 0.0;
}

bool isNumeric(std::string_view text) {
    const std::size_t begin = skipBlanks(text, 0);
    const NumberSpan span = scanNumber(text, begin);
    return span.found && skipBlanks(text, span.end) == text.size();
}

} // namespace textfile
