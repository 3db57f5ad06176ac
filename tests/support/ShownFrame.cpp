#include "support/ShownFrame.h"

#include "support/BurnedFrameNumber.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QOpenGLWidget>
#include <QThread>

namespace testsupport {

bool pumpUntil(const std::function<bool()>& ready, double limit) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() <= limit * 1000) {
        QCoreApplication::processEvents();
        if (ready()) {
            return true;
        }
        QThread::msleep(1);
    }
    return false;
}

std::optional<int> shownFrame(platform::qt::MpvPlayer& player, const VideoPlacement& placement) {
    auto* surface = qobject_cast<QOpenGLWidget*>(player.surface());
    if (!surface || !pumpUntil([&] { return player.seekLanded(); }, 3)) {
        return std::nullopt;
    }
    // The landed frame may reach the picture a little after mpv says it landed, the more
    // so on a busy machine: the reading counts once it has held for three looks.
    constexpr int kSteadyLooks = 3;
    std::optional<int> previous;
    int steady = 0;
    for (int attempt = 0; attempt < 60; ++attempt) {
        QCoreApplication::processEvents();
        const QImage picture = surface->grabFramebuffer();
        const std::optional<int> shown = readBurnedFrameNumber(picture, placement(picture.size()));
        steady = shown && shown == previous ? steady + 1 : 1;
        if (shown && steady == kSteadyLooks) {
            return shown;
        }
        previous = shown;
        QThread::msleep(10);
    }
    return std::nullopt;
}

} // namespace testsupport
