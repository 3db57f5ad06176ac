#pragma once
// The main window's rectangle as the settings store keeps it, and the rule that brings a
// stored rectangle back onto a screen the person can see.
//
// The stored rectangle is the window's client area (the part inside the window manager's
// frame), read and applied as the same rectangle, so a restart puts the window exactly
// where it was left whatever frame the window manager draws around it.

#include <cstdint>
#include <vector>

namespace ws {

inline constexpr int kTwipsPerPixel = 15;

// A rectangle in pixels on the virtual desktop.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The store keeps 16-bit twips; a rectangle beyond that keeps its largest value.
std::int16_t toTwips(int pixels);
int toPixels(int twips);

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

} // namespace ws
