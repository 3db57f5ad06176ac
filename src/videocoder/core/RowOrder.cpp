#include "videocoder/core/RowOrder.h"

namespace vc {

void RowOrder::assignInOrder(std::size_t count) {
    const std::size_t chunks = (count + kMask) >> kShift;
    slots_.resize(chunks << kShift);
    heads_.assign(chunks, 0);
    for (std::size_t row = 0; row < count; ++row) {
        slots_[row] = static_cast<std::uint32_t>(row);
    }
    size_ = count;
}

void RowOrder::clear() {
    slots_.clear();
    heads_.clear();
    size_ = 0;
}

void RowOrder::reserve(std::size_t rows) {
    const std::size_t chunks = (rows + kMask) >> kShift;
    slots_.reserve(chunks << kShift);
    heads_.reserve(chunks);
}

void RowOrder::makeRoom() {
    if (size_ == slots_.size()) {
        slots_.resize(slots_.size() + kChunk);
        heads_.push_back(0);
    }
}

void RowOrder::push_back(std::uint32_t slot) {
    makeRoom();
    slots_[place(size_)] = slot;
    ++size_;
}

void RowOrder::insert(std::size_t row, std::uint32_t slot) {
    makeRoom();
    const std::size_t chunk = row >> kShift;
    const std::size_t lastChunk = size_ >> kShift;
    // Each later chunk takes the last row of the one before it at its front.
    for (std::size_t later = lastChunk; later > chunk; --later) {
        heads_[later] = (heads_[later] + kMask) & kMask;
        slots_[placeIn(later, 0)] = slots_[placeIn(later - 1, kMask)];
    }
    // In the row's own chunk the rows from it move down one, into the place its last row
    // left (or the free place after the last row of the last chunk).
    const std::size_t first = row & kMask;
    for (std::size_t at = chunk < lastChunk ? kMask : size_ & kMask; at > first; --at) {
        slots_[placeIn(chunk, at)] = slots_[placeIn(chunk, at - 1)];
    }
    slots_[placeIn(chunk, first)] = slot;
    ++size_;
}

} // namespace vc
