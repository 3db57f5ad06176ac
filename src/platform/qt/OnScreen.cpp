#include "platform/qt/OnScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace platform::qt {

namespace {

PixelRect pixelRectOf(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

} // namespace

std::vector<PixelRect> availableScreens() {
    std::vector<PixelRect> screens;
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        screens.push_back(pixelRectOf(primary->availableGeometry()));
    }
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen()) {
            screens.push_back(pixelRectOf(screen->availableGeometry()));
        }
    }
    return screens;
}

FrameMargins frameMarginsOf(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    if (frame == client) {
        FrameMargins unframed;
        unframed.top = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
        return unframed;
    }
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

void keepOnScreen(QWidget& window) {
    const PixelRect now = pixelRectOf(window.geometry());
    const PixelRect shown = platform::keepOnScreen(now, availableScreens(), frameMarginsOf(window));
    if (!(shown == now)) {
        window.setGeometry(shown.left, shown.top, shown.width, shown.height);
    }
}

} // namespace platform::qt
