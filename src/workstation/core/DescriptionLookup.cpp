#include "workstation/core/DescriptionLookup.h"

#include <cstring>

namespace ws {

std::uint64_t DescriptionLookup::keyOf(std::string_view text) {
    if (text.size() <= textfile::kShortTextBytes) {
        return shortKeyOf(text);
    }
    std::uint64_t first = 0;
    std::uint64_t last = 0;
    std::memcpy(&first, text.data(), sizeof first);
    std::memcpy(&last, text.data() + text.size() - sizeof last, sizeof last);
    return first ^ (last * 0xC2B2AE3D27D4EB4Full) ^ text.size();
}

void DescriptionLookup::insert(std::size_t found) {
    const std::string& text = found_[found].text;
    slots_.insert(keyOf(text), text.size(), found);
}

const std::string& DescriptionLookup::lookUp(std::string_view text) {
    if (text.empty()) {
        none_.clear();
        return none_; // a blank cell: no code and no warning
    }
    const std::size_t known = slots_.find(keyOf(text), text.size(), [&](std::size_t found) {
        return text.size() <= textfile::kShortTextBytes || found_[found].text == text;
    });
    if (known != textfile::TextSlots::npos) {
        return found_[known].code;
    }
    std::string code = CodeFromDescription(codeSet_, text, importedFile_, warn_);
    if (code.empty()) {
        none_.clear();
        return none_;
    }
    found_.push_back(Found{std::string(text), std::move(code)});
    if (2 * found_.size() > slots_.capacity()) {
        slots_.reserveFor(found_.size());
        for (std::size_t found = 0; found < found_.size(); ++found) {
            insert(found);
        }
    } else {
        insert(found_.size() - 1);
    }
    return found_.back().code;
}

} // namespace ws
