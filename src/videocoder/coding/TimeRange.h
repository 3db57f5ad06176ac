#pragma once
// Whether the player's position lies outside the span the header's "Start Time:" and "End
// Time:" give, for the warning a mark shows before it is made. The check only informs: it
// never refuses or changes a mark.

#include "platform/MediaPlayer.h"
#include "videocoder/coding/PlayerLinks.h"
#include "videocoder/core/Globals.h"

#include <cstdint>
#include <string>

namespace vc {

// The player's position, read once: seconds, and the frame on screen where the check counts
// frames (the file and DVD windows in the frame forms).
struct PlayerReading {
    double seconds = 0;
    std::int32_t frame = 0;
};

// Whether the check compares frames: the file and DVD windows with FrameDisplay 2 or 3.
bool rangeInFrames(const VideoSettings& s, PlayerKind kind);
// Reads the position the check compares, once.
PlayerReading readForRange(const VideoSettings& s, PlayerKind kind, platform::MediaPlayer& player);

// False when range warnings are off or either text is blank (no span). The limits are the
// texts as they stand, in seconds by TimeTextToSeconds or in frames by TimecodeToFrames; a
// limit that cannot be read as frames counts as no span. A position equal to a limit lies
// inside.
bool TimeOuttaRange(const VideoSettings& s, PlayerKind kind, const std::string& startTime,
                    const std::string& endTime, const PlayerReading& at);

} // namespace vc
