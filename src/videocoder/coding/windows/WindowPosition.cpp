#include "videocoder/coding/windows/WindowPosition.h"

#include <QWidget>

#include <cmath>

namespace vc {

namespace {
int toPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}
} // namespace

void applyStoredPosition(QWidget& window, const VideoSettings& s) {
    if (s.gVidLeft != 0) {
        window.move(toPixels(s.gVidLeft), window.y());
    }
    if (s.gVidTop != 0) {
        window.move(window.x(), toPixels(s.gVidTop));
    }
    if (s.gVidHeight != 0) {
        window.resize(window.width(), toPixels(s.gVidHeight));
    }
    if (s.gVidWidth != 0) {
        window.resize(toPixels(s.gVidWidth), window.height());
    }
}

void storePosition(const QWidget& window, VideoSettings& s) {
    s.gVidLeft = window.x() * kTwipsPerPixel;
    s.gVidTop = window.y() * kTwipsPerPixel;
    s.gVidHeight = window.height() * kTwipsPerPixel;
    s.gVidWidth = window.width() * kTwipsPerPixel;
}

} // namespace vc
