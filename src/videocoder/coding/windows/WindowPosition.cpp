#include "videocoder/coding/windows/WindowPosition.h"

#include "platform/qt/OnScreen.h"

#include <QWidget>

#include <cmath>

namespace vc {

int toPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

double toTwips(int pixels) {
    return static_cast<double>(pixels) * kTwipsPerPixel;
}

void setLeftTwips(QWidget& window, double twips) {
    window.move(toPixels(twips), window.y());
}

void setTopTwips(QWidget& window, double twips) {
    window.move(window.x(), toPixels(twips));
}

void setHeightTwips(QWidget& window, double twips) {
    window.resize(window.width(), toPixels(twips));
}

void setWidthTwips(QWidget& window, double twips) {
    window.resize(toPixels(twips), window.height());
}

void applyStoredPosition(QWidget& window, const VideoSettings& s) {
    if (s.gVidLeft != 0) {
        setLeftTwips(window, s.gVidLeft);
    }
    if (s.gVidTop != 0) {
        setTopTwips(window, s.gVidTop);
    }
    if (s.gVidHeight != 0) {
        setHeightTwips(window, s.gVidHeight);
    }
    if (s.gVidWidth != 0) {
        setWidthTwips(window, s.gVidWidth);
    }
    // A position stored on a larger or a second screen still shows the whole window.
    platform::qt::keepOnScreen(window);
}

void storePosition(const QWidget& window, VideoSettings& s) {
    s.gVidLeft = toTwips(window.x());
    s.gVidTop = toTwips(window.y());
    s.gVidHeight = toTwips(window.height());
    s.gVidWidth = toTwips(window.width());
}

} // namespace vc
