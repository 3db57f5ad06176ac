#pragma once
// Waiting for a player while the window system goes on. Every wait has a limit on the
// monotonic clock, so a player that never starts cannot hold the program.

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/MediaPlayer.h"

#include <functional>

namespace vc {

inline constexpr double kPlayerWaitLimit = 3.0; // seconds

// Yields until ready() holds (true) or the limit has passed (false).
bool waitUntil(const std::function<bool()>& ready, platform::Dialogs& dialogs, platform::Clock& clock,
               double limit = kPlayerWaitLimit);
// After play(): until the player reads as playing. A player that failed to open throws its
// reason from here.
bool waitUntilPlaying(platform::MediaPlayer& player, platform::Dialogs& dialogs, platform::Clock& clock);
// After an opening: until the media is ready (any state but NotReady).
bool waitUntilOpened(platform::MediaPlayer& player, platform::Dialogs& dialogs, platform::Clock& clock);

} // namespace vc
