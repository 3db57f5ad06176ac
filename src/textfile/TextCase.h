#pragma once
// Trimming and case as imported and typed texts need them: only blanks are trimmed (a tab is
// text), and only ASCII letters change case, so bytes of other encodings pass unchanged.

#include <string>
#include <string_view>

namespace textfile {

inline bool isBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

// The text without the blanks around it, as a view of it. Most texts have none: those are
// taken as they are without a search from either end.
inline std::string_view trimmedBlanks(std::string_view text) {
    if (text.empty() || (text.front() != ' ' && text.back() != ' ')) {
        return text;
    }
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

inline std::string trimBlanks(std::string_view text) {
    return std::string(trimmedBlanks(text));
}

inline std::string upperCase(std::string text) {
    for (char& ch : text) {
        if (ch >= 'a' && ch <= 'z') {
            ch = static_cast<char>(ch - 'a' + 'A');
        }
    }
    return text;
}

inline char lowerCase(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

inline std::string lowerCase(std::string text) {
    for (char& ch : text) {
        ch = lowerCase(ch);
    }
    return text;
}

} // namespace textfile
