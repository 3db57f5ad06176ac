#pragma once
// The session clock's arithmetic: what the clock shows, what a pause keeps and where the
// session ends. Elapsed time is a difference of two monotonic readings, so a session may
// run across midnight and for hours, in seconds or in tenths.

#include <cstdint>
#include <string>

namespace collector {

inline constexpr int kTickMilliseconds = 10;

// Clock units (seconds, or tenths) shown `elapsedSeconds` after the last start, when
// `pausedSeconds` whole seconds were counted before it. Rounds halves to even.
std::int64_t unitsShown(double elapsedSeconds, std::int32_t pausedSeconds, bool tenths);

// Whole seconds kept by a pause while the clock shows `shown` units. Tenths are rounded up
// to the next whole second, so the count never resumes below a time already stamped;
// never less than `pausedBefore`.
std::int32_t secondsKeptAtPause(std::int64_t shown, bool tenths, std::int32_t pausedBefore);

// The session limit in clock units: the duration, or ten times it in tenths.
float limitUnits(float sessionDuration, bool tenths);
// The limit as the end record writes it (its shortest form: "180", "1800").
std::string limitText(float sessionDuration, bool tenths);

} // namespace collector
