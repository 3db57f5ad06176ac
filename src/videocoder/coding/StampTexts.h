#pragma once
// The time texts a mark writes into a row, and how the seek command reads them back. The
// text of a reading always reads back to the frame it was taken on: in the seconds forms
// the hundredths are chosen so, and the file window's timecode counts its frames at the
// whole-number rate, as TimecodeToFrames reads them.

#include "platform/MediaPlayer.h"
#include "videocoder/coding/MarkReading.h"
#include "videocoder/coding/PlayerDifferences.h"
#include "videocoder/core/Globals.h"

#include <cstdint>
#include <string>

namespace vc {

// FrameDisplay 2 (frames) or 3 (timecode).
bool isFrameForm(const VideoSettings& s);
// Whether the player works in frames: the file window when FrameDisplay is 2 or 3.
bool worksInFrames(PlayerKind kind, const VideoSettings& s);

// The text a mark writes for a reading of this player.
std::string markText(platform::MediaPlayer& player, const MarkReading& reading, PlayerKind kind,
                     const VideoSettings& s);

// Where the seek command takes a row time: frames when the player works in frames,
// else seconds.
struct SeekTarget {
    bool inFrames = false;
    int32_t frame = 0;
    double seconds = 0;
};
SeekTarget seekTargetOf(const std::string& time, PlayerKind kind, const VideoSettings& s);

} // namespace vc
