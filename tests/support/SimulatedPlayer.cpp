#include "support/SimulatedPlayer.h"

#include "platform/FrameNumbers.h"
#include "textfile/RunError.h"

#include <QWidget>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace testsupport {

using platform::PlayerState;
using textfile::RunError;

namespace {
std::string withNumber(const std::string& name, double value) {
    std::ostringstream text;
    text << name << ' ' << value;
    return text.str();
}
} // namespace

SimulatedPlayer::SimulatedPlayer(platform::Clock& clock) : clock_(clock) {}

SimulatedPlayer::~SimulatedPlayer() = default;

QWidget* SimulatedPlayer::surface() {
    if (!surface_) {
        surface_ = std::make_unique<QWidget>();
    }
    return surface_.get();
}

void SimulatedPlayer::raiseStateChanged() {
    if (stateChanged_) {
        stateChanged_();
    }
}

void SimulatedPlayer::open(const std::string& what, const std::string& logLine) {
    log.push_back(logLine);
    opened = what;
    failed_ = std::find(unopenable.begin(), unopenable.end(), what) != unopenable.end();
    playing_ = false;
    stopped_ = false;
    backwards = false;
    anchor(0);
}

void SimulatedPlayer::openFile(const std::string& path) {
    open(path, "Open " + path);
}

void SimulatedPlayer::openDvd(const std::string& device) {
    open(device, "OpenDvd " + device);
}

void SimulatedPlayer::close() {
    log.push_back("Close");
    opened.clear();
    failed_ = false;
    playing_ = false;
    stopped_ = false;
    anchor(0);
}

void SimulatedPlayer::requireOpen() const {
    if (failed_) {
        throw RunError(textfile::kInvalidArgument, openFailure);
    }
    if (opened.empty()) {
        throw RunError(textfile::kInvalidArgument, "No media is open");
    }
}

void SimulatedPlayer::requireFrames() const {
    requireOpen();
    if (loading || frameRate <= 0) {
        throw RunError(textfile::kInvalidArgument, "This media has no frame numbers");
    }
}

bool SimulatedPlayer::started() {
    return playing_ && clock_.monotonicSeconds() >= playAskedAt_ + startLatency;
}

double SimulatedPlayer::position() {
    if (opened.empty() || failed_) {
        return 0;
    }
    if (!started()) {
        return anchorPosition_;
    }
    const double since = clock_.monotonicSeconds() - std::max(anchorTime_, playAskedAt_ + startLatency);
    const double moved = anchorPosition_ + since * rate_ * (backwards ? -1 : 1);
    if (backwards ? moved <= 0 : moved >= mediaDuration) {
        // The end (or the start, going backwards) holds the last picture, paused.
        playing_ = false;
        anchor(std::clamp(moved, 0.0, mediaDuration));
        raiseStateChanged();
    }
    return std::clamp(moved, 0.0, mediaDuration);
}

void SimulatedPlayer::anchor(double seconds) {
    anchorPosition_ = seconds;
    anchorTime_ = clock_.monotonicSeconds();
}

PlayerState SimulatedPlayer::state() {
    if (failed_) {
        throw RunError(textfile::kInvalidArgument, openFailure);
    }
    if (opened.empty() || loading) {
        return PlayerState::NotReady;
    }
    position(); // reaching the end pauses
    if (stopped_) {
        return PlayerState::Stopped;
    }
    return started() ? PlayerState::Playing : PlayerState::Paused;
}

void SimulatedPlayer::play() {
    log.push_back("Play");
    requireOpen();
    if (!playing_) {
        anchor(position());
        playAskedAt_ = clock_.monotonicSeconds();
    }
    playing_ = true;
    stopped_ = false;
    raiseStateChanged();
}

void SimulatedPlayer::pause() {
    log.push_back("Pause");
    requireOpen();
    anchor(position());
    playing_ = false;
    raiseStateChanged();
}

void SimulatedPlayer::stop() {
    log.push_back("Stop");
    requireOpen();
    playing_ = false;
    stopped_ = true;
    anchor(0);
    raiseStateChanged();
}

void SimulatedPlayer::seekStart() {
    log.push_back("SeekStart");
    requireOpen();
    anchor(0);
}

void SimulatedPlayer::seekEnd() {
    log.push_back("SeekEnd");
    requireOpen();
    anchor(mediaDuration);
}

void SimulatedPlayer::setPosition(double seconds) {
    log.push_back(withNumber("Position", seconds));
    requireOpen();
    stopped_ = false;
    anchor(std::clamp(seconds, 0.0, mediaDuration));
    if (playing_) {
        playAskedAt_ = std::min(playAskedAt_, clock_.monotonicSeconds() - startLatency);
    }
}

double SimulatedPlayer::duration() {
    return opened.empty() || failed_ ? 0 : mediaDuration;
}

int32_t SimulatedPlayer::frameCount() {
    requireFrames();
    return std::max<int32_t>(1, static_cast<int32_t>(std::lround(mediaDuration * frameRate)));
}

int32_t SimulatedPlayer::frameAt(double seconds) {
    requireFrames();
    return std::min(platform::frameAtTime(seconds, frameRate), frameCount() - 1);
}

double SimulatedPlayer::timeOf(int32_t frame) {
    requireFrames();
    return platform::timeOfFrame(std::clamp(frame, 0, frameCount() - 1), frameRate);
}

int32_t SimulatedPlayer::framePosition() {
    return frameAt(position());
}

void SimulatedPlayer::setFramePosition(int32_t frame) {
    setPosition(timeOf(frame));
}

int32_t SimulatedPlayer::trackingPosition() {
    return platform::trackingAt(position(), duration());
}

void SimulatedPlayer::setTrackingPosition(int32_t value) {
    setPosition(platform::positionAtTracking(value, duration()));
}

int SimulatedPlayer::seekingCapabilities(int asked) {
    log.push_back("Capabilities");
    return opened.empty() || failed_ ? 0 : capabilities & asked;
}

void SimulatedPlayer::nextFrame() {
    log.push_back("NextFrame");
    const int32_t frame = framePosition();
    if (frame + 1 < frameCount()) {
        playing_ = false;
        anchor(platform::timeOfFrame(frame + 1, frameRate));
    }
}

void SimulatedPlayer::previousFrame() {
    log.push_back("PreviousFrame");
    const int32_t frame = framePosition();
    if (frame > 0) {
        playing_ = false;
        anchor(platform::timeOfFrame(frame - 1, frameRate));
    }
}

void SimulatedPlayer::setRate(double rate) {
    log.push_back(withNumber("Rate", rate));
    if (refuseRates || !(rate > 0)) {
        throw RunError(textfile::kInvalidArgument, "Rate changes not supported");
    }
    anchor(position());
    rate_ = rate;
}

void SimulatedPlayer::setMuted(bool muted) {
    log.push_back(muted ? "Mute on" : "Mute off");
    muted_ = muted;
}

void SimulatedPlayer::setVolume(int32_t hundredthsOfDecibel) {
    log.push_back(withNumber("Volume", hundredthsOfDecibel));
    volume = hundredthsOfDecibel;
}

void SimulatedPlayer::setSizeMode(platform::SizeMode mode) {
    log.push_back(withNumber("Size", static_cast<int>(mode)));
    sizeMode = mode;
}

void SimulatedPlayer::toggleFullScreen() {
    log.push_back("FullScreen");
    fullScreen = !fullScreen;
}

void SimulatedPlayer::playForwards(double speed) {
    log.push_back(withNumber("Forwards", speed));
    setRate(speed);
    anchor(position());
    backwards = false;
    play();
}

void SimulatedPlayer::playBackwards(double speed) {
    log.push_back(withNumber("Backwards", speed));
    if (refuseBackwards) {
        throw RunError(textfile::kInvalidArgument, "Backwards play is not supported on a DVD");
    }
    setRate(speed);
    anchor(position());
    backwards = true;
    play();
}

} // namespace testsupport
