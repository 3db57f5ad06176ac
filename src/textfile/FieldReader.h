#pragma once
// Reads the suite's text files the way every reader of the suite does:
// comma/quote fields ("input" reads) and whole lines ("line input" reads).
// Lines may end in CR LF or LF.

#include "textfile/Value.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace textfile {

struct Field {
    std::string text;    // without its quotes when it was quoted, blanks around it dropped otherwise
    bool quoted = false; // the field stood in double quotes
};

class FieldReader {
public:
    explicit FieldReader(std::string bytes);
    // Reads a whole file; throws RunError 53 when it does not exist, 75 when it cannot be read.
    static FieldReader fromFile(const std::string& path);

    // One comma-delimited field. A quoted field runs to its closing quote (commas inside belong
    // to it); what follows up to the next comma or line end is skipped. The delimiter after the
    // field (comma or line end) is consumed. Throws RunError 62 at the end of the input.
    Field readField();
    std::string readText() { return readField().text; }
    // A field read as a number: bare or print form (" 5 "), a fraction allowed; an empty
    // unquoted field reads as 0. Throws RunError 13 when the field holds other text, 62 at the end.
    double readNumber();
    // A field read into a value: quoted gives Text, "#NULL#" Null, nothing Empty,
    // a bare number Number, any other bare text Text.
    Value readValue();
    // The rest of the current line, whole (commas and quotes included), without its line end.
    // Throws RunError 62 at the end of the input.
    std::string readLine();

    bool atEnd() const { return pos_ >= bytes_.size(); }
    std::size_t position() const { return pos_; }

private:
    std::string bytes_;
    std::size_t pos_ = 0;
};

} // namespace textfile
