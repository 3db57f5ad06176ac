#pragma once
// The media player on libmpv. Seeks are exact; the end of the media stays on its last
// frame; a stop is a pause at the start. mpv talks from its own threads: its wakeups
// become queued calls, so every state change is handled on the window thread.
// Frame numbers count the frames in presentation order from the first frame's own time:
// an index of the video packets' times, built in the background at open, replaces the
// constant-rate estimate once it is ready. A DVD folder's main title plays as the program
// stream its VOB files make, so it seeks and indexes as a file does.

#include "platform/FrameTimes.h"
#include "platform/MediaPlayer.h"

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

struct mpv_handle;
struct mpv_event;

namespace platform::qt {

class MpvVideoWidget;
struct FrameIndexJob;

class MpvPlayer : public QObject, public MediaPlayer {
    Q_OBJECT
public:
    struct Options {
        bool video = true; // false: frames are decoded but not drawn (no display needed)
        bool audio = true;
    };
    MpvPlayer();
    explicit MpvPlayer(Options options);
    ~MpvPlayer() override;

    void openFile(const std::string& path) override;
    void openDvd(const std::string& device) override;
    void close() override;
    void play() override;
    void pause() override;
    void stop() override;
    void seekStart() override;
    void seekEnd() override;
    PlayerState state() override;
    double position() override;
    void setPosition(double seconds) override;
    double duration() override;
    int32_t framePosition() override;
    void setFramePosition(int32_t frame) override;
    int32_t frameCount() override;
    int32_t frameAt(double seconds) override;
    double timeOf(int32_t frame) override;
    int32_t trackingPosition() override;
    void setTrackingPosition(int32_t value) override;
    int seekingCapabilities(int asked) override;
    void nextFrame() override;
    void previousFrame() override;
    double rate() override;
    void setRate(double rate) override;
    bool muted() override;
    void setMuted(bool muted) override;
    void setVolume(int32_t hundredthsOfDecibel) override;
    void setSizeMode(SizeMode mode) override;
    void toggleFullScreen() override;
    void playForwards(double speed) override;
    void playBackwards(double speed) override;
    void setStateChangedHandler(std::function<void()> handler) override;
    QWidget* surface() override;

    // Handles what mpv has reported so far; the queued wakeups call it too.
    void drainEvents();
    // False from a seek until mpv has shown the frame it went to.
    bool seekLanded() const { return !seekTarget_; }
    // True once the background index of the frames' times has been taken in.
    bool frameIndexReady() { return frames().isIndexed(); }

private:
    enum class Load { None, Waiting, Loading, Loaded, Failed };

    void load(const std::string& url, const std::string& indexUrl);
    void startFrameIndex(const std::string& url);
    // The frames as far as they are known now: the index once ready, else the estimate.
    const FrameTimes& frames();
    double mediaEnd();
    void learnFirstFrameTime();
    void startPendingLoad();
    void handle(const mpv_event& event);
    void seekExact(double seconds);
    void setFlag(const char* name, bool value);
    void setDouble(const char* name, double value);
    void setText(const char* name, const std::string& value);
    double readDouble(const char* name, double fallback);
    void refreshMediaFacts();
    void requireFrames();
    void notify();
    double clamp(double seconds);
    void keepKeyframeInReach(double target);

    mpv_handle* mpv_ = nullptr;
    QPointer<QWidget> surface_;
    MpvVideoWidget* video_ = nullptr;
    std::function<void()> stateChanged_;

    Load load_ = Load::None;
    std::string pendingUrl_;
    bool isDvd_ = false;
    std::string failure_;
    int failureNumber_ = 0;

    bool paused_ = true;
    bool stopped_ = false;
    bool endReached_ = false;
    bool endAsked_ = false;
    bool backwards_ = false;
    double duration_ = 0;
    double fps_ = 0;
    bool seekable_ = false;
    bool hasVideo_ = false;
    // Program streams seek to a byte position near a time, not to a keyframe before it.
    bool programStream_ = false;
    double demuxerStart_ = 0;
    std::optional<double> firstFrameTime_;
    uint64_t seeksAtLoad_ = 0;
    std::shared_ptr<FrameIndexJob> indexJob_;
    FrameTimes frames_;

    // The latest seek that has not landed: its target, and the sequence numbers that tell
    // when mpv has taken it (reply), started it (a seek event after that reply) and shown
    // it (the restart after that).
    std::optional<double> seekTarget_;
    uint64_t seeksIssued_ = 0;
    uint64_t seeksTaken_ = 0;
    bool lastSeekRunning_ = false;
};

} // namespace platform::qt
