#pragma once
// The video windows share one stored position, in twips (15 to a pixel).

#include "videocoder/core/Globals.h"

class QWidget;

namespace vc {

inline constexpr int kTwipsPerPixel = 15;

int toPixels(double twips);
double toTwips(int pixels);
// One side of a window's position, in twips; the others stay.
void setLeftTwips(QWidget& window, double twips);
void setTopTwips(QWidget& window, double twips);
void setHeightTwips(QWidget& window, double twips);
void setWidthTwips(QWidget& window, double twips);

// Each stored value that is not 0 becomes the window's left, top, height, width, in that order;
// then the window is brought into full view on its screen.
void applyStoredPosition(QWidget& window, const VideoSettings& s);
void storePosition(const QWidget& window, VideoSettings& s);

} // namespace vc
