#pragma once
// How the event-file readers treat the code of a record.

#include <string>

namespace ws {

// The code without the blanks around it.
std::string codeWithoutBlanks(const std::string& code);

// The part of a code kept by the code cut-off: it starts at numToUse mod 100 (1 is the first
// character) and is numToUse div 100 characters long, fewer when the code is shorter.
// A start before the first character or a negative length throws RunError 5.
std::string cutOffCode(const std::string& code, int numToUse);

} // namespace ws
