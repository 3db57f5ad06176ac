#pragma once
// Which pairs of events an event-lag count visits: the given at position i, the target at
// i + offset, i walked in scan order. Only pairs whose two positions are events (1 to the
// last event) are visited, whatever the lag: a negative or oversized lag reads nothing
// outside the events.

#include <cstdint>

namespace ws {

struct LagScan {
    std::int64_t first = 1;
    std::int64_t last = 0;
    std::int64_t step = 1;   // +1 forward, -1 backward
    std::int64_t offset = 0; // target position minus given position

    bool holds(std::int64_t i) const { return step > 0 ? i <= last : i >= last; }
    // The number of pairs visited.
    std::int64_t pairs() const {
        return step > 0 ? (last >= first ? last - first + 1 : 0) : (first >= last ? first - last + 1 : 0);
    }
};

// Forward the target is `lag` events after the given, backward `lag` events before it.
LagScan lagScan(int lastEvent, std::int32_t lag, bool forward);

// Whether a position is one of the events 1..lastEvent.
inline bool isEventPosition(std::int64_t i, int lastEvent) {
    return i >= 1 && i <= lastEvent;
}

} // namespace ws
