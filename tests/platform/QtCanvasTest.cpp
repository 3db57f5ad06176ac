#include "platform/qt/QtCanvas.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>

namespace {

// Whether column x of the image holds a dark pixel anywhere.
bool darkColumn(const QImage& image, int x) {
    for (int y = 0; y < image.height(); ++y) {
        if (qGray(image.pixel(x, y)) < 128) {
            return true;
        }
    }
    return false;
}

// The canvas covers the left half of the device: a stroke past its scale's right edge stays
// off the other half, as it stays off a window's neighbours, and the painter comes back as it was.
TEST(QtCanvas, DrawsOnlyInsideItsArea) {
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QPen pen(Qt::red, 3);
    painter.setPen(pen);
    {
        platform::qt::QtCanvas canvas(painter, QSizeF(100, 100));
        canvas.setScale(0, 1000, 1000, 0);
        canvas.line(500, 0, 500, 1000);
        canvas.line(1050, 0, 1050, 1000);
        canvas.line(1500, 0, 1500, 1000);
    }
    EXPECT_FALSE(painter.hasClipping());
    EXPECT_EQ(painter.pen(), pen);
    painter.end();

    EXPECT_TRUE(darkColumn(image, 50));
    EXPECT_FALSE(darkColumn(image, 105));
    EXPECT_FALSE(darkColumn(image, 150));
}

} // namespace
