#pragma once
// Blanks around a text: the classic Trim removes spaces only, never tabs or line ends.

#include <string>
#include <string_view>

namespace textfile {

inline std::string trimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

} // namespace textfile
