// Linked into every test program of the workstation: replaces the programs' empty check.
// A slot about to be emptied must hold nothing past its fill mark; otherwise a writer
// wrote without a SlotWriter and a later read would keep its records.
#include "workstation/core/EventFileSlots.h"

#include <gtest/gtest.h>

void ws::checkFillMark(const EventSlots& eventSlots, int slot) {
    if (const int index = firstEntryPastFillMark(eventSlots, slot); index != 0) {
        ADD_FAILURE() << "event slot " << slot << " holds an entry at " << index << " past its fill mark "
                      << eventSlots.slotFilledTo[slot == 2 ? 2 : 1];
    }
}
