#pragma once
// Emptying an event slot before a file is read into it. A slot holds kMaxEvents + 1 codes
// and times while a file seldom fills more than a few thousand, so re-creating whole slots
// cost more than reading the file. Instead the reader notes how far it filled each slot,
// and only that part, or up to the slot's times(0) when that is further, is emptied again.
// Other writers of a slot (sorting, removing events, initial states) keep inside both; a
// writer that may go further (the continuous-data merge) marks the slot filled to its end.

#include "workstation/core/EventSlots.h"

namespace ws {

// Leaves `slot` as re-created: every code empty and every time 0, at kMaxEvents + 1 of each.
void emptySlot(EventSlots& slots, int slot);
// The slot may hold records up to index `last` now.
void markSlotFilled(EventSlots& slots, int slot, int last);

} // namespace ws
