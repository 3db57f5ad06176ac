#pragma once
// Reads the frame number the generated clip carries along its top edge (see TestMedia.h)
// back from a picture of the rendered video.

#include <QImage>
#include <QRect>

#include <optional>

namespace testsupport {

// The rectangle the video fills in a surface of the given size when it is scaled to fit
// with its shape kept (as the players draw it in "fit" mode), or shown at its own size.
QRect fittedVideoRect(QSize surface, QSize video);
QRect centredVideoRect(QSize surface, QSize video);
// nullopt when the strip is not there (no picture yet).
std::optional<int> readBurnedFrameNumber(const QImage& picture, const QRect& video);

} // namespace testsupport
