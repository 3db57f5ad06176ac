#pragma once
// One reading of a player's position, as a mark and the range check take it: the seconds,
// and the frame on screen where the player has frame numbers. Where it has them, the
// seconds are the start of that frame, so a text written from them seeks back to it.

#include "platform/MediaPlayer.h"

#include <cstdint>
#include <optional>

namespace vc {

struct MarkReading {
    double seconds = 0;
    std::optional<int32_t> frame;
};

// Reads the position once.
MarkReading readMark(platform::MediaPlayer& player);

} // namespace vc
