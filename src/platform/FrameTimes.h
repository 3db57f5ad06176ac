#pragma once
// The frames of a video stream and the times they are shown at, on the player's clock.
// Either a constant rate from the first frame's own time, or an index of every frame's
// presentation time (variable rates, or a container whose rate is not the stream's).
// A position shows the first frame whose time is at most 5 ms before it, as an exact
// seek does, so a frame's own time shows that frame.

#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

class FrameTimes {
public:
    // No frames known.
    FrameTimes() = default;
    static FrameTimes constantRate(double firstTime, double fps, int32_t count);
    // A keyframe's presentation time, and its decoding time (where a demuxer finds it).
    struct Keyframe {
        double time = 0;
        double decodeTime = 0;
    };
    // Times ascending; keyframes by time ascending, their times among the times.
    static FrameTimes indexed(std::vector<double> times, std::vector<Keyframe> keyframes);

    bool empty() const { return count() == 0; }
    bool isIndexed() const { return !times_.empty(); }
    int32_t count() const;
    // The frame a position shows, from 0 to count() - 1.
    int32_t frameAt(double seconds) const;
    // The time of a frame, the frame number clamped to the frames there are.
    double timeOf(int32_t frame) const;
    double firstTime() const { return timeOf(0); }
    double lastTime() const { return timeOf(count() - 1); }
    // Where a seek has to start decoding to show the frame at a time: the decoding time of
    // the latest keyframe shown at or before it, when the index knows the keyframes.
    std::optional<double> seekPointFor(double seconds) const;
    // The same frames with every time moved by the same amount.
    FrameTimes shifted(double seconds) const;

private:
    double firstTime_ = 0;
    double fps_ = 0;
    int32_t count_ = 0;
    std::vector<double> times_;
    std::vector<Keyframe> keyframes_;
};

} // namespace platform
