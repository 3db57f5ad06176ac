#include "workstation/core/EventSlotWriter.h"

#include "workstation/core/EventFileSlots.h"

namespace ws {

SlotWriter::SlotWriter(EventSlots& eventSlots, int slot)
    : slots_(eventSlots), slot_(slot), codes_(eventSlots.codesOf(slot)), times_(eventSlots.timesOf(slot)),
      furthest_(times_[0]) {}

SlotWriter::~SlotWriter() {
    markSlotFilled(slots_, slot_, std::max(furthest_, times_[0]));
}

} // namespace ws
