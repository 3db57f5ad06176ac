#pragma once
// Qt keys as the coding grid's key handlers know them: the classic key codes and shift
// state, and the character a key types.

#include <Qt>

class QKeyEvent;

namespace vc {

// Letters 65-90 and digits 48-57 by their capital character, keypad digits 96-105 and
// keypad * + - . / 106-111, F1-F24 112-135, Backspace 8, Tab 9, Enter 13, Shift 16, Ctrl
// 17, Alt 18, Pause 19, Caps Lock 20, Escape 27, Space 32, Page Up/Down 33/34, End 35,
// Home 36, arrows 37-40, Insert 45, Delete 46, the punctuation keys by their US places
// (186-192, 219-222), and a Latin-1 letter by its capital; 0 for any other key.
int classicKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
int classicKeyCode(const QKeyEvent& event);
// 1 Shift, 2 Ctrl, 4 Alt, added.
int shiftState(Qt::KeyboardModifiers modifiers);
// The character (a code point) the key types, control characters included (Enter 13,
// Backspace 8, Ctrl+C 3); 0 when it types none (moving keys, Delete, F-keys).
int typedCharacter(const QKeyEvent& event);

} // namespace vc
