#include "videocoder/coding/PlayerWait.h"

namespace vc {

using platform::PlayerState;

bool waitUntil(const std::function<bool()>& ready, platform::Dialogs& dialogs, platform::Clock& clock,
               double limit) {
    const double start = clock.monotonicSeconds();
    while (!ready()) {
        if (clock.monotonicSeconds() - start >= limit) {
            return false;
        }
        dialogs.yieldToUi();
    }
    return true;
}

bool waitUntilPlaying(platform::MediaPlayer& player, platform::Dialogs& dialogs, platform::Clock& clock) {
    return waitUntil([&] { return player.state() == PlayerState::Playing; }, dialogs, clock);
}

bool waitUntilOpened(platform::MediaPlayer& player, platform::Dialogs& dialogs, platform::Clock& clock) {
    return waitUntil([&] { return player.state() != PlayerState::NotReady; }, dialogs, clock);
}

} // namespace vc
