#pragma once
// Where texts stand in a list of their owner's, found by a 64-bit key of each and its length:
// open addressing over a power of two of slots, kept at most half full so that every search
// meets an empty slot. The owner chooses the key (the text's word when it is short, so that
// equal keys and lengths mean equal texts; a hash otherwise) and decides, when both agree,
// whether the text at that place is the one sought.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace textfile {

class TextSlots {
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    // Empties the table, with room for `count` texts.
    void reserveFor(std::size_t count) {
        std::size_t capacity = 16;
        shift_ = 60;
        while (capacity < 2 * count) {
            capacity *= 2;
            --shift_;
        }
        slots_.assign(capacity, Slot{});
    }
    std::size_t capacity() const { return slots_.size(); }

    // The first place stored under `key` and `size` for which is(place) holds; npos when none.
    template <class IsSought> std::size_t find(std::uint64_t key, std::size_t size, IsSought is) const {
        if (slots_.empty()) {
            return npos;
        }
        for (std::size_t at = slotOf(key, size); slots_[at].place != 0; at = next(at)) {
            const Slot& slot = slots_[at];
            if (slot.key == key && slot.size == size && is(slot.place - 1)) {
                return slot.place - 1;
            }
        }
        return npos;
    }

    // Stores `place` under `key` and `size`; the caller keeps the table at most half full.
    void insert(std::uint64_t key, std::size_t size, std::size_t place) {
        std::size_t at = slotOf(key, size);
        while (slots_[at].place != 0) {
            at = next(at);
        }
        slots_[at] = Slot{key, size, place + 1};
    }

private:
    struct Slot {
        std::uint64_t key = 0;
        std::size_t size = 0;
        std::size_t place = 0; // 1 + the place; 0: empty
    };

    // The hash's top bits pick the slot.
    std::size_t slotOf(std::uint64_t key, std::size_t size) const {
        return static_cast<std::size_t>(((key ^ size) * 0x9E3779B97F4A7C15ull) >> shift_);
    }
    std::size_t next(std::size_t at) const { return (at + 1) & (slots_.size() - 1); }

    std::vector<Slot> slots_;
    int shift_ = 60; // 64 - log2(the number of slots)
};

} // namespace textfile
