#include "workstation/core/EventFileSlots.h"

#include <algorithm>
#include <cstddef>

namespace ws {
namespace {

constexpr std::size_t kSlotSize = kMaxEvents + 1;

int withinSlot(int index) {
    return std::clamp(index, 0, kMaxEvents);
}

void emptyOne(EventSlots& slots, int slot) {
    auto& codes = slots.codesOf(slot);
    auto& times = slots.timesOf(slot);
    int& filledTo = slots.slotFilledTo[slot == 2 ? 2 : 1];
    if (codes.size() != kSlotSize || times.size() != kSlotSize) {
        codes.assign(kSlotSize, std::string());
        times.assign(kSlotSize, 0);
    } else {
        const auto end = static_cast<std::size_t>(std::max(filledTo, withinSlot(times[0]))) + 1;
        for (std::size_t i = 0; i < end; ++i) {
            codes[i].clear(); // keeps the string's buffer for the next file's code
        }
        std::fill_n(times.begin(), end, 0);
    }
    filledTo = 0;
}

} // namespace

void emptySlot(EventSlots& slots, int slot) {
    if (slot == 2) {
        emptyOne(slots, 2);
    } else {
        // The second slot pairs with the first: a new first file leaves no stale partner.
        emptyOne(slots, 1);
        emptyOne(slots, 2);
    }
}

void markSlotFilled(EventSlots& slots, int slot, int last) {
    int& filledTo = slots.slotFilledTo[slot == 2 ? 2 : 1];
    filledTo = std::max(filledTo, withinSlot(last));
}

} // namespace ws
