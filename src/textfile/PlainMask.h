#pragma once
// The short way through formatMask for the masks the reports use most: any "#"s, one
// "0", and perhaps a point with only "0"s after it ("########0", "##0.0"). For them the
// text is the sign, the whole digits (at least "0") and every decimal, so it comes
// straight from the rounded number without writing the value out digit by digit first.

#include "textfile/Precision.h"

#include <optional>
#include <string>
#include <string_view>

namespace textfile::detail {

// The text formatMaskByDecimal gives, or nullopt when the mask is not plain or the
// value is one this way cannot vouch for: a value too large or (in single precision) too
// small, one within reach of a rounding half, NaN or infinity.
std::optional<std::string> formatPlainMask(double value, std::string_view mask, Precision precision);
// The same text appended to `out`; false, with `out` untouched, where formatPlainMask
// gives nullopt.
bool appendPlainMask(std::string& out, double value, std::string_view mask, Precision precision);

} // namespace textfile::detail
