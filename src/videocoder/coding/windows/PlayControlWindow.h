#pragma once
// The two play-control windows, one design: VideoFrm2 plays the media file named by
// gVideoFileName, VideoFrmDVD the DVD in DVDDrive. Where they differ is the Kind.

#include "videocoder/coding/BackplayStepper.h"
#include "videocoder/coding/windows/PlayerWindow.h"

#include <QTimer>

#include <array>
#include <vector>

class QAction;
class QLabel;
class QSlider;
class QToolButton;

namespace vc {

enum class PlayControlKind { File, Dvd };

// The narrowest the window gets: 6525 twips.
inline constexpr int kPlayControlMinimumWidth = 6525 / 15;

class PlayControlWindow : public PlayerWindow {
    Q_OBJECT
public:
    PlayControlWindow(PlayControlKind kind, Globals& g, platform::Platform& p,
                      const PlayerFactory& makePlayer, QWidget* parent = nullptr);
    ~PlayControlWindow() override;

    PlayControlKind kind() const { return kind_; }
    // The file window's failed load throws; the DVD window reports its own and unloads itself.
    void Form_Load() override;
    void PercentMenu_Click(int index);
    void spdmenu_Click(int index);
    void OpenMnu_Click();
    void CloseMnu_Click();
    void StopMnu_Click();
    void MuteMnu_Click();
    void btnPlay_Click();
    void btnPause_Click();
    void btnStart_Click();
    void btnEnd_Click();
    void btnPrev_Click();
    void btnNext_Click();
    void PosSlider_Change();
    void trkVolume_Scroll();
    void rstTimer1_Timer();
    void mmPlay_StateChanged();

    QAction* OpenMnu = nullptr; // the file window only
    QAction* MuteMnu = nullptr;
    std::array<QAction*, 6> PercentMenu{};
    std::vector<QAction*> spdmenu;
    QSlider* PosSlider = nullptr;
    QSlider* trkVolume = nullptr;
    QToolButton* btnPlay = nullptr;
    QToolButton* btnPause = nullptr;
    QToolButton* btnStart = nullptr;
    QToolButton* btnPrev = nullptr;
    QToolButton* btnNext = nullptr;
    QToolButton* btnEnd = nullptr;
    QLabel* StatusPanel = nullptr;
    QTimer rstTimer1;

protected:
    QTimer& displayTimer() override { return rstTimer1; }

private:
    void buildMenus();
    QWidget* buildControls();
    QToolButton* addButton(QWidget* strip, const char* tip, void (PlayControlWindow::*handler)());
    void loadSteps();
    void showPosition();
    void checkOnly(const std::vector<QAction*>& items, int index);
    // A failure the file window would leave unreported is said here, so it never ends the
    // program; the DVD window ignores the ones its design ignores.
    template <class Handler> void reported(Handler&& handler);
    template <class Handler> void ignored(Handler&& handler);

    PlayControlKind kind_;
    bool inStateChanged_ = false;
    FrameBackStepper frameBack_; // backwards play where the player refuses it
};

} // namespace vc
