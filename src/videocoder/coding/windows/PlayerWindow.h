#pragma once
// What the player windows share: the player they make once and keep, loading on the first
// showing, the Close and Exit items, and the unload that stores the window's position.

#include "platform/Platform.h"
#include "videocoder/coding/windows/PlayerFactory.h"
#include "videocoder/core/Globals.h"

#include <QMainWindow>

#include <memory>

class QCloseEvent;
class QTimer;

namespace vc {

class PlayerWindow : public QMainWindow {
    Q_OBJECT
public:
    ~PlayerWindow() override;

    bool loaded() const { return loaded_; }
    // The player while the window is loaded, else nullptr.
    platform::MediaPlayer* mmPlay() { return loaded_ ? player_.get() : nullptr; }
    // Shows the window; the first showing loads it.
    void showWindow();

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
    // Stores the position and saves the settings when the window is not minimised (nor
    // maximised, unless that counts too).
    void keepPosition(bool maximisedToo);
    virtual QTimer& displayTimer() = 0;
    void closeEvent(QCloseEvent* event) override;

    Globals& g_;
    platform::Platform& p_;
    std::unique_ptr<platform::MediaPlayer> player_;
    bool loaded_ = false;
};

} // namespace vc
