#pragma once

class QWidget;

namespace ws {

// Puts a window in the middle of the screen it is on (or the primary screen).
void centreOnScreen(QWidget& window);

} // namespace ws
