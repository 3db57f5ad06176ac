#include "support/BurnedFrameNumber.h"

#include "support/TestMedia.h"

#include <QColor>

#include <algorithm>

namespace testsupport {

namespace {
constexpr int kBits = 10;
constexpr int kBlockWidth = 32;
constexpr int kStripHeight = 16;
constexpr int kBelowStrip = 20; // the black band under the bits

int luminance(const QImage& picture, double x, double y) {
    const int px = std::clamp(static_cast<int>(x), 0, picture.width() - 1);
    const int py = std::clamp(static_cast<int>(y), 0, picture.height() - 1);
    return qGray(picture.pixel(px, py));
}
} // namespace

QRect fittedVideoRect(QSize surface, QSize video) {
    const QSize scaled = video.scaled(surface, Qt::KeepAspectRatio);
    return {(surface.width() - scaled.width()) / 2, (surface.height() - scaled.height()) / 2, scaled.width(),
            scaled.height()};
}

QRect centredVideoRect(QSize surface, QSize video) {
    return {(surface.width() - video.width()) / 2, (surface.height() - video.height()) / 2, video.width(),
            video.height()};
}

std::optional<int> readBurnedFrameNumber(const QImage& picture, const QRect& video) {
    if (picture.isNull() || video.isEmpty()) {
        return std::nullopt;
    }
    const double sx = video.width() / double(TestClip::kWidth);
    const double sy = video.height() / double(TestClip::kHeight);
    // The band under the bits is black in every frame: without it there is no picture.
    if (luminance(picture, video.x() + 16 * sx, video.y() + kBelowStrip * sy) > 64) {
        return std::nullopt;
    }
    int number = 0;
    for (int bit = 0; bit < kBits; ++bit) {
        const double x = video.x() + (bit * kBlockWidth + kBlockWidth / 2.0) * sx;
        const double y = video.y() + (kStripHeight / 2.0) * sy;
        if (luminance(picture, x, y) > 128) {
            number |= 1 << bit;
        }
    }
    return number;
}

} // namespace testsupport
