#include "platform/FrameTimes.h"

#include "platform/FrameNumbers.h"

#include <algorithm>

namespace platform {

namespace {
constexpr double kSeekSlack = 0.005;
} // namespace

FrameTimes FrameTimes::constantRate(double firstTime, double fps, int32_t count) {
    FrameTimes frames;
    if (fps > 0 && count > 0) {
        frames.firstTime_ = firstTime;
        frames.fps_ = fps;
        frames.count_ = count;
    }
    return frames;
}

FrameTimes FrameTimes::indexed(std::vector<double> times, std::vector<Keyframe> keyframes) {
    FrameTimes frames;
    frames.times_ = std::move(times);
    frames.keyframes_ = std::move(keyframes);
    frames.count_ = static_cast<int32_t>(frames.times_.size());
    frames.firstTime_ = frames.times_.empty() ? 0 : frames.times_.front();
    return frames;
}

int32_t FrameTimes::count() const {
    return count_;
}

int32_t FrameTimes::frameAt(double seconds) const {
    if (count_ == 0) {
        return 0;
    }
    if (times_.empty()) {
        return std::min(frameAtTime(seconds - firstTime_, fps_), count_ - 1);
    }
    const auto shown = std::lower_bound(times_.begin(), times_.end(), seconds - kSeekSlack);
    return static_cast<int32_t>(std::min<std::ptrdiff_t>(shown - times_.begin(), count_ - 1));
}

double FrameTimes::timeOf(int32_t frame) const {
    if (count_ == 0) {
        return 0;
    }
    const int32_t clamped = std::clamp(frame, 0, count_ - 1);
    return times_.empty() ? firstTime_ + timeOfFrame(clamped, fps_)
                          : times_[static_cast<std::size_t>(clamped)];
}

std::optional<double> FrameTimes::seekPointFor(double seconds) const {
    const double shown = timeOf(frameAt(seconds));
    const auto after =
        std::upper_bound(keyframes_.begin(), keyframes_.end(), shown,
                         [](double time, const Keyframe& keyframe) { return time < keyframe.time; });
    if (after == keyframes_.begin()) {
        return std::nullopt;
    }
    return std::prev(after)->decodeTime;
}

FrameTimes FrameTimes::shifted(double seconds) const {
    FrameTimes moved = *this;
    moved.firstTime_ += seconds;
    for (double& time : moved.times_) {
        time += seconds;
    }
    for (Keyframe& keyframe : moved.keyframes_) {
        keyframe.time += seconds;
        keyframe.decodeTime += seconds;
    }
    return moved;
}

} // namespace platform
