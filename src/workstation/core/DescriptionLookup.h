#pragma once
// CodeFromDescription for one import: a text once found keeps its code for the rest of the
// file, since the code table does not change during an import; a text not found is looked up
// (and warned about) again each time.

#include "textfile/ShortTextWord.h"
#include "textfile/TextSlots.h"
#include "workstation/core/CodeSet.h"
#include "workstation/core/ImportTimes.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace ws {

class DescriptionLookup {
public:
    DescriptionLookup(const CodeSet& codeSet, const std::string& importedFile, const ImportWarningSink& warn)
        : codeSet_(codeSet), importedFile_(importedFile), warn_(warn) {}

    // The code of `text`, or "" (after the warning) when the code set has none; valid until
    // the next look-up. Inline for a text found before, which nearly every cell is.
    const std::string& codeOf(std::string_view text) {
        if (!text.empty()) {
            const std::size_t known = slots_.find(keyOf(text), text.size(), [&](std::size_t found) {
                return text.size() <= textfile::kShortTextBytes || found_[found].text == text;
            });
            if (known != textfile::TextSlots::npos) {
                return found_[known].code;
            }
        }
        return lookUp(text);
    }

private:
    struct Found {
        std::string text;
        std::string code;
    };

    // Every cell of a file is looked up, among a handful of texts: the texts found are hashed
    // from their first and last eight bytes, which is cheap and tells them apart well enough.
    static std::uint64_t keyOf(std::string_view text) {
        if (text.size() <= textfile::kShortTextBytes) {
            return textfile::shortTextWord(text) ^ text.size() << 59;
        }
        std::uint64_t first = 0;
        std::uint64_t last = 0;
        std::memcpy(&first, text.data(), sizeof first);
        std::memcpy(&last, text.data() + text.size() - sizeof last, sizeof last);
        return first ^ (last * 0xC2B2AE3D27D4EB4Full) ^ text.size();
    }
    // A text not found before (or not found at all), looked up in the code set.
    const std::string& lookUp(std::string_view text);
    void insert(std::size_t found);

    const CodeSet& codeSet_;
    const std::string& importedFile_;
    const ImportWarningSink& warn_;
    std::vector<Found> found_;
    // Where each text found is: texts of up to eight bytes are told apart by key and length
    // alone, longer ones are compared only when both agree.
    textfile::TextSlots slots_;
    std::string none_;
};

} // namespace ws
