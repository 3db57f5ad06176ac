#pragma once
// The video windows share one stored position, in twips (15 to a pixel).

#include "videocoder/core/Globals.h"

class QWidget;

namespace vc {

inline constexpr int kTwipsPerPixel = 15;

// Each stored value that is not 0 becomes the window's left, top, height, width, in that order.
void applyStoredPosition(QWidget& window, const VideoSettings& s);
void storePosition(const QWidget& window, VideoSettings& s);

} // namespace vc
