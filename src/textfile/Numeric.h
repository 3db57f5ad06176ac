#pragma once
// Conversions with the classic integer and single-precision rules.

#include <cmath>
#include <cstdint>
#include <string_view>

namespace textfile {

// Throws RunError 6 (overflow).
[[noreturn]] void throwOverflow();

// toInt32() of a value that is not whole or not in range.
std::int32_t roundedInt32(double value);

// Halves go to the even neighbour; out of range throws RunError 6 (overflow).
std::int16_t toInt16(double value);
// Inline for the values nearly every call has, whole and in range; the rest round out of line.
inline std::int32_t toInt32(double value) {
    if (value >= -2147483648.0 && value <= 2147483647.0) { // NaN fails it too
        const auto whole = static_cast<std::int32_t>(value);
        if (static_cast<double>(whole) == value) {
            return whole;
        }
    }
    return roundedInt32(value);
}
// Rounds to single precision; out of range throws RunError 6. Inline: every imported time
// goes through it several times.
inline float toSingle(double value) {
    const float single = static_cast<float>(value);
    if (!std::isfinite(single)) {
        throwOverflow();
    }
    return single;
}

// The longest leading number of a text: blanks skipped, an optional sign, digits, an
// optional point with digits, an optional exponent; nothing numeric (or empty) gives 0.
// A number too large for a double throws RunError 6.
double leadingNumber(std::string_view text);

// Whether the whole text (blanks around it allowed) is one number.
bool isNumeric(std::string_view text);

// Flags are 16-bit: true is -1, false 0.
inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;
inline std::int16_t toFlag(bool b) {
    return b ? kTrue : kFalse;
}

} // namespace textfile
