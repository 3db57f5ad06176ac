#pragma once
// Conversions with the classic integer and single-precision rules.

#include <cstdint>
#include <string_view>

namespace textfile {

// Halves go to the even neighbour; out of range throws RunError 6 (overflow).
std::int16_t toInt16(double value);
std::int32_t toInt32(double value);
// Rounds to single precision; out of range throws RunError 6.
float toSingle(double value);

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
