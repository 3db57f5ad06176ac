#pragma once
// The text of numbers: print form, joined form, and the digits of doubles and singles.

#include <cstdint>
#include <string>

namespace textfile {

// Print form of a number: sign place (blank or "-"), digits, one blank: " 5 ", "-3 ".
std::string printNumber(double value);
// The print form of a whole number appended to `out`, as printNumber writes it.
void appendPrintNumber(std::string& out, std::int32_t value);
// A number joined into a text: sign place and digits, nothing after: " 5", "-3".
std::string joinedNumber(double value);

// Text of a number with no blanks: whole numbers without a point ("180", "-3"), others
// with a "0" before a leading point ("0.5"), no trailing zeros and no exponent below 1E15.
std::string doubleText(double value); // at most 15 significant digits
std::string singleText(float value);  // the shortest text that reads back to the same single

} // namespace textfile
