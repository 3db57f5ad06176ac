#pragma once
// Where the lines of the suite's text files end: CR LF, LF or a lone CR, found in one pass
// over the line whatever the file's line ends are.

#include <cstddef>
#include <string_view>

namespace textfile {

// Where the line that goes on at pos ends: at its CR or LF, or at the end of text.
std::size_t lineEndFrom(std::string_view text, std::size_t pos);
// Past the line end at pos (CR LF, LF or a lone CR); pos itself when none stands there.
inline std::size_t pastLineEnd(std::string_view text, std::size_t pos) {
    if (pos < text.size() && text[pos] == '\r') {
        ++pos;
    }
    if (pos < text.size() && text[pos] == '\n') {
        ++pos;
    }
    return pos;
}

} // namespace textfile
