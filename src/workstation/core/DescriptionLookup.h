#pragma once
// CodeFromDescription for one import: a text once found keeps its code for the rest of the
// file, since the code table does not change during an import; a text not found is looked up
// (and warned about) again each time.

#include "workstation/core/CodeSet.h"
#include "workstation/core/ImportTimes.h"

#include <string>
#include <string_view>
#include <unordered_map>

namespace ws {

class DescriptionLookup {
public:
    DescriptionLookup(const CodeSet& codeSet, const std::string& importedFile, const ImportWarningSink& warn)
        : codeSet_(codeSet), importedFile_(importedFile), warn_(warn) {}

    // The code of `text`, or "" (after the warning) when the code set has none.
    const std::string& codeOf(const std::string& text);

private:
    const CodeSet& codeSet_;
    const std::string& importedFile_;
    const ImportWarningSink& warn_;
    std::unordered_map<std::string, std::string> found_;
    std::string none_;
};

} // namespace ws
