#pragma once
// Whether the player's position lies outside the span the header's "Start Time:" and "End
// Time:" give, for the warning a mark shows before it is made. The check only informs: it
// never refuses or changes a mark.

#include "platform/MediaPlayer.h"
#include "videocoder/coding/PlayerLinks.h"
#include "videocoder/core/Globals.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vc {

// Whether the check compares frames: the file and DVD windows with FrameDisplay 2 or 3.
bool rangeInFrames(const VideoSettings& s, PlayerKind kind);

// One reading of the player: its position in seconds, and the frame on screen where the
// player counts frames. False when range warnings are off or either text is blank (no span).
// The limits are the texts as they stand, in frames by TimecodeToFrames where the check
// compares frames, else in seconds by TimeTextToSeconds; a limit that cannot be read as
// frames, or a reading without a frame there, gives no warning. A position equal to a limit
// lies inside.
bool TimeOuttaRange(const VideoSettings& s, PlayerKind kind, const std::string& startTime,
                    const std::string& endTime, double seconds, std::optional<std::int32_t> frame);

} // namespace vc
