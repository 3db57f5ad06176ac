#include "collector/windows/KeyCodes.h"

#include "platform/qt/TextBridge.h"

#include <QKeyEvent>

namespace collector {

int classicKeyCode(int qtKey) {
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
        return qtKey; // Qt numbers them by their capital character too
    }
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
        return 222;
    case 0:
    case Qt::Key_unknown:
        return 0;
    default:
        return 255;
    }
}

std::string typedCharacter(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        return "\r";
    }
    if (event.key() == Qt::Key_Backspace) {
        return "\b";
    }
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return {};
    }
    const QString text = event.text();
    if (text.isEmpty() || !text.at(0).isPrint()) {
        return {};
    }
    return platform::fromDisplay(text);
}

} // namespace collector
