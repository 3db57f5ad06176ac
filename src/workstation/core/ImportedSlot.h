#pragma once
// What the imports do to the slot they fill, holding it through a writer.

#include "workstation/core/EventSlotWriter.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ws {

// Sorts records 1..times(0) by time with the exact exchange steps, which decide the order of
// equal times that reports depend on: deliberately not stable.
void sortSlotByTime(SlotWriter& slot);
[[noreturn]] void throwSlotFull();
// Appends a record after the slot's end index and moves the end index to it; past the
// slot's capacity it throws RunError 9. Inline: every imported record passes here.
inline void appendImportedEvent(SlotWriter& slot, std::string_view code, std::int32_t time) {
    const int index = slot.times()[0] + 1;
    if (index > kMaxEvents) {
        throwSlotFull();
    }
    // Cleared and appended rather than assigned: an append into an empty string copies with
    // less ado than a replacement.
    std::string& slotCode = slot.code(index);
    slotCode.clear();
    slotCode.append(code);
    slot.time(index) = time;
    slot.time(0) = index;
}

} // namespace ws
