#include "videocoder/core/CodeLookup.h"

#include "videocoder/core/CodeSetFile.h"
#include "videocoder/core/TextCase.h"

#include <algorithm>

namespace vc {

CodeLookup::CodeLookup(const CodeSet& codes) {
    const int held = std::min({codes.gCodeCount, codes.gCodes.rows(), 32767});
    // Codes in order, each text kept at the first code that holds it, as FindCode's walk
    // stops at the first.
    for (int code = 1; code <= held; ++code) {
        const auto number = static_cast<std::int16_t>(code);
        first_.emplace(codes.gCodes.at(1, code).asText(), number);
        first_.emplace(codes.gCodes.at(2, code).asText(), number);
    }
}

std::int16_t CodeLookup::find(const std::string& text) const {
    const std::string wanted = trimBlanks(text);
    if (wanted.empty()) {
        return -1;
    }
    const auto found = first_.find(wanted);
    return found == first_.end() ? std::int16_t{-1} : found->second;
}

} // namespace vc
