#pragma once
// Emptying an event slot before a file is read into it. A slot holds kMaxEvents + 1 codes
// and times while a file seldom fills more than a few thousand, so re-creating whole slots
// cost more than reading the file. Instead the reader notes how far it filled each slot,
// and only that part, or up to the slot's times(0) when that is further, is emptied again.
// Every writer of a slot holds a SlotWriter, which keeps the mark true.

#include "workstation/core/EventSlots.h"

namespace ws {

// Leaves `slot` as re-created: every code empty and every time 0, at kMaxEvents + 1 of each.
void emptySlot(EventSlots& eventSlots, int slot);
// The slot may hold records up to index `last` now.
void markSlotFilled(EventSlots& eventSlots, int slot, int last);

// The first index past both the slot's fill mark and its end index that holds a code or a
// time, or 0 when there is none: emptySlot would leave that entry stale.
int firstEntryPastFillMark(const EventSlots& eventSlots, int slot);
// Called by emptySlot before it empties a slot. Does nothing in the programs; the test
// build replaces it with a check that fails the running test on a stale entry.
void checkFillMark(const EventSlots& eventSlots, int slot);

} // namespace ws
