#include "platform/qt/CentreOnScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace platform {

void centreOnScreen(QWidget& window) {
    const QScreen* shown = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (shown == nullptr) {
        return;
    }
    // A window never shown nor sized takes its layout's size only when shown; take it now,
    // so the window is centred at the size it will have.
    if (!window.isVisible() && !window.testAttribute(Qt::WA_Resized)) {
        window.adjustSize();
    }
    const QRect area = shown->geometry();
    const QSize size = window.frameGeometry().size();
    window.move(area.left() + (area.width() - size.width()) / 2,
                area.top() + (area.height() - size.height()) / 2);
}

} // namespace platform
