#pragma once
// The two event slots: records at 1..n, the end record last; element 0 of the times holds n.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ws {

inline constexpr int kMaxEvents = 20000;
inline const std::string kSessionEndCode = "-500";
inline const std::string kGapCode = "$Gap$";

struct EventSlots {
    std::vector<std::string> EventCodes = std::vector<std::string>(kMaxEvents + 1);
    std::vector<std::int32_t> EventTimes = std::vector<std::int32_t>(kMaxEvents + 1);
    std::vector<std::string> EventCodes2 = std::vector<std::string>(kMaxEvents + 1);
    std::vector<std::int32_t> EventTimes2 = std::vector<std::int32_t>(kMaxEvents + 1);
    // How far each slot (1, 2) may hold records from earlier reads: a new read empties only
    // that far instead of the whole slot. Anything that writes past times(0) raises it.
    std::array<int, 3> slotFilledTo{kMaxEvents, kMaxEvents, kMaxEvents};

    std::vector<std::string>& codesOf(int slot) { return slot == 2 ? EventCodes2 : EventCodes; }
    std::vector<std::int32_t>& timesOf(int slot) { return slot == 2 ? EventTimes2 : EventTimes; }
    const std::vector<std::string>& codesOf(int slot) const { return slot == 2 ? EventCodes2 : EventCodes; }
    const std::vector<std::int32_t>& timesOf(int slot) const { return slot == 2 ? EventTimes2 : EventTimes; }
};

} // namespace ws
