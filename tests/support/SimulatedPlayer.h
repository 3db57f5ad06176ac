#pragma once
// A media player on a virtual clock: positions move with the clock while it plays, seeks
// land at once, and every call is logged. Tests set the media and its refusals.

#include "platform/Clock.h"
#include "platform/MediaPlayer.h"

#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace testsupport {

class SimulatedPlayer : public platform::MediaPlayer {
public:
    explicit SimulatedPlayer(platform::Clock& clock);
    ~SimulatedPlayer() override;

    // The media every opening gets.
    double mediaDuration = 300 * 1001 / 30000.0;
    double frameRate = 30000 / 1001.0; // 0: no frame numbers
    int capabilities = platform::kAllSeeking;
    // Seconds of the clock from play() until the state reads Playing.
    double startLatency = 0;
    // True while the media is still loading after an opening, as a real player's is for a
    // moment: the state reads NotReady and there are no frame numbers yet.
    bool loading = false;
    bool refuseRates = false;
    bool refuseBackwards = false;
    // Paths that fail to open, with this description.
    std::vector<std::string> unopenable;
    std::string openFailure = "The media could not be opened";

    // "Open <path>", "OpenDvd <device>", "Play", "Pause", "Stop", "Position 1.5", ...
    std::vector<std::string> log;
    std::string opened; // what is open now, "" when nothing
    platform::SizeMode sizeMode = platform::SizeMode::Normal;
    int32_t volume = 0;
    bool fullScreen = false;
    bool backwards = false;

    void openFile(const std::string& path) override;
    void openDvd(const std::string& device) override;
    void close() override;
    void play() override;
    void pause() override;
    void stop() override;
    void seekStart() override;
    void seekEnd() override;
    platform::PlayerState state() override;
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
    double rate() override { return rate_; }
    void setRate(double rate) override;
    bool muted() override { return muted_; }
    void setMuted(bool muted) override;
    void setVolume(int32_t hundredthsOfDecibel) override;
    void setSizeMode(platform::SizeMode mode) override;
    void toggleFullScreen() override;
    void playForwards(double speed) override;
    void playBackwards(double speed) override;
    void setStateChangedHandler(std::function<void()> handler) override {
        stateChanged_ = std::move(handler);
    }
    QWidget* surface() override;

    // Raises the state-changed event, as the real player does when its state settles.
    void raiseStateChanged();

private:
    void requireOpen() const;
    void requireFrames() const;
    void anchor(double seconds);
    bool started();
    void open(const std::string& what, const std::string& logLine);

    platform::Clock& clock_;
    std::unique_ptr<QWidget> surface_;
    std::function<void()> stateChanged_;
    bool failed_ = false;
    bool playing_ = false;
    bool stopped_ = false;
    bool muted_ = false;
    double rate_ = 1.0;
    double playAskedAt_ = 0;
    double anchorPosition_ = 0; // position at anchorTime_
    double anchorTime_ = 0;
};

} // namespace testsupport
