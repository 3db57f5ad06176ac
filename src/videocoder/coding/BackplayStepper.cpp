#include "videocoder/coding/BackplayStepper.h"

#include "textfile/RunError.h"
#include "videocoder/coding/PlayerWait.h"

namespace vc {

namespace {
template <class Step> bool attempt(Step&& step) {
    try {
        step();
        return true;
    } catch (const textfile::RunError&) {
        return false;
    }
}
} // namespace

void BackplayStepper::tick(platform::MediaPlayer* player, platform::Dialogs& dialogs,
                           platform::Clock& clock) {
    if (!player || stepping_) {
        return;
    }
    double position = 0;
    if (attempt([&] { position = player->position(); }) && position < kBackplayStep) {
        return;
    }
    stepping_ = true;
    attempt([&] { player->setPosition(player->position() - kBackplayStep); });
    attempt([&] { player->play(); });
    attempt([&] { waitUntilPlaying(*player, dialogs, clock); });
    attempt([&] { player->pause(); });
    stepping_ = false;
}

} // namespace vc
