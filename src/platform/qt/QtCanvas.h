#pragma once
// A Canvas over a QPainter on a device of the given size in pixels (a widget or a page). Nothing
// is drawn outside that area, and the painter is handed back as it was given.

#include "platform/Canvas.h"

#include <QFont>
#include <QSizeF>

class QPainter;

namespace platform::qt {

class QtCanvas : public Canvas {
public:
    QtCanvas(QPainter& painter, QSizeF pixels, const QString& fontFamily = QStringLiteral("Arial"));
    ~QtCanvas() override;
    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

    void setScale(double left, double top, double right, double bottom) override;
    double scaleWidth() const override { return right_ - left_; }
    double scaleHeight() const override { return bottom_ - top_; }
    void setLineWidth(int pixels) override;
    void setFontSize(double points) override;
    void line(double x1, double y1, double x2, double y2) override;
    void text(double x, double y, const std::string& text) override;
    double textWidth(const std::string& text) const override;
    double textHeight(const std::string& text) const override;

private:
    QPointF toPixels(double x, double y) const;
    double xPerPixel() const { return scaleWidth() / pixels_.width(); }
    double yPerPixel() const { return scaleHeight() / pixels_.height(); }

    QPainter& painter_;
    QSizeF pixels_;
    QFont font_;
    double left_ = 0, top_ = 0, right_ = 1, bottom_ = 1;
};

} // namespace platform::qt
