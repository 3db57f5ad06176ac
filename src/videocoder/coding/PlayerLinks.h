#pragma once
// The three player windows as the rest of the video coder reaches them. A window is
// created and loaded only by the commands that open it (showPlayer); every other user asks
// for the player of a loaded window and gets nullptr when there is none, which counts as
// "no video open". Nothing here ever loads a window behind the person's back.

#include "platform/MediaPlayer.h"
#include "videocoder/core/Globals.h"

#include <functional>

namespace vc {

enum class PlayerKind { MediaWindow, FileWindow, DvdWindow }; // VideoFrm3, VideoFrm2, VideoFrmDVD

// PlayerSelection 1 the file window, 2 the DVD window, any other value the media window.
PlayerKind chosenPlayer(const VideoSettings& s);

struct PlayerLinks {
    // The window's player while the window is loaded, else nullptr.
    std::function<platform::MediaPlayer*(PlayerKind)> loadedPlayer;
    // Shows the window, loading it first when it is not loaded; a load failure throws.
    std::function<void(PlayerKind)> showPlayer;
    // Unloads the window when it is loaded.
    std::function<void(PlayerKind)> unloadPlayer;

    platform::MediaPlayer* player(PlayerKind kind) const {
        return loadedPlayer ? loadedPlayer(kind) : nullptr;
    }
    platform::MediaPlayer* chosen(const VideoSettings& s) const { return player(chosenPlayer(s)); }
};

} // namespace vc
