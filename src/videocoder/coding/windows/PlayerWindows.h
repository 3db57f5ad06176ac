#pragma once
// The three player windows of the video coder, each made on its first opening and kept
// for the run, and backwards play over them. The main window's items and the coding
// window reach them through links(); the program hands in how a player is made.

#include "platform/Platform.h"
#include "videocoder/coding/PlayerLinks.h"
#include "videocoder/coding/windows/PlayerFactory.h"
#include "videocoder/core/Globals.h"
#include "videocoder/core/MainFrm.h"

#include <memory>

namespace vc {

class PlayerWindow;
class VideoFrm3;
class PlayControlWindow;
class Backplay;

class PlayerWindows {
public:
    PlayerWindows(Globals& g, platform::Platform& p, PlayerFactory makePlayer);
    ~PlayerWindows();

    const PlayerLinks& links() const { return links_; }

    // Shows a player window, loading it on its first showing and closing any other player
    // window first; a failed load is reported.
    void open(PlayerKind kind);
    // The main window's items that show and unload the players.
    void wireInto(MainFrmLinks& links);
    // "Jump Backwards": shows the backwards-play window modally while a video is open.
    void showBackplay();

    // The windows as they are now; nullptr until first opened.
    VideoFrm3* mediaWindow() { return media_.get(); }
    PlayControlWindow* fileWindow() { return file_.get(); }
    PlayControlWindow* dvdWindow() { return dvd_.get(); }
    Backplay* backplayWindow() { return backplay_.get(); }

private:
    void show(PlayerKind kind);
    void closeOthers(PlayerKind kept);
    void unload(PlayerKind kind);
    platform::MediaPlayer* loadedPlayer(PlayerKind kind);
    bool anyHoldsMedia(const PlayerWindow* besides) const;
    void keepTrackOfOthers(PlayerWindow& window);

    Globals& g_;
    platform::Platform& p_;
    PlayerFactory makePlayer_;
    PlayerLinks links_;
    std::unique_ptr<VideoFrm3> media_;
    std::unique_ptr<PlayControlWindow> file_;
    std::unique_ptr<PlayControlWindow> dvd_;
    std::unique_ptr<Backplay> backplay_;
};

} // namespace vc
