#pragma once
// A value as the write-form files hold it: a quoted text, a bare number,
// nothing between two commas, or #NULL#.

#include <string>

namespace textfile {

struct Value {
    enum class Kind { Empty, Null, Text, Number };
    Kind kind = Kind::Empty;
    std::string text;  // for Text
    double number = 0; // for Number

    static Value empty() { return {}; }
    static Value null() { return {Kind::Null, {}, 0}; }
    static Value ofText(std::string t) { return {Kind::Text, std::move(t), 0}; }
    static Value ofNumber(double n) { return {Kind::Number, {}, n}; }

    bool isNumber() const { return kind == Kind::Number; }
    bool isText() const { return kind == Kind::Text; }
    // The value as text: a number in its write form, Empty and Null as "".
    std::string asText() const;
    // The value as a number: a Number as it is, a Text through leadingNumber(), Empty/Null as 0.
    double asNumber() const;

    bool operator==(const Value&) const = default;
};

} // namespace textfile
