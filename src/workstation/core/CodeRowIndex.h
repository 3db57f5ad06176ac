#pragma once
// Rows of the code table by code, for counting every event of a file: the table does
// not change while a report runs, so its codes are hashed once instead of scanned for
// each event. Codes of up to eight bytes (nearly all) are compared as one word.

#include "textfile/ShortTextWord.h"
#include "workstation/core/CodeSet.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ws {

class CodeRowIndex {
public:
    explicit CodeRowIndex(const CodeSet& set);

    // The first row whose code equals `code` exactly, as FindCode gives it; -1 when none.
    int rowOf(std::string_view code) const {
        if (code.size() > kWordBytes) {
            return longRowOf(code);
        }
        return shortRowOf(textfile::shortTextWord(code), code.size());
    }
    // rowOf() for a code of at most eight bytes given as its shortTextWord().
    int shortRowOf(std::uint64_t word, std::size_t codeSize) const {
        const auto size = static_cast<std::uint32_t>(codeSize);
        for (std::size_t at = slotOf(word, size);; at = (at + 1) & mask_) {
            const Slot& slot = slots_[at];
            if (slot.row == 0) {
                return -1;
            }
            if (slot.word == word && slot.size == size) {
                return slot.row;
            }
        }
    }

private:
    static constexpr std::size_t kWordBytes = textfile::kShortTextBytes;
    struct Slot {
        std::uint64_t word = 0; // the code's bytes, for codes of up to eight bytes
        std::uint32_t size = 0;
        std::int32_t row = 0; // 0: empty
    };

    std::size_t slotOf(std::uint64_t word, std::uint32_t size) const {
        return static_cast<std::size_t>(((word ^ size) * multiplier_) >> shift_);
    }
    void chooseMultiplier();
    int longRowOf(std::string_view code) const;
    void insert(int row, const std::string& code);

    std::vector<std::string> codes_; // by row
    std::vector<Slot> slots_;        // open addressing
    std::size_t mask_ = 0;
    std::uint64_t multiplier_ = 0x9E3779B97F4A7C15ull;
    int shift_ = 58; // 64 less the table's bits: a short code's slot is its product's top bits
};

} // namespace ws
