#pragma once
// Numeric format masks of the reports: "########0", "##0.0", "0.00000", " #.#####0" ...
// "0" a digit always shown, "#" a digit shown when significant, "." the decimal point,
// any other character literal; a leading blank is the sign place.

#include "textfile/Precision.h"

#include <string>
#include <string_view>

namespace textfile {

// The value is first written to 7 (Single) or 15 (Double) significant digits, then that
// decimal is rounded to the mask's decimals, halves away from zero.
std::string formatMask(double value, std::string_view mask, Precision precision = Precision::Double);
// The same text appended to `out`; the plain masks write no text of their own on the way.
void appendMask(std::string& out, double value, std::string_view mask,
                Precision precision = Precision::Double);

namespace detail {
// formatMask the long way, through the written decimal, for any mask and value: the
// reference for the shorter ways formatMask takes for common masks.
std::string formatMaskByDecimal(double value, std::string_view mask, Precision precision);
} // namespace detail

} // namespace textfile
