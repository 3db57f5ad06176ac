#pragma once
// How the event-file readers treat the code of a record.

#include <string>
#include <string_view>

namespace ws {

// The code without the blanks around it: a view into `code`, so `code` must outlive it.
// Inline: every record of a file passes through it, nearly always with nothing to take off.
inline std::string_view codeWithoutBlanks(std::string_view code) {
    while (!code.empty() && code.front() == ' ') {
        code.remove_prefix(1);
    }
    while (!code.empty() && code.back() == ' ') {
        code.remove_suffix(1);
    }
    return code;
}

// The part of a code kept by the code cut-off: it starts at numToUse mod 100 (1 is the first
// character) and is numToUse div 100 characters long, fewer when the code is shorter.
// A start before the first character or a negative length throws RunError 5. A view into
// `code`: a reader cuts every record's code, and stores only the part kept.
std::string_view cutOffCode(std::string_view code, int numToUse);

} // namespace ws
