#include "workstation/core/EventFileCodes.h"

#include "textfile/RunError.h"

namespace ws {

std::string codeWithoutBlanks(const std::string& code) {
    const auto first = code.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    const auto last = code.find_last_not_of(' ');
    return code.substr(first, last - first + 1);
}

std::string cutOffCode(const std::string& code, int numToUse) {
    const int start = numToUse % 100;
    const int length = numToUse / 100;
    if (start < 1 || length < 0) {
        throw textfile::RunError(textfile::kInvalidArgument);
    }
    const auto from = static_cast<std::size_t>(start - 1);
    if (from >= code.size()) {
        return {};
    }
    return code.substr(from, static_cast<std::size_t>(length));
}

} // namespace ws
