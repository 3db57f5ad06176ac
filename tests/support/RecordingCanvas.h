#pragma once
// A canvas that keeps what was drawn, with fixed text metrics: a character is as wide as
// the font size in points and a line twice as high, negative in a scale whose y grows upwards.

#include "platform/Canvas.h"

#include <string>
#include <vector>

namespace testsupport {

class RecordingCanvas : public platform::Canvas {
public:
    struct Line {
        double x1, y1, x2, y2;
        int width;
        bool operator==(const Line&) const = default;
    };
    struct Text {
        double x, y;
        std::string text;
        double fontSize;
    };
    std::vector<Line> lines;
    std::vector<Text> texts;
    double left = 0, top = 0, right = 1, bottom = 1;

    void setScale(double l, double t, double r, double b) override {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    double scaleWidth() const override { return right - left; }
    double scaleHeight() const override { return bottom - top; }
    void setLineWidth(int pixels) override { width_ = pixels; }
    void setFontSize(double points) override { fontSize_ = points; }
    void line(double x1, double y1, double x2, double y2) override {
        lines.push_back({x1, y1, x2, y2, width_});
    }
    void text(double x, double y, const std::string& t) override { texts.push_back({x, y, t, fontSize_}); }
    double textWidth(const std::string& t) const override {
        return static_cast<double>(t.size()) * fontSize_;
    }
    double textHeight(const std::string&) const override { return (bottom < top ? -2.0 : 2.0) * fontSize_; }

private:
    int width_ = 1;
    double fontSize_ = 10;
};

} // namespace testsupport
