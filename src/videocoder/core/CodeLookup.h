#pragma once
// FindCode() for many texts against one code set: an index of the set's codes and
// descriptions, built once, in place of a walk over the set for every text.

#include "videocoder/core/Globals.h"

#include <cstdint>
#include <string>
#include <unordered_map>

namespace vc {

class CodeLookup {
public:
    // The set as it stands; the index does not follow later edits.
    explicit CodeLookup(const CodeSet& codes);
    // What FindCode(codes, text) gives: the first code whose code or description is the
    // text without its blanks; -1 when none is, or the text is blank.
    std::int16_t find(const std::string& text) const;

private:
    std::unordered_map<std::string, std::int16_t> first_;
};

} // namespace vc
