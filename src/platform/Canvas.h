#pragma once
// A surface drawn in a scale of the caller's choosing: the graph window's picture, and later a
// printed page. Coordinates and text metrics are in scale units; in a scale whose y grows
// upwards (top above bottom) text hangs down from its point and heights come out negative.

#include <string>

namespace platform {

class Canvas {
public:
    virtual ~Canvas() = default;
    // The scale: x runs from left to right, y from top to bottom (either way round).
    virtual void setScale(double left, double top, double right, double bottom) = 0;
    virtual double scaleWidth() const = 0;  // right - left
    virtual double scaleHeight() const = 0; // bottom - top
    virtual void setLineWidth(int pixels) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void line(double x1, double y1, double x2, double y2) = 0; // in black
    // Writes text with its top left corner at (x, y).
    virtual void text(double x, double y, const std::string& text) = 0;
    virtual double textWidth(const std::string& text) const = 0;
    virtual double textHeight(const std::string& text) const = 0;
};

} // namespace platform
