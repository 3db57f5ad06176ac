#pragma once
// The presentation times of a media file's video frames, read by demuxing its video
// packets (no decoding), in seconds of the stream's own clock.

#include "platform/FrameTimes.h"

#include <atomic>
#include <optional>
#include <string>
#include <vector>

namespace platform::qt {

struct VideoPacketTimes {
    std::vector<double> times;                   // ascending
    std::vector<FrameTimes::Keyframe> keyframes; // by time ascending
};

// url is a path or a libavformat URL ("concat:a|b"). nullopt when the media has no video
// stream, cannot be read, or cancelled became true on the way.
std::optional<VideoPacketTimes> readVideoPacketTimes(const std::string& url,
                                                     const std::atomic<bool>& cancelled);

} // namespace platform::qt
