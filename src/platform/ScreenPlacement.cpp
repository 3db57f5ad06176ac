#include "platform/ScreenPlacement.h"

#include <algorithm>

namespace platform {

namespace {

long overlapArea(const PixelRect& a, const PixelRect& b) {
    const long width = std::min<long>(a.left + a.width, b.left + b.width) - std::max(a.left, b.left);
    const long height = std::min<long>(a.top + a.height, b.top + b.height) - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

// Places [start, start + length) inside [areaStart, areaStart + areaLength).
int placedWithin(int start, int length, int areaStart, int areaLength) {
    return std::clamp(start, areaStart, areaStart + std::max(0, areaLength - length));
}

} // namespace

PixelRect keepOnScreen(PixelRect window, const std::vector<PixelRect>& screens, FrameMargins frame) {
    if (screens.empty()) {
        return window;
    }
    const int frameWidth = frame.left + frame.right;
    const int frameHeight = frame.top + frame.bottom;
    PixelRect outer{window.left - frame.left, window.top - frame.top, window.width + frameWidth,
                    window.height + frameHeight};
    const PixelRect* screen = &screens.front();
    long shown = 0;
    for (const PixelRect& candidate : screens) {
        const long area = overlapArea(outer, candidate);
        if (area > shown) {
            shown = area;
            screen = &candidate;
        }
    }
    outer.width = std::min(outer.width, screen->width);
    outer.height = std::min(outer.height, screen->height);
    outer.left = placedWithin(outer.left, outer.width, screen->left, screen->width);
    outer.top = placedWithin(outer.top, outer.height, screen->top, screen->height);
    return {outer.left + frame.left, outer.top + frame.top, std::max(1, outer.width - frameWidth),
            std::max(1, outer.height - frameHeight)};
}

} // namespace platform
