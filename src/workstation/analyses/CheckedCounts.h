#pragma once
// Counters of the reports are 16 or 32 bits; a sum past their range is an overflow
// (RunError 6) that takes the analysis's failure path, never a wrapped count.

#include <cstdint>
#include <limits>

namespace ws {

[[noreturn]] void counterOverflow();

inline std::int16_t addInt16(std::int16_t a, std::int64_t b) {
    const std::int64_t sum = a + b;
    if (sum < std::numeric_limits<std::int16_t>::min() || sum > std::numeric_limits<std::int16_t>::max()) {
        counterOverflow();
    }
    return static_cast<std::int16_t>(sum);
}
inline std::int32_t addInt32(std::int32_t a, std::int64_t b) {
    const std::int64_t sum = a + b;
    if (sum < std::numeric_limits<std::int32_t>::min() || sum > std::numeric_limits<std::int32_t>::max()) {
        counterOverflow();
    }
    return static_cast<std::int32_t>(sum);
}

} // namespace ws
