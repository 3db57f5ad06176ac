#include "videocoder/coding/windows/PlayerWindows.h"

#include "videocoder/coding/OpenMedia.h"
#include "videocoder/coding/windows/Backplay.h"
#include "videocoder/coding/windows/PlayControlWindow.h"
#include "videocoder/coding/windows/VideoFrm3.h"

#include <string>

namespace vc {

PlayerWindows::PlayerWindows(Globals& g, platform::Platform& p, PlayerFactory makePlayer)
    : g_(g), p_(p), makePlayer_(std::move(makePlayer)) {
    links_.loadedPlayer = [this](PlayerKind kind) { return loadedPlayer(kind); };
    links_.showPlayer = [this](PlayerKind kind) { show(kind); };
    links_.unloadPlayer = [this](PlayerKind kind) { unload(kind); };
}

PlayerWindows::~PlayerWindows() = default;

bool PlayerWindows::anyHoldsMedia(const PlayerWindow* besides) const {
    for (const PlayerWindow* window :
         {static_cast<const PlayerWindow*>(media_.get()), static_cast<const PlayerWindow*>(file_.get()),
          static_cast<const PlayerWindow*>(dvd_.get())}) {
        if (window && window != besides && window->holdsMedia()) {
            return true;
        }
    }
    return false;
}

void PlayerWindows::keepTrackOfOthers(PlayerWindow& window) {
    window.othersHoldMedia = [this, &window] { return anyHoldsMedia(&window); };
}

platform::MediaPlayer* PlayerWindows::loadedPlayer(PlayerKind kind) {
    switch (kind) {
    case PlayerKind::MediaWindow:
        return media_ ? media_->mmPlay() : nullptr;
    case PlayerKind::FileWindow:
        return file_ ? file_->mmPlay() : nullptr;
    case PlayerKind::DvdWindow:
        return dvd_ ? dvd_->mmPlay() : nullptr;
    }
    return nullptr;
}

// One video window is open at a time: when another player was chosen meanwhile, the window
// that is open closes (its player stopped) before the chosen one shows, and the media name it
// held stays for the chosen one to open.
void PlayerWindows::closeOthers(PlayerKind kept) {
    const std::string name = g_.data.gVideoFileName;
    for (PlayerKind other : {PlayerKind::MediaWindow, PlayerKind::FileWindow, PlayerKind::DvdWindow}) {
        if (other != kept) {
            unload(other);
        }
    }
    g_.data.gVideoFileName = name;
}

void PlayerWindows::show(PlayerKind kind) {
    closeOthers(kind);
    switch (kind) {
    case PlayerKind::MediaWindow:
        if (!media_) {
            media_ = std::make_unique<VideoFrm3>(g_, p_, makePlayer_);
            keepTrackOfOthers(*media_);
        }
        media_->showWindow();
        return;
    case PlayerKind::FileWindow:
        if (!file_) {
            file_ = std::make_unique<PlayControlWindow>(PlayControlKind::File, g_, p_, makePlayer_);
            keepTrackOfOthers(*file_);
        }
        file_->showWindow();
        return;
    case PlayerKind::DvdWindow:
        if (!dvd_) {
            dvd_ = std::make_unique<PlayControlWindow>(PlayControlKind::Dvd, g_, p_, makePlayer_);
            keepTrackOfOthers(*dvd_);
        }
        dvd_->showWindow();
        return;
    }
}

void PlayerWindows::unload(PlayerKind kind) {
    QWidget* window = nullptr;
    switch (kind) {
    case PlayerKind::MediaWindow:
        window = media_.get();
        break;
    case PlayerKind::FileWindow:
        window = file_.get();
        break;
    case PlayerKind::DvdWindow:
        window = dvd_.get();
        break;
    }
    if (window && loadedPlayer(kind)) {
        window->close();
    }
}

void PlayerWindows::open(PlayerKind kind) {
    openPlayer(links_, kind, p_.dialogs);
}

void PlayerWindows::wireInto(MainFrmLinks& links) {
    links.showVideoFrm3 = [this] { open(PlayerKind::MediaWindow); };
    links.showVideoFrm2 = [this] { open(PlayerKind::FileWindow); };
    links.showVideoFrmDVD = [this] { open(PlayerKind::DvdWindow); };
    links.unloadVideoFrm3 = [this] { unload(PlayerKind::MediaWindow); };
}

void PlayerWindows::showBackplay() {
    if (!g_.open.gVideoOpen) {
        return;
    }
    if (!backplay_) {
        backplay_ = std::make_unique<Backplay>(g_, p_, links_);
    }
    backplay_->run();
}

} // namespace vc
