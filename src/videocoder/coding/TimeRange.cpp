#include "videocoder/coding/TimeRange.h"

#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "videocoder/core/TextCase.h"
#include "videocoder/core/TimeConversion.h"

namespace vc {

bool rangeInFrames(const VideoSettings& s, PlayerKind kind) {
    return kind != PlayerKind::MediaWindow && (s.FrameDisplay == 2 || s.FrameDisplay == 3);
}

bool TimeOuttaRange(const VideoSettings& s, PlayerKind kind, const std::string& startTime,
                    const std::string& endTime, double seconds, std::optional<std::int32_t> frame) {
    if (s.gRangeWarning == 0 || isBlank(startTime) || isBlank(endTime)) {
        return false;
    }
    if (rangeInFrames(s, kind)) {
        // A player that counts no frames cannot be compared with frame limits.
        if (!frame) {
            return false;
        }
        std::int32_t start = 0;
        std::int32_t end = 0;
        try {
            start = TimecodeToFrames(startTime, s);
            end = TimecodeToFrames(endTime, s);
        } catch (const textfile::RunError&) {
            return false;
        }
        return *frame < start || *frame > end;
    }
    const float start = TimeTextToSeconds(startTime, s);
    const float end = TimeTextToSeconds(endTime, s);
    const float position = textfile::toSingle(seconds);
    return position < start || position > end;
}

} // namespace vc
