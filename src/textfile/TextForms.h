#pragma once
// Print form, write form and the text of numbers.

#include "textfile/Value.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace textfile {

inline constexpr std::string_view kLineEnd = "\r\n";

// Print form of a number: sign place (blank or "-"), digits, one blank: " 5 ", "-3 ".
std::string printNumber(double value);
// A number joined into a text: sign place and digits, nothing after: " 5", "-3".
std::string joinedNumber(double value);

// Text of a number with no blanks: whole numbers without a point ("180", "-3"), others
// with a "0" before a leading point ("0.5"), no trailing zeros and no exponent below 1E15.
std::string doubleText(double value); // at most 15 significant digits
std::string singleText(float value);  // the shortest text that reads back to the same single

// Builds one write-form line: texts quoted, numbers bare, values by kind, commas between.
class WriteLine {
public:
    WriteLine& text(std::string_view t);
    WriteLine& number(double n);
    WriteLine& value(const Value& v); // Empty writes nothing, Null writes #NULL#
    // The line with its CR LF.
    std::string str() const;

private:
    std::string line_;
    bool first_ = true;
    void separate();
};

} // namespace textfile
