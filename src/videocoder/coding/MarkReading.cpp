#include "videocoder/coding/MarkReading.h"

#include "textfile/RunError.h"

namespace vc {

MarkReading readMark(platform::MediaPlayer& player) {
    MarkReading reading{player.position(), std::nullopt};
    try {
        const int32_t frame = player.frameAt(reading.seconds);
        reading = {player.timeOf(frame), frame};
    } catch (const textfile::RunError&) {
        // Media without frame numbers (sound alone, a rate the container does not give):
        // the position is all there is.
    }
    return reading;
}

} // namespace vc
