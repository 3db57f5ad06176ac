#include "platform/qt/MpvPlayer.h"

#include "platform/DvdTitle.h"
#include "platform/FrameNumbers.h"
#include "platform/qt/MpvVideoWidget.h"
#include "platform/qt/VideoPacketIndex.h"
#include "textfile/RunError.h"

#include <QWidget>

#include <mpv/client.h>

#include <algorithm>
#include <atomic>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <thread>

namespace platform::qt {

using textfile::RunError;

// The index built on its own thread. The player lets go of it on close; the thread stops
// at its next packet once cancelled and frees it.
struct FrameIndexJob {
    std::atomic<bool> cancelled{false};
    std::atomic<bool> done{false};
    std::optional<VideoPacketTimes> times; // written before done
};

namespace {

constexpr uint64_t kPropertyPause = 1;
constexpr uint64_t kPropertyEnd = 2;
constexpr uint64_t kPropertyDuration = 3;
// How far before a program stream's keyframe a seek starts, as its byte search lands near
// the time asked, not at or before it; and the reach when the keyframes are not known yet.
constexpr double kProgramStreamSeekMargin = 0.5;
constexpr double kProgramStreamSeekReach = 3.0;
// mpv's own start before the target, kept where the keyframes are not known.
constexpr double kDefaultSeekReach = 0;

std::string secondsText(double seconds) {
    char text[64];
    std::snprintf(text, sizeof text, "%.9f", seconds);
    return text;
}

// "D:" or "D:\" names a Windows drive: here the system's own DVD device stands for it.
bool isDriveLetter(const std::string& device) {
    static const std::regex drive(R"(^[A-Za-z]:[\\/]?$)");
    return std::regex_match(device, drive);
}

} // namespace

MpvPlayer::MpvPlayer() : MpvPlayer(Options{}) {}

MpvPlayer::MpvPlayer(Options options) {
    // mpv refuses to start under a locale that writes numbers with a comma.
    std::setlocale(LC_NUMERIC, "C");
    mpv_ = mpv_create();
    if (!mpv_) {
        throw RunError(textfile::kInvalidArgument, "The video library could not be started");
    }
    setText("vo", options.video ? "libmpv" : "null");
    if (!options.audio) {
        setText("ao", "null");
    }
    setText("hr-seek", "yes");
    setText("keep-open", "yes");
    setText("idle", "yes");
    setText("pause", "yes");
    setText("hwdec", "no");
    setText("audio-display", "no");
    setText("input-default-bindings", "no");
    setText("input-vo-keyboard", "no");
    setText("osc", "no");
    setText("terminal", "no");
    if (mpv_initialize(mpv_) < 0) {
        mpv_terminate_destroy(mpv_);
        throw RunError(textfile::kInvalidArgument, "The video library could not be started");
    }
    mpv_observe_property(mpv_, kPropertyPause, "pause", MPV_FORMAT_FLAG);
    mpv_observe_property(mpv_, kPropertyEnd, "eof-reached", MPV_FORMAT_FLAG);
    mpv_observe_property(mpv_, kPropertyDuration, "duration", MPV_FORMAT_DOUBLE);
    mpv_set_wakeup_callback(
        mpv_,
        [](void* self) {
            auto* player = static_cast<MpvPlayer*>(self);
            QMetaObject::invokeMethod(
                player, [player] { player->drainEvents(); }, Qt::QueuedConnection);
        },
        this);

    if (options.video) {
        video_ = new MpvVideoWidget(mpv_, [this] { startPendingLoad(); });
        surface_ = video_;
    } else {
        surface_ = new QWidget;
    }
    surface_->setStyleSheet("background-color: black;");
}

MpvPlayer::~MpvPlayer() {
    // No wakeup may reach this object once it is going.
    mpv_set_wakeup_callback(mpv_, nullptr, nullptr);
    // The picture's render context has to go before the player.
    delete surface_.data();
    mpv_terminate_destroy(mpv_);
}

QWidget* MpvPlayer::surface() {
    return surface_.data();
}

void MpvPlayer::setStateChangedHandler(std::function<void()> handler) {
    stateChanged_ = std::move(handler);
}

void MpvPlayer::notify() {
    if (stateChanged_) {
        stateChanged_();
    }
}

void MpvPlayer::setText(const char* name, const std::string& value) {
    const int status = mpv_set_property_string(mpv_, name, value.c_str());
    if (status < 0) {
        throw RunError(textfile::kInvalidArgument,
                       std::string("The player refused ") + name + ": " + mpv_error_string(status));
    }
}

void MpvPlayer::setFlag(const char* name, bool value) {
    int flag = value ? 1 : 0;
    const int status = mpv_set_property(mpv_, name, MPV_FORMAT_FLAG, &flag);
    if (status < 0) {
        throw RunError(textfile::kInvalidArgument,
                       std::string("The player refused ") + name + ": " + mpv_error_string(status));
    }
}

void MpvPlayer::setDouble(const char* name, double value) {
    const int status = mpv_set_property(mpv_, name, MPV_FORMAT_DOUBLE, &value);
    if (status < 0) {
        throw RunError(textfile::kInvalidArgument,
                       std::string("The player refused ") + name + ": " + mpv_error_string(status));
    }
}

double MpvPlayer::readDouble(const char* name, double fallback) {
    double value = 0;
    return mpv_get_property(mpv_, name, MPV_FORMAT_DOUBLE, &value) < 0 ? fallback : value;
}

// ---- opening and closing ----

void MpvPlayer::openFile(const std::string& path) {
    isDvd_ = false;
    std::error_code ignored;
    if (path.empty() || !std::filesystem::is_regular_file(path, ignored)) {
        close();
        load_ = Load::Failed;
        failureNumber_ = textfile::kFileNotFound;
        failure_ = "File not found: " + path;
        return;
    }
    load(path, path);
}

void MpvPlayer::openDvd(const std::string& device) {
    const bool systemDevice = device.empty() || isDriveLetter(device);
    std::error_code ignored;
    if (!systemDevice && !std::filesystem::exists(device, ignored)) {
        close();
        isDvd_ = true;
        load_ = Load::Failed;
        failureNumber_ = textfile::kFileNotFound;
        failure_ = "No DVD found at " + device;
        return;
    }
    const std::vector<std::string> title = systemDevice ? std::vector<std::string>{} : mainTitleFiles(device);
    if (title.empty()) {
        setText("dvd-device", systemDevice ? "" : device);
        load("dvd://", "");
    } else {
        std::string joined = "concat:";
        for (const auto& part : title) {
            joined += (&part == &title.front() ? "" : "|") + part;
        }
        load("lavf://" + joined, joined);
    }
    isDvd_ = true;
}

void MpvPlayer::load(const std::string& url, const std::string& indexUrl) {
    close();
    pendingUrl_ = url;
    load_ = Load::Waiting;
    seeksAtLoad_ = seeksIssued_;
    if (!indexUrl.empty()) {
        startFrameIndex(indexUrl);
    }
    startPendingLoad();
}

void MpvPlayer::startFrameIndex(const std::string& url) {
    auto job = std::make_shared<FrameIndexJob>();
    indexJob_ = job;
    std::thread([job, url] {
        job->times = readVideoPacketTimes(url, job->cancelled);
        job->done = true;
    }).detach();
}

// A picture drawn by the render API needs the widget's OpenGL context first; the widget
// calls back here once it has one.
void MpvPlayer::startPendingLoad() {
    if (load_ != Load::Waiting || (video_ && !video_->ready())) {
        return;
    }
    const char* command[] = {"loadfile", pendingUrl_.c_str(), nullptr};
    load_ = Load::Loading;
    const int status = mpv_command(mpv_, command);
    if (status < 0) {
        load_ = Load::Failed;
        failureNumber_ = textfile::kInvalidArgument;
        failure_ = std::string("The media could not be opened: ") + mpv_error_string(status);
    }
}

void MpvPlayer::close() {
    if (load_ == Load::Loading || load_ == Load::Loaded) {
        const char* command[] = {"stop", nullptr};
        mpv_command(mpv_, command);
    }
    if (backwards_) {
        setText("play-dir", "forward");
    }
    load_ = Load::None;
    // The picture of the media before goes with it.
    if (video_) {
        video_->update();
    }
    pendingUrl_.clear();
    failure_.clear();
    failureNumber_ = 0;
    isDvd_ = false;
    stopped_ = false;
    endReached_ = false;
    endAsked_ = false;
    backwards_ = false;
    duration_ = 0;
    fps_ = 0;
    seekable_ = false;
    hasVideo_ = false;
    programStream_ = false;
    demuxerStart_ = 0;
    firstFrameTime_.reset();
    if (indexJob_) {
        indexJob_->cancelled = true;
        indexJob_.reset();
    }
    frames_ = FrameTimes();
    seekTarget_.reset();
}

void MpvPlayer::refreshMediaFacts() {
    duration_ = std::max(0.0, readDouble("duration", 0));
    fps_ = readDouble("container-fps", 0);
    if (fps_ <= 0) {
        fps_ = readDouble("estimated-vf-fps", 0);
    }
    int seekable = 0;
    seekable_ = mpv_get_property(mpv_, "seekable", MPV_FORMAT_FLAG, &seekable) >= 0 && seekable;
    int64_t videoTrack = 0;
    hasVideo_ = mpv_get_property(mpv_, "vid", MPV_FORMAT_INT64, &videoTrack) >= 0 && videoTrack > 0;
    demuxerStart_ = readDouble("demuxer-start-time", 0);
    char* format = mpv_get_property_string(mpv_, "file-format");
    const std::string formatName = format ? format : "";
    mpv_free(format);
    programStream_ = formatName == "mpeg" || formatName == "mpegts" || formatName == "disc";
}

// The first picture after the load, before any seek of ours, is the first frame.
void MpvPlayer::learnFirstFrameTime() {
    if (!firstFrameTime_ && seeksIssued_ == seeksAtLoad_ && load_ == Load::Loaded) {
        firstFrameTime_ = readDouble("time-pos", 0);
    }
}

const FrameTimes& MpvPlayer::frames() {
    if (frames_.isIndexed()) {
        return frames_;
    }
    if (indexJob_ && indexJob_->done && load_ == Load::Loaded) {
        const auto job = std::move(indexJob_);
        if (job->times) {
            // mpv's clock is the stream's less the demuxer's start.
            frames_ = FrameTimes::indexed(job->times->times, job->times->keyframes).shifted(-demuxerStart_);
            return frames_;
        }
    }
    const double first = firstFrameTime_.value_or(0);
    const auto count = static_cast<int32_t>(std::lround((duration_ - first) * fps_));
    frames_ = FrameTimes::constantRate(first, fps_, std::max<int32_t>(1, count));
    return frames_;
}

// Where the media ends for the clock: the last frame's time in a video, else its length.
double MpvPlayer::mediaEnd() {
    if (hasVideo_ && !frames().empty()) {
        return frames().lastTime();
    }
    return duration_;
}

// ---- events ----

void MpvPlayer::drainEvents() {
    while (mpv_) {
        mpv_event* event = mpv_wait_event(mpv_, 0);
        if (event->event_id == MPV_EVENT_NONE) {
            break;
        }
        handle(*event);
    }
}

void MpvPlayer::handle(const mpv_event& event) {
    switch (event.event_id) {
    case MPV_EVENT_FILE_LOADED:
        // A second opening may overtake the first: the last one loaded gives the facts.
        if (load_ != Load::Loading && load_ != Load::Loaded) {
            return;
        }
        load_ = Load::Loaded;
        refreshMediaFacts();
        if (seekTarget_) {
            // A seek asked for while the media was still loading.
            const double target = *seekTarget_;
            seekTarget_.reset();
            seekExact(target);
        }
        notify();
        return;
    case MPV_EVENT_END_FILE: {
        const auto* end = static_cast<const mpv_event_end_file*>(event.data);
        if (end->reason == MPV_END_FILE_REASON_ERROR && load_ == Load::Loading) {
            load_ = Load::Failed;
            failureNumber_ = textfile::kInvalidArgument;
            failure_ = std::string("The media could not be opened: ") + mpv_error_string(end->error);
            notify();
        }
        return;
    }
    case MPV_EVENT_COMMAND_REPLY:
        if (event.reply_userdata != 0) {
            seeksTaken_ = std::max(seeksTaken_, event.reply_userdata);
            if (event.error < 0 && event.reply_userdata == seeksIssued_) {
                seekTarget_.reset();
            }
        }
        return;
    case MPV_EVENT_SEEK:
        // mpv runs only the latest of the seeks queued when it gets to them, and its events
        // come in the order it made them: a seek starting after the last reply is the last.
        lastSeekRunning_ = seeksTaken_ == seeksIssued_;
        return;
    case MPV_EVENT_PLAYBACK_RESTART:
        learnFirstFrameTime();
        if (seekTarget_ && lastSeekRunning_) {
            seekTarget_.reset();
            endReached_ = endAsked_;
            notify();
        }
        return;
    case MPV_EVENT_PROPERTY_CHANGE: {
        const auto* property = static_cast<const mpv_event_property*>(event.data);
        if (event.reply_userdata == kPropertyPause && property->format == MPV_FORMAT_FLAG) {
            paused_ = *static_cast<int*>(property->data) != 0;
            notify();
        } else if (event.reply_userdata == kPropertyEnd && property->format == MPV_FORMAT_FLAG) {
            // Only the arrival counts: leaving the end is always one of our seeks, and a
            // late report of it must not undo a later seek to the end.
            if (*static_cast<int*>(property->data) != 0 && !seekTarget_) {
                endReached_ = true;
                notify();
            }
        } else if (event.reply_userdata == kPropertyDuration && property->format == MPV_FORMAT_DOUBLE) {
            duration_ = std::max(0.0, *static_cast<double*>(property->data));
        }
        return;
    }
    default:
        return;
    }
}

// ---- transport ----

PlayerState MpvPlayer::state() {
    if (load_ == Load::Failed) {
        throw RunError(failureNumber_, failure_);
    }
    if (load_ != Load::Loaded) {
        return PlayerState::NotReady;
    }
    if (stopped_) {
        return PlayerState::Stopped;
    }
    return paused_ ? PlayerState::Paused : PlayerState::Playing;
}

void MpvPlayer::play() {
    stopped_ = false;
    paused_ = false;
    setFlag("pause", false);
}

void MpvPlayer::pause() {
    paused_ = true;
    setFlag("pause", true);
}

void MpvPlayer::stop() {
    pause();
    seekExact(0);
    stopped_ = true;
}

void MpvPlayer::seekStart() {
    setPosition(0);
}

// A paused seek to the end shows the last frame without mpv calling it the end; the
// position then reads as the duration all the same.
void MpvPlayer::seekEnd() {
    setPosition(mediaEnd());
    endAsked_ = true;
}

double MpvPlayer::clamp(double seconds) {
    if (!(seconds > 0)) {
        return 0;
    }
    const double end = load_ == Load::Loaded ? mediaEnd() : 0;
    return end > 0 ? std::min(seconds, end) : seconds;
}

// An exact seek decodes from where the demuxer lands for the target less mpv's offset.
// Demuxers find keyframes by decoding time, which runs ahead of the presentation time
// when frames are reordered, and a program stream's byte search lands only near the time
// asked: the offset reaches back to the decoding time of the keyframe the target's frame
// needs (and further in a program stream), or else the next keyframe would be shown.
void MpvPlayer::keepKeyframeInReach(double target) {
    const auto seekPoint = frames().seekPointFor(target);
    const double margin = programStream_ ? kProgramStreamSeekMargin : 0;
    double reach = programStream_ ? kProgramStreamSeekReach : kDefaultSeekReach;
    if (seekPoint) {
        reach = std::max(0.0, target - *seekPoint) + margin;
    }
    setDouble("hr-seek-demuxer-offset", reach);
}

void MpvPlayer::seekExact(double seconds) {
    seekTarget_ = clamp(seconds);
    endReached_ = false;
    endAsked_ = false;
    if (load_ != Load::Loaded) {
        return;
    }
    keepKeyframeInReach(*seekTarget_);
    const std::string target = secondsText(*seekTarget_);
    const char* command[] = {"seek", target.c_str(), "absolute+exact", nullptr};
    lastSeekRunning_ = false;
    mpv_command_async(mpv_, ++seeksIssued_, command);
}

double MpvPlayer::position() {
    if (seekTarget_) {
        return *seekTarget_;
    }
    if (load_ != Load::Loaded) {
        return 0;
    }
    if (endReached_) {
        return mediaEnd();
    }
    return clamp(readDouble("time-pos", 0));
}

void MpvPlayer::setPosition(double seconds) {
    stopped_ = false;
    seekExact(seconds);
}

// A video's length is its last frame's time, where the clock stands at the end.
double MpvPlayer::duration() {
    return load_ == Load::Loaded ? mediaEnd() : 0;
}

void MpvPlayer::requireFrames() {
    if (load_ == Load::Loaded && fps_ <= 0) {
        fps_ = readDouble("container-fps", 0);
    }
    if (load_ != Load::Loaded || !hasVideo_ || frames().empty()) {
        throw RunError(textfile::kInvalidArgument, "This media has no frame numbers");
    }
}

int32_t MpvPlayer::frameCount() {
    requireFrames();
    return frames().count();
}

int32_t MpvPlayer::frameAt(double seconds) {
    requireFrames();
    return frames().frameAt(seconds);
}

double MpvPlayer::timeOf(int32_t frame) {
    requireFrames();
    return frames().timeOf(frame);
}

int32_t MpvPlayer::framePosition() {
    requireFrames();
    return frames().frameAt(position());
}

void MpvPlayer::setFramePosition(int32_t frame) {
    requireFrames();
    setPosition(frames().timeOf(frame));
}

int32_t MpvPlayer::trackingPosition() {
    return platform::trackingAt(position(), duration());
}

void MpvPlayer::setTrackingPosition(int32_t value) {
    setPosition(platform::positionAtTracking(value, duration()));
}

int MpvPlayer::seekingCapabilities(int asked) {
    if (load_ != Load::Loaded) {
        return 0;
    }
    int allowed = 0;
    if (seekable_) {
        allowed |= kSeekForward | kSeekBackward;
        if (hasVideo_ && !frames().empty()) {
            allowed |= kFrameForward | kFrameBackward;
        }
    }
    return allowed & asked;
}

// A frame step is an exact seek to the neighbouring frame's own time, so the frame shown
// and the frame number read agree whichever way the step goes, at any rate.
void MpvPlayer::nextFrame() {
    const int32_t frame = framePosition();
    if (frame + 1 < frameCount()) {
        pause();
        setPosition(frames().timeOf(frame + 1));
    }
}

void MpvPlayer::previousFrame() {
    const int32_t frame = framePosition();
    if (frame > 0) {
        pause();
        setPosition(frames().timeOf(frame - 1));
    }
}

// ---- speed, sound, picture ----

double MpvPlayer::rate() {
    return readDouble("speed", 1.0);
}

void MpvPlayer::setRate(double rate) {
    if (!(rate > 0)) {
        throw RunError(textfile::kInvalidArgument, "Rate changes not supported");
    }
    setDouble("speed", rate);
}

bool MpvPlayer::muted() {
    int flag = 0;
    return mpv_get_property(mpv_, "mute", MPV_FORMAT_FLAG, &flag) >= 0 && flag;
}

void MpvPlayer::setMuted(bool muted) {
    setFlag("mute", muted);
}

// mpv's volume is a cubic scale in percent: loudness = (volume / 100)^3.
void MpvPlayer::setVolume(int32_t hundredthsOfDecibel) {
    const double amplitude = std::pow(10.0, std::clamp(hundredthsOfDecibel, -10000, 0) / 2000.0);
    setDouble("volume", 100.0 * std::cbrt(amplitude));
}

void MpvPlayer::setSizeMode(SizeMode mode) {
    const bool unscaled =
        mode == SizeMode::Normal || mode == SizeMode::HalfSize || mode == SizeMode::DoubleSize;
    double zoom = 0;
    if (mode == SizeMode::HalfSize) {
        zoom = -1;
    } else if (mode == SizeMode::DoubleSize) {
        zoom = 1;
    }
    setText("keepaspect", mode == SizeMode::StretchToWindow ? "no" : "yes");
    // A picture larger than the surface at its own size would be cut: it is fitted instead.
    setText("video-unscaled", unscaled ? "downscale-big" : "no");
    setDouble("video-zoom", zoom);
}

void MpvPlayer::toggleFullScreen() {
    QWidget* window = surface_ ? surface_->window() : nullptr;
    if (!window) {
        throw RunError(textfile::kInvalidArgument, "Full screen is not available");
    }
    if (window->isFullScreen()) {
        window->showNormal();
    } else {
        window->showFullScreen();
    }
}

void MpvPlayer::playForwards(double speed) {
    setRate(speed);
    if (backwards_) {
        const double from = position();
        setText("play-dir", "forward");
        backwards_ = false;
        seekExact(from);
    }
    play();
}

void MpvPlayer::playBackwards(double speed) {
    if (isDvd_) {
        throw RunError(textfile::kInvalidArgument, "Backwards play is not supported on a DVD");
    }
    setRate(speed);
    if (!backwards_) {
        const double from = position();
        setText("play-dir", "backward");
        backwards_ = true;
        seekExact(from);
    }
    play();
}

} // namespace platform::qt
