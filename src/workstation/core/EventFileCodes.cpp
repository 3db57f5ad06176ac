#include "workstation/core/EventFileCodes.h"

#include "textfile/RunError.h"

namespace ws {

std::string_view cutOffCode(std::string_view code, int numToUse) {
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
