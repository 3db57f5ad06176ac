#pragma once
// Where each of a list of names stands, found by its hash: the names stay in their list and
// the index holds only (hash, place) pairs side by side, 8 bytes a slot, so a look-up reads a
// few neighbouring slots and then the one name they point at, however long the list grows.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace platform {

class NameIndex {
public:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    static std::uint64_t hashOf(std::string_view name) { return std::hash<std::string_view>{}(name); }

    // The place of `name` (whose hash is `hash`), or kNone; nameAt(place) gives the name at a place.
    template <class NameAt>
    std::size_t find(std::string_view name, std::uint64_t hash, NameAt&& nameAt) const {
        if (slots_.empty()) {
            return kNone;
        }
        const auto tag = static_cast<std::uint32_t>(hash);
        for (std::size_t at = tag & mask_;; at = (at + 1) & mask_) {
            const Slot& slot = slots_[at];
            if (slot.place == 0) {
                return kNone;
            }
            if (slot.tag == tag && std::string_view(nameAt(slot.place - 1)) == name) {
                return slot.place - 1;
            }
        }
    }

    // Room for `count` names in all, made before any is added so that adding them never
    // moves the ones already there.
    void reserve(std::size_t count) {
        if (count_ == 0 && count * 4 > slots_.size() * 3) {
            std::size_t size = 16;
            while (count * 4 > size * 3) {
                size *= 2;
            }
            slots_.assign(size, Slot{});
            mask_ = size - 1;
        }
    }

    // Adds a place for a name not in the index yet.
    void add(std::uint64_t hash, std::size_t place) {
        if ((count_ + 1) * 4 > slots_.size() * 3) {
            grow();
        }
        put(static_cast<std::uint32_t>(hash), static_cast<std::uint32_t>(place + 1));
        ++count_;
    }

private:
    struct Slot {
        std::uint32_t tag = 0;   // the low half of the name's hash
        std::uint32_t place = 0; // the name's place + 1; 0: empty
    };

    // The low half of the hash places a slot as well as tagging it, so growing needs no names.
    void put(std::uint32_t tag, std::uint32_t place) {
        std::size_t at = tag & mask_;
        while (slots_[at].place != 0) {
            at = (at + 1) & mask_;
        }
        slots_[at] = {tag, place};
    }

    void grow() {
        std::vector<Slot> old(slots_.empty() ? 16 : slots_.size() * 2);
        old.swap(slots_);
        mask_ = slots_.size() - 1;
        for (const Slot& slot : old) {
            if (slot.place != 0) {
                put(slot.tag, slot.place);
            }
        }
    }

    std::vector<Slot> slots_; // open addressing, a power of two long, at most three quarters full
    std::size_t mask_ = 0;
    std::size_t count_ = 0;
};

} // namespace platform
