#include "workstation/core/CodeRowIndex.h"

#include <algorithm>
#include <bit>

namespace ws {
namespace {

std::uint64_t longHash(std::string_view code) {
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (const char c : code) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
}

// Odd multipliers tried in turn, from a fixed seed so every run lays a table out alike.
std::uint64_t nextMultiplier(std::uint64_t& state) {
    state += 0x9E3779B97F4A7C15ull; // splitmix64
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return (z ^ (z >> 31)) | 1u;
}

} // namespace

CodeRowIndex::CodeRowIndex(const CodeSet& set) {
    const int rows = std::max<int>(set.NumCodes, 0);
    codes_.resize(static_cast<std::size_t>(rows) + 1);
    for (int row = 1; row <= rows; ++row) {
        codes_[static_cast<std::size_t>(row)] = set.CodeTable.code(row);
    }
    std::size_t capacity = 64;
    while (capacity < static_cast<std::size_t>(rows) * 4) {
        capacity *= 2;
    }
    slots_.assign(capacity, Slot{});
    mask_ = capacity - 1;
    shift_ = 64 - std::countr_zero(capacity);
    chooseMultiplier();
    for (int row = 1; row <= rows; ++row) {
        if (rowOf(codes_[static_cast<std::size_t>(row)]) == -1) { // a code listed twice keeps its first row
            insert(row, codes_[static_cast<std::size_t>(row)]);
        }
    }
}

// Nearly every record's code is one of the table's short codes: a multiplier that gives
// each of them a slot of its own makes every such lookup one probe that the processor
// guesses right. Collisions stay correct (the probe walks on); they are only made rare.
void CodeRowIndex::chooseMultiplier() {
    std::vector<std::uint64_t> keys;
    for (std::size_t row = 1; row < codes_.size(); ++row) {
        const std::string& code = codes_[row];
        if (code.size() <= kWordBytes) {
            keys.push_back(textfile::shortTextWord(code) ^ code.size());
        }
    }
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    // A table of a few dozen codes nearly always has such a multiplier among the first
    // tries; a large one seldom has, and an index may be made for every file read.
    constexpr std::size_t kManyCodes = 64;
    const int tries = keys.size() <= kManyCodes ? 64 : 4;
    std::vector<bool> taken(slots_.size());
    std::uint64_t state = 20261211;
    std::size_t fewest = keys.size() + 1;
    std::uint64_t best = multiplier_;
    for (int attempt = 0; attempt < tries && fewest != 0; ++attempt) {
        multiplier_ = attempt == 0 ? best : nextMultiplier(state);
        std::fill(taken.begin(), taken.end(), false);
        std::size_t collisions = 0;
        for (const std::uint64_t key : keys) {
            const auto home = static_cast<std::size_t>((key * multiplier_) >> shift_);
            collisions += taken[home] ? 1 : 0;
            taken[home] = true;
        }
        if (collisions < fewest) {
            fewest = collisions;
            best = multiplier_;
        }
    }
    multiplier_ = best;
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
