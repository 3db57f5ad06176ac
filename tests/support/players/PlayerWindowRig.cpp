#include "support/players/PlayerWindowRig.h"

#include "support/BurnedFrameNumber.h"
#include "support/ShownFrame.h"
#include "videocoder/coding/windows/PlayControlWindow.h"
#include "videocoder/coding/windows/PlayerWindows.h"
#include "videocoder/coding/windows/VideoFrm3.h"

#include <QCoreApplication>
#include <QSlider>
#include <QThread>

#include <cmath>
#include <cstdio>

namespace testsupport {

namespace {
constexpr int kFitToWindow = 4;
constexpr int kSliderScale = 10000;
} // namespace

PlayerWindowRig::PlayerWindowRig(const GeneratedMedia& clip, vc::PlayerKind window) : kind_(window) {
    // Waits yield to the real event loop; the scripted clock follows the time spent.
    scripted_.dialogs.onYield = [this] {
        QCoreApplication::processEvents();
        QThread::msleep(2);
        scripted_.clock.monotonic += 0.002;
    };
    windows_ = std::make_unique<vc::PlayerWindows>(g_, scripted_.platform, [this] {
        auto player =
            std::make_unique<platform::qt::MpvPlayer>(platform::qt::MpvPlayer::Options{true, false});
        player_ = player.get();
        return player;
    });
    // Every window shows the picture fitted to its surface, where the strip is read.
    g_.settings.VidSize = window == vc::PlayerKind::MediaWindow ? 1 : kFitToWindow;
    if (clip.dvd) {
        g_.settings.DVDDrive = clip.path;
    } else {
        g_.data.gVideoFileName = clip.path;
    }
    windows_->open(window);
    if (!g_.open.gVideoOpen) {
        failure_ = scripted_.dialogs.boxes.empty() ? "the window did not open the media"
                                                   : scripted_.dialogs.boxes.back().text;
        return;
    }
    this->window().resize(480, 480);
    pumpUntil([this] { return player_->seekLanded() && player_->frameIndexReady(); }, 5);
}

PlayerWindowRig::~PlayerWindowRig() = default;

const char* PlayerWindowRig::windowName(vc::PlayerKind window) {
    switch (window) {
    case vc::PlayerKind::MediaWindow:
        return "media window";
    case vc::PlayerKind::FileWindow:
        return "file window";
    case vc::PlayerKind::DvdWindow:
        return "DVD window";
    }
    return "";
}

QWidget& PlayerWindowRig::window() {
    switch (kind_) {
    case vc::PlayerKind::MediaWindow:
        return *windows_->mediaWindow();
    case vc::PlayerKind::FileWindow:
        return *windows_->fileWindow();
    case vc::PlayerKind::DvdWindow:
        return *windows_->dvdWindow();
    }
    return *windows_->mediaWindow();
}

void PlayerWindowRig::seek(double seconds) {
    if (kind_ == vc::PlayerKind::MediaWindow) {
        char answer[32];
        std::snprintf(answer, sizeof answer, "%.4f", seconds);
        scripted_.dialogs.inputs.push_back(std::string(answer));
        windows_->mediaWindow()->gotoMnu_Click();
        return;
    }
    auto& controls = static_cast<vc::PlayControlWindow&>(window());
    controls.PosSlider->setValue(static_cast<int>(std::lround(seconds / player_->duration() * kSliderScale)));
    controls.PosSlider_Change();
}

void PlayerWindowRig::step(bool forward) {
    if (kind_ == vc::PlayerKind::MediaWindow) {
        forward ? player_->nextFrame() : player_->previousFrame();
        return;
    }
    auto& controls = static_cast<vc::PlayControlWindow&>(window());
    forward ? controls.btnNext_Click() : controls.btnPrev_Click();
}

void PlayerWindowRig::seekEnd() {
    if (kind_ == vc::PlayerKind::MediaWindow) {
        player_->seekEnd();
        return;
    }
    static_cast<vc::PlayControlWindow&>(window()).btnEnd_Click();
}

void PlayerWindowRig::seekStart() {
    if (kind_ == vc::PlayerKind::MediaWindow) {
        player_->seekStart();
        return;
    }
    static_cast<vc::PlayControlWindow&>(window()).btnStart_Click();
}

void PlayerWindowRig::play() {
    if (kind_ == vc::PlayerKind::MediaWindow) {
        windows_->mediaWindow()->PlayMnu_Click();
        return;
    }
    static_cast<vc::PlayControlWindow&>(window()).btnPlay_Click();
}

std::optional<int> PlayerWindowRig::shown() {
    return shownFrame(*player_, [](QSize surface) {
        return fittedVideoRect(surface, QSize(TestClip::kWidth, TestClip::kHeight));
    });
}

int PlayerWindowRig::reported() {
    return player_->framePosition();
}

double PlayerWindowRig::position() {
    return player_->position();
}

double PlayerWindowRig::duration() {
    return player_->duration();
}

} // namespace testsupport
