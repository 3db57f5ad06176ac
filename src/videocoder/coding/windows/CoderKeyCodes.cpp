#include "videocoder/coding/windows/CoderKeyCodes.h"

#include <QKeyEvent>

#include <array>
#include <utility>

namespace vc {

namespace {

// Keys whose code is not their own character.
constexpr std::array<std::pair<int, int>, 60> kNamedKeys{{
    {Qt::Key_Backspace, 8},
    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_AltGr, 18},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
    {Qt::Key_Meta, 91},
    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    {Qt::Key_Semicolon, 186},
    {Qt::Key_Colon, 186},
    {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},
    {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},
    {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},
    {Qt::Key_Slash, 191},
    {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},
    {Qt::Key_AsciiTilde, 192},
    {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220},
    {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
    // Shifted digits on a US keyboard.
    {Qt::Key_Exclam, 49},
    {Qt::Key_At, 50},
    {Qt::Key_NumberSign, 51},
    {Qt::Key_Dollar, 52},
    {Qt::Key_Percent, 53},
    {Qt::Key_AsciiCircum, 54},
    {Qt::Key_Ampersand, 55},
    {Qt::Key_Asterisk, 56},
    {Qt::Key_ParenLeft, 57},
    {Qt::Key_ParenRight, 48},
    {Qt::Key_unknown, 0},
    {0, 0},
}};

// Keypad keys other than the digits.
constexpr std::array<std::pair<int, int>, 6> kKeypadKeys{{
    {Qt::Key_Asterisk, 106},
    {Qt::Key_Plus, 107},
    {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},
    {Qt::Key_Comma, 110},
    {Qt::Key_Slash, 111},
}};

int lookUp(const auto& table, int qtKey) {
    for (const auto& [key, code] : table) {
        if (key == qtKey) {
            return code;
        }
    }
    return -1;
}

} // namespace

int classicKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::KeypadModifier) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
            return 96 + (qtKey - Qt::Key_0);
        }
        if (const int code = lookUp(kKeypadKeys, qtKey); code >= 0) {
            return code;
        }
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
        return qtKey; // Qt numbers them by their capital character too
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
        return 112 + (qtKey - Qt::Key_F1);
    }
    if (qtKey >= Qt::Key_Agrave && qtKey <= Qt::Key_THORN && qtKey != Qt::Key_multiply) {
        return qtKey; // Latin-1 capitals
    }
    const int code = lookUp(kNamedKeys, qtKey);
    return code >= 0 ? code : 0;
}

int classicKeyCode(const QKeyEvent& event) {
    return classicKeyCode(event.key(), event.modifiers());
}

int shiftState(Qt::KeyboardModifiers modifiers) {
    int shift = 0;
    if (modifiers & Qt::ShiftModifier) {
        shift += 1;
    }
    if (modifiers & Qt::ControlModifier) {
        shift += 2;
    }
    if (modifiers & Qt::AltModifier) {
        shift += 4;
    }
    return shift;
}

int typedCharacter(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Delete:
        return 0;
    default:
        break;
    }
    const QString text = event.text();
    if (text.isEmpty()) {
        return 0;
    }
    const char32_t code = text.toUcs4().value(0);
    return code == 0x7F ? 0 : static_cast<int>(code);
}

} // namespace vc
