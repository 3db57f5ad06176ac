#include "workstation/core/DescriptionLookup.h"

#include "textfile/ShortTextWord.h"

#include <cstring>

namespace ws {

std::uint64_t DescriptionLookup::keyOf(std::string_view text) {
    if (text.size() <= textfile::kShortTextBytes) {
        return textfile::shortTextWord(text) ^ text.size() << 59;
    }
    std::uint64_t first = 0;
    std::uint64_t last = 0;
    std::memcpy(&first, text.data(), sizeof first);
    std::memcpy(&last, text.data() + text.size() - sizeof last, sizeof last);
    return first ^ (last * 0xC2B2AE3D27D4EB4Full) ^ text.size();
}

void DescriptionLookup::insert(std::size_t found) {
    const std::string& text = found_[found].text;
    const std::uint64_t key = keyOf(text);
    std::size_t at = slotOf(key);
    while (slots_[at].found != 0) {
        at = (at + 1) & (slots_.size() - 1);
    }
    slots_[at] = Slot{key, text.size(), found + 1};
}

const std::string& DescriptionLookup::codeOf(std::string_view text) {
    if (text.empty()) {
        none_.clear();
        return none_; // a blank cell: no code and no warning
    }
    if (!slots_.empty()) {
        const std::uint64_t key = keyOf(text);
        for (std::size_t at = slotOf(key); slots_[at].found != 0; at = (at + 1) & (slots_.size() - 1)) {
            const Slot& slot = slots_[at];
            if (slot.key == key && slot.size == text.size()) {
                const Found& found = found_[slot.found - 1];
                if (text.size() <= textfile::kShortTextBytes || found.text == text) {
                    return found.code;
                }
            }
        }
    }
    std::string code = CodeFromDescription(codeSet_, text, importedFile_, warn_);
    if (code.empty()) {
        none_.clear();
        return none_;
    }
    found_.push_back(Found{std::string(text), std::move(code)});
    if (2 * found_.size() > slots_.size()) {
        // Rehashed at half full, so that a search always meets an empty slot.
        slots_.assign(slots_.empty() ? 16 : 2 * slots_.size(), Slot{});
        shift_ = 64;
        for (std::size_t size = slots_.size(); size > 1; size /= 2) {
            --shift_;
        }
        for (std::size_t found = 0; found < found_.size(); ++found) {
            insert(found);
        }
    } else {
        insert(found_.size() - 1);
    }
    return found_.back().code;
}

} // namespace ws
