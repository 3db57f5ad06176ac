#pragma once
// What the player windows share: the player they make once and keep, loading on the first
// showing, the Close and Exit items, and the unload that stores the window's position.

#include "platform/Platform.h"
#include "videocoder/coding/windows/PlayerFactory.h"
#include "videocoder/core/Globals.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <string>

class QCloseEvent;
class QLabel;
class QTimer;

namespace vc {

inline const std::string kNoVideoNote = "no video in this file";

class PlayerWindow : public QMainWindow {
    Q_OBJECT
public:
    ~PlayerWindow() override;

    bool loaded() const { return loaded_; }
    // The player while the window is loaded, else nullptr.
    platform::MediaPlayer* mmPlay() { return loaded_ ? player_.get() : nullptr; }
    // Shows the window; the first showing loads it.
    void showWindow();
    // True while this window holds media.
    bool holdsMedia() const { return holdsMedia_; }
    // Whether another player window holds media: gVideoOpen stays true while one does, so
    // closing one window leaves the other's controls working.
    std::function<bool()> othersHoldMedia;

    virtual void Form_Load() = 0;
    void Form_Unload();
    void ExitMnu_Click();
    void PlayMnu_Click();

protected:
    PlayerWindow(Globals& g, platform::Platform& p, const PlayerFactory& makePlayer, QWidget* parent);
    // The picture above the window's own controls.
    void placeSurface(QWidget* controls);
    // "Close": no media, the window stays with this caption.
    void closeMedia(const std::string& caption);
    // The media is open (gVideoOpen true), or gone from this window.
    void mediaOpened();
    void mediaGone();
    // The line under the picture saying what the picture cannot: the media has no video,
    // or did not open. Shows after a load, the picture cleared first.
    void showMediaNote(const std::string& note);
    // Clears the note and the old picture before a load.
    void clearForLoad();
    // After a load: media without pictures says so under the black picture.
    void noteMissingVideo();
    // Stores the position and saves the settings when the window is not minimised (nor
    // maximised, unless that counts too).
    void keepPosition(bool maximisedToo);
    virtual QTimer& displayTimer() = 0;
    void closeEvent(QCloseEvent* event) override;

    Globals& g_;
    platform::Platform& p_;
    std::unique_ptr<platform::MediaPlayer> player_;
    bool loaded_ = false;
    bool holdsMedia_ = false;
    QLabel* mediaNote_ = nullptr;
};

} // namespace vc
