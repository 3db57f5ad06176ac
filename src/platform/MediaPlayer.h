#pragma once
// A video player, as the player windows and the coding window drive it. Positions are
// seconds (double) from the start of the media; frames count from 0 at the container's
// frame rate. A call the player cannot carry out throws textfile::RunError with a number
// and a description; the callers turn it into their own boxes.

#include <cstdint>
#include <functional>
#include <string>

class QWidget;

namespace platform {

// The numbers follow the play controls the windows were written against: 0 means no media
// is ready, 3 means playing.
enum class PlayerState : int { NotReady = 0, Stopped = 1, Paused = 2, Playing = 3 };

enum SeekCapability : int {
    kSeekForward = 1,
    kSeekBackward = 2,
    kFrameForward = 4,
    kFrameBackward = 8,
    kAllSeeking = 15,
};

// How the picture sits in the surface.
enum class SizeMode : int { FitToWindow = 0, StretchToWindow = 1, Normal = 2, HalfSize = 4, DoubleSize = 5 };

class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;

    // Opening is asynchronous: a media that cannot be opened makes state() throw the reason.
    virtual void openFile(const std::string& path) = 0;
    // The main title of a DVD; device is a VIDEO_TS folder, the folder holding one, or a
    // device; "" or a drive text such as "D:" means the system's default device.
    virtual void openDvd(const std::string& device) = 0;
    virtual void close() = 0;

    virtual void play() = 0;
    virtual void pause() = 0;
    // Halts at the start, the picture kept.
    virtual void stop() = 0;
    virtual void seekStart() = 0;
    virtual void seekEnd() = 0;
    virtual PlayerState state() = 0;

    // Right after a seek the position reads as its target; it is clamped to the duration.
    virtual double position() = 0;
    virtual void setPosition(double seconds) = 0;
    virtual double duration() = 0;
    // Throw when the media has no frame rate.
    virtual int32_t framePosition() = 0;
    virtual void setFramePosition(int32_t frame) = 0;
    virtual int32_t frameCount() = 0;
    // The frame a position shows, and a frame's own time (where a seek to it lands); both
    // throw as framePosition does.
    virtual int32_t frameAt(double seconds) = 0;
    virtual double timeOf(int32_t frame) = 0;
    // The position on a scale of 0 to 10000 over the media; a write seeks.
    virtual int32_t trackingPosition() = 0;
    virtual void setTrackingPosition(int32_t value) = 0;

    // The subset of the asked SeekCapability flags the media allows.
    virtual int seekingCapabilities(int asked) = 0;
    virtual void nextFrame() = 0;
    virtual void previousFrame() = 0;

    virtual double rate() = 0;
    // May refuse (throws).
    virtual void setRate(double rate) = 0;
    virtual bool muted() = 0;
    virtual void setMuted(bool muted) = 0;
    // Hundredths of a decibel below full loudness: -4000 to 0.
    virtual void setVolume(int32_t hundredthsOfDecibel) = 0;
    virtual void setSizeMode(SizeMode mode) = 0;
    virtual void toggleFullScreen() = 0;

    // DVD playing at a speed (1.0 normal), forwards or backwards; may refuse (throws).
    virtual void playForwards(double speed) = 0;
    virtual void playBackwards(double speed) = 0;

    // Called on the window thread whenever the player's state or position settles.
    virtual void setStateChangedHandler(std::function<void()> handler) = 0;
    // The widget the picture is drawn in; the window places it.
    virtual QWidget* surface() = 0;
};

} // namespace platform
