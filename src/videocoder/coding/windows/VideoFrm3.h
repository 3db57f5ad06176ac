#pragma once
// The media-player window: a media file with a small menu, a status clock, a transport
// bar and "Go To Time...". Other windows reach its player only while it is loaded.

#include "videocoder/coding/windows/PlayerWindow.h"

#include <QTimer>

#include <array>

class QAction;
class QLabel;
class QSlider;

namespace vc {

class VideoFrm3 : public PlayerWindow {
    Q_OBJECT
public:
    VideoFrm3(Globals& g, platform::Platform& p, const PlayerFactory& makePlayer, QWidget* parent = nullptr);
    ~VideoFrm3() override;

    // A failed load throws (gVideoOpen stays false) and leaves the window shown without media.
    void Form_Load() override;
    void OpenMnu_Click();
    void CloseMnu_Click();
    void StopMnu_Click();
    void MuteMnu_Click();
    void speedMnu_Click(int index);
    void SizeMnu_Click();
    void gotoMnu_Click();
    void Timer1_Timer();

    QAction* MuteMnu = nullptr;
    std::array<QAction*, 6> speedMnu{};
    QAction* SizeMnu = nullptr;
    QLabel* Sb1Panel = nullptr;
    QTimer Timer1;
    QSlider* seekBar = nullptr;
    QSlider* volumeBar = nullptr;

protected:
    QTimer& displayTimer() override { return Timer1; }

private:
    void buildMenus();
    QWidget* buildTransportBar();
    void setStretch(bool stretch);
    template <class Handler> void guarded(Handler&& handler);
};

} // namespace vc
