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

void FrameBackStepper::start(platform::MediaPlayer& player) {
    player.pause();
    running_ = true;
}

void FrameBackStepper::tick(platform::MediaPlayer& player) {
    if (!running_) {
        return;
    }
    running_ = attempt([&] {
        if (player.state() == platform::PlayerState::Playing || player.framePosition() <= 0) {
            throw textfile::RunError(textfile::kInvalidArgument);
        }
        player.previousFrame();
    });
}

} // namespace vc
