#pragma once
// Where a window may stand on the screens Qt knows, and the one routine every window uses to
// keep itself in full view.

#include "platform/ScreenPlacement.h"

#include <vector>

class QWidget;

namespace platform::qt {

// The screens' available areas, the primary screen first: a window off every screen comes
// back onto it.
std::vector<PixelRect> availableScreens();
// The window manager's frame around the window; before the window has one (never shown, or
// no window manager) the title bar the style would draw.
FrameMargins frameMarginsOf(const QWidget& window);
// Moves the window, and shrinks it when it is larger than the screen, so that all of it and
// its frame show on the screen that holds most of it. A window in full view stays as it is.
void keepOnScreen(QWidget& window);

} // namespace platform::qt
