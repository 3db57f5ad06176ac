#include "workstation/core/windows/CentreOnScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ws {

void centreOnScreen(QWidget& window) {
    const QScreen* shown = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (shown == nullptr) {
        return;
    }
    const QRect area = shown->geometry();
    window.move(area.x() + (area.width() - window.width()) / 2,
                area.y() + (area.height() - window.height()) / 2);
}

} // namespace ws
