#pragma once
// The order of a table's rows: the slot each row's cells lie in, rows counted from 0.
//
// Rows sit in chunks of kChunk, every chunk full but the last, each a ring whose first row
// may lie anywhere in it. A row is found in one step; inserting one moves the rows after it
// in its own chunk and one row across each later chunk, so its cost does not grow with the
// rows before or after it as a plain array's does.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vc {

class RowOrder {
public:
    std::size_t size() const { return size_; }
    std::uint32_t operator[](std::size_t row) const { return slots_[place(row)]; }
    std::uint32_t& operator[](std::size_t row) { return slots_[place(row)]; }

    // Rows 0..count-1 in slots 0..count-1.
    void assignInOrder(std::size_t count);
    void clear();
    void reserve(std::size_t rows);
    void push_back(std::uint32_t slot);
    void pop_back() { --size_; }
    std::uint32_t back() const { return (*this)[size_ - 1]; }
    // `slot` as row `row` (0..size()), the rows from it moving down one.
    void insert(std::size_t row, std::uint32_t slot);
    // Keeps the rows whose flag is clear in their order, handing each other row's slot to
    // erased(slot); flags[row] for each row.
    template <class Erased> void eraseFlagged(const std::vector<bool>& flags, Erased&& erased) {
        std::size_t kept = 0;
        for (std::size_t row = 0; row < size_; ++row) {
            const std::uint32_t slot = (*this)[row];
            if (flags[row]) {
                erased(slot);
            } else {
                (*this)[kept++] = slot;
            }
        }
        size_ = kept;
    }

private:
    static constexpr std::size_t kShift = 8;
    static constexpr std::size_t kChunk = std::size_t{1} << kShift;
    static constexpr std::size_t kMask = kChunk - 1;

    // Where the row at `at` (0..kChunk-1) of a chunk lies.
    std::size_t placeIn(std::size_t chunk, std::size_t at) const {
        return (chunk << kShift) | ((heads_[chunk] + at) & kMask);
    }
    std::size_t place(std::size_t row) const { return placeIn(row >> kShift, row & kMask); }
    // Room for one more row.
    void makeRoom();

    std::vector<std::uint32_t> slots_; // chunk after chunk, kChunk each
    std::vector<std::size_t> heads_;   // per chunk: where in it its first row lies
    std::size_t size_ = 0;
};

} // namespace vc
