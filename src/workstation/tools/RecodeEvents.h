#pragma once
// Recoding the events of slot 1 in place, and the event file written from them.

#include "workstation/core/EventSlots.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ws {

enum class RecodeMode {
    Individuals, // each 'From' code becomes the 'To' code of its pair, pair after pair
    Groups,      // each run of the 'From' codes becomes the run of the 'To' codes
};

struct RecodeChoice {
    RecodeMode mode = RecodeMode::Groups;
    std::vector<std::string> from; // List2, in list order
    std::vector<std::string> to;   // List3, in list order
};

// Recodes the events 1..times(0) of slot 1, the end record among them. A Groups run of
// another length than its 'From' run takes the 'From' times in order, the last one repeated
// for the extra events of a longer run; the scan goes on after the new run. False, with the
// slot as it was, when the result would hold more than kMaxEvents events.
bool recodeSlot(EventSlots& slots, const RecodeChoice& choice);

// The event file of slot 1: "Events", the header, every event up to the end record, and a
// closing "-500" record with endTime when recoding left another code in the end record.
std::string recodedFileBytes(const EventSlots& slots, const std::string& header, std::int32_t endTime);

} // namespace ws
