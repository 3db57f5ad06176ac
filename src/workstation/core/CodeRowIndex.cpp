#include "workstation/core/CodeRowIndex.h"

#include <algorithm>

namespace ws {
namespace {

std::uint64_t longHash(std::string_view code) {
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (const char c : code) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
}

} // namespace

CodeRowIndex::CodeRowIndex(const CodeSet& set) {
    const int rows = std::max<int>(set.NumCodes, 0);
    codes_.resize(static_cast<std::size_t>(rows) + 1);
    std::size_t capacity = 16;
    while (capacity < static_cast<std::size_t>(rows) * 2) {
        capacity *= 2;
    }
    slots_.assign(capacity, Slot{});
    mask_ = capacity - 1;
    for (int row = 1; row <= rows; ++row) {
        codes_[static_cast<std::size_t>(row)] = set.CodeTable.code(row);
        if (rowOf(codes_[static_cast<std::size_t>(row)]) == -1) { // a code listed twice keeps its first row
            insert(row, codes_[static_cast<std::size_t>(row)]);
        }
    }
}

void CodeRowIndex::insert(int row, const std::string& code) {
    Slot entry;
    entry.row = row;
    std::size_t at = 0;
    if (code.size() > kWordBytes) {
        at = static_cast<std::size_t>(longHash(code)) & mask_;
        entry.size = static_cast<std::uint32_t>(kWordBytes + 1); // never matches the word path
    } else {
        entry.word = textfile::shortTextWord(code);
        entry.size = static_cast<std::uint32_t>(code.size());
        at = slotOf(entry.word, entry.size);
    }
    while (slots_[at].row != 0) {
        at = (at + 1) & mask_;
    }
    slots_[at] = entry;
}

int CodeRowIndex::longRowOf(std::string_view code) const {
    for (std::size_t at = static_cast<std::size_t>(longHash(code)) & mask_;; at = (at + 1) & mask_) {
        const int row = slots_[at].row;
        if (row == 0) {
            return -1;
        }
        if (codes_[static_cast<std::size_t>(row)] == code) {
            return row;
        }
    }
}

} // namespace ws
