#pragma once
// Windows that centre themselves at load, in both programs.

class QWidget;

namespace platform {

// Puts a window in the middle of the screen it is on (or the primary screen).
void centreOnScreen(QWidget& window);

} // namespace platform
