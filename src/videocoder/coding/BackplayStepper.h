#pragma once
// The steps of backwards play: once a tick, the player goes 0.1 s back and shows the
// picture there. It steps whichever player is open and chosen, and nothing when none is.

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/MediaPlayer.h"

namespace vc {

inline constexpr double kBackplayStep = 0.1; // seconds
inline constexpr int kBackplayIntervalMs = 1000;

class BackplayStepper {
public:
    // A tick that arrives while the last one still waits for the player is skipped. Each
    // failing step is skipped and the tick goes on.
    void tick(platform::MediaPlayer* player, platform::Dialogs& dialogs, platform::Clock& clock);
    bool stepping() const { return stepping_; }

private:
    bool stepping_ = false;
};

// Backwards play where the player refuses to play backwards (libmpv plays no DVD backwards):
// the window's display timer steps it one frame back per tick, paused between steps, until
// the first frame, a failing step, or play from elsewhere ends it.
class FrameBackStepper {
public:
    // Pauses the player; the steps start with the next tick.
    void start(platform::MediaPlayer& player);
    void stop() { running_ = false; }
    bool running() const { return running_; }
    void tick(platform::MediaPlayer& player);

private:
    bool running_ = false;
};

} // namespace vc
