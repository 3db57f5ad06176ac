#include "platform/qt/QtCanvas.h"

#include "platform/qt/TextBridge.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QRectF>

namespace platform::qt {

QtCanvas::QtCanvas(QPainter& painter, QSizeF pixels, const QString& fontFamily)
    : painter_(painter), pixels_(pixels), font_(fontFamily) {
    painter_.save();
    // A widget clips to itself, a page does not: a stroke past the scale's edge would land in the
    // page's margin, where the window never shows it.
    painter_.setClipRect(QRectF(QPointF(0, 0), pixels_));
    painter_.setPen(QPen(Qt::black, 1));
    painter_.setFont(font_);
}

QtCanvas::~QtCanvas() {
    painter_.restore();
}

void QtCanvas::setScale(double left, double top, double right, double bottom) {
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
}

void QtCanvas::setLineWidth(int pixels) {
    painter_.setPen(QPen(Qt::black, pixels));
}

void QtCanvas::setFontSize(double points) {
    font_.setPointSizeF(points);
    painter_.setFont(font_);
}

QPointF QtCanvas::toPixels(double x, double y) const {
    return {(x - left_) / xPerPixel(), (y - top_) / yPerPixel()};
}

void QtCanvas::line(double x1, double y1, double x2, double y2) {
    painter_.drawLine(toPixels(x1, y1), toPixels(x2, y2));
}

void QtCanvas::text(double x, double y, const std::string& text) {
    const QFontMetricsF metrics(font_, painter_.device());
    painter_.drawText(toPixels(x, y) + QPointF(0, metrics.ascent()), toDisplay(text));
}

double QtCanvas::textWidth(const std::string& text) const {
    const QFontMetricsF metrics(font_, painter_.device());
    return metrics.horizontalAdvance(toDisplay(text)) * xPerPixel();
}

double QtCanvas::textHeight(const std::string&) const {
    const QFontMetricsF metrics(font_, painter_.device());
    return metrics.height() * yPerPixel();
}

} // namespace platform::qt
