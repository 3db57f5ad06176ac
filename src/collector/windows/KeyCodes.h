#pragma once
// Qt keys as the collector's key handlers know them.

#include <string>

class QKeyEvent;

namespace collector {

// The classic key code of a released key: letters and digits by their capital character,
// 13 Enter, 8 Backspace, 16 Shift, 17 Ctrl, 18 Alt, 27 Escape, 32 Space, 222 the quote key,
// 0 an unknown key, and 255 for every other key.
int classicKeyCode(int qtKey);
// The character a pressed key types, as bytes ("\r" Enter, "\b" Backspace), or "" when it
// types none (moving keys, Delete, shortcuts), which the box then handles itself.
std::string typedCharacter(const QKeyEvent& event);

} // namespace collector
