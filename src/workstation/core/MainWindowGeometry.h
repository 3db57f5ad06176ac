#pragma once
// The main window's rectangle as the settings store keeps it; platform::keepOnScreen brings a
// stored rectangle back onto a screen the person can see.
//
// The stored rectangle is the window's client area (the part inside the window manager's
// frame), read and applied as the same rectangle, so a restart puts the window exactly
// where it was left whatever frame the window manager draws around it.

#include "platform/ScreenPlacement.h"

#include <cstdint>

namespace ws {

inline constexpr int kTwipsPerPixel = 15;

using platform::FrameMargins;
using platform::keepOnScreen;
using platform::PixelRect;

// The store keeps 16-bit twips; a rectangle beyond that keeps its largest value.
std::int16_t toTwips(int pixels);
int toPixels(int twips);

} // namespace ws
