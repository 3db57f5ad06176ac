#pragma once
// A number as decimal digits, the common ground of the text forms and the masks:
// each of them first writes the value to a fixed number of significant digits and
// then works on that decimal, never on the binary value.

#include <string>

namespace textfile::detail {

struct Decimal {
    bool negative = false;
    std::string digits; // significant digits, no leading or trailing zeros; empty for zero
    int pointPos = 0;   // digits before the decimal point: value = 0.digits * 10^pointPos

    bool isZero() const { return digits.empty(); }
};

// The value written to `significant` digits (correctly rounded); finite values only.
Decimal toDecimal(double value, int significant);
// The shortest digits that read back to the same single.
Decimal shortestSingle(float value);

// Rounds to `decimals` places after the point, halves away from zero.
Decimal roundedTo(Decimal d, int decimals);

// Plain text with no exponent: "180", "-3", "0.5", "0" (never "-0").
std::string plainText(const Decimal& d);
// Exponent form for large magnitudes: "1E+15", "-2.5E+20".
std::string exponentText(const Decimal& d);

} // namespace textfile::detail
