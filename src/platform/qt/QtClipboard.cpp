#include "platform/qt/QtClipboard.h"

#include "platform/qt/TextBridge.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform::qt {

void QtClipboard::clear() {
    QGuiApplication::clipboard()->clear();
}

void QtClipboard::setText(const std::string& text) {
    QGuiApplication::clipboard()->setText(toDisplay(text));
}

std::string QtClipboard::text() {
    return fromDisplay(QGuiApplication::clipboard()->text());
}

} // namespace platform::qt
