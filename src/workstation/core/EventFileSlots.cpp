#include "workstation/core/EventFileSlots.h"

#include <algorithm>
#include <cstddef>

namespace ws {
namespace {

constexpr std::size_t kSlotSize = kMaxEvents + 1;

int withinSlot(int index) {
    return std::clamp(index, 0, kMaxEvents);
}

int filledEnd(const EventSlots& eventSlots, int slot) {
    if (eventSlots.timesOf(slot).empty()) {
        return 0;
    }
    return std::max(eventSlots.slotFilledTo[slot == 2 ? 2 : 1], withinSlot(eventSlots.timesOf(slot)[0]));
}

void emptyOne(EventSlots& eventSlots, int slot) {
    checkFillMark(eventSlots, slot);
    auto& codes = eventSlots.codesOf(slot);
    auto& times = eventSlots.timesOf(slot);
    int& filledTo = eventSlots.slotFilledTo[slot == 2 ? 2 : 1];
    if (codes.size() != kSlotSize || times.size() != kSlotSize) {
        codes.assign(kSlotSize, std::string());
        times.assign(kSlotSize, 0);
    } else {
        const auto end = static_cast<std::size_t>(filledEnd(eventSlots, slot)) + 1;
        for (std::size_t i = 0; i < end; ++i) {
            codes[i].clear(); // keeps the string's buffer for the next file's code
        }
        std::fill_n(times.begin(), end, 0);
    }
    filledTo = 0;
}

} // namespace

__attribute__((weak)) void checkFillMark(const EventSlots&, int) {}

int firstEntryPastFillMark(const EventSlots& eventSlots, int slot) {
    const auto& codes = eventSlots.codesOf(slot);
    const auto& times = eventSlots.timesOf(slot);
    const auto size = static_cast<int>(std::min(codes.size(), times.size()));
    for (int index = filledEnd(eventSlots, slot) + 1; index < size; ++index) {
        if (!codes[static_cast<std::size_t>(index)].empty() || times[static_cast<std::size_t>(index)] != 0) {
            return index;
        }
    }
    return 0;
}

void emptySlot(EventSlots& eventSlots, int slot) {
    if (slot == 2) {
        emptyOne(eventSlots, 2);
    } else {
        // The second slot pairs with the first: a new first file leaves no stale partner.
        emptyOne(eventSlots, 1);
        emptyOne(eventSlots, 2);
    }
}

void markSlotFilled(EventSlots& eventSlots, int slot, int last) {
    int& filledTo = eventSlots.slotFilledTo[slot == 2 ? 2 : 1];
    filledTo = std::max(filledTo, withinSlot(last));
}

} // namespace ws
