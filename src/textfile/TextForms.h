#pragma once
// Print form and write form of lines; the text of numbers comes from NumberText.h.

#include "textfile/NumberText.h"
#include "textfile/Value.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace textfile {

inline constexpr std::string_view kLineEnd = "\r\n";

// Builds one write-form line: texts quoted, numbers bare, values by kind, commas between.
class WriteLine {
public:
    WriteLine& text(std::string_view t);
    WriteLine& number(double n);
    WriteLine& single(float n);       // a single-precision number in its shortest text
    WriteLine& value(const Value& v); // Empty writes nothing, Null writes #NULL#
    // The line with its CR LF.
    std::string str() const;

private:
    std::string line_;
    bool first_ = true;
    void separate();
};

} // namespace textfile
