#pragma once
// The rule that brings a window's rectangle onto a screen the person can see, shared by the
// main windows and every other window that places itself.

#include <vector>

namespace platform {

// A rectangle in pixels on the virtual desktop.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// What the window manager draws around the client area, in pixels.
struct FrameMargins {
    int left = 0;
    int top = 0; // the title bar
    int right = 0;
    int bottom = 0;
};

// Moves (and, when it is larger than the screen, shrinks) the window's client rectangle so
// that the window with its frame lies inside one screen's available area: the screen that
// shows most of it, or the first screen when it is off every one. Windows already in full
// view are returned unchanged. No screens: unchanged.
PixelRect keepOnScreen(PixelRect window, const std::vector<PixelRect>& screens, FrameMargins frame);

} // namespace platform
