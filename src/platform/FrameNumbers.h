#pragma once
// Frame numbers of a position, as an exact seek shows them: a position shows the first
// frame whose time is at most 5 ms before it, so a frame's own time shows that frame and
// a time between two frames shows the later one.

#include <cstdint>

namespace platform {

// Frames count from 0; fps must be above 0.
int32_t frameAtTime(double seconds, double fps);
double timeOfFrame(int32_t frame, double fps);

// The position on a scale of 0 to 10000 over the media, and back.
int32_t trackingAt(double seconds, double duration);
double positionAtTracking(int32_t value, double duration);

} // namespace platform
