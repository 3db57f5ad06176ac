#include "videocoder/coding/windows/SeekSlider.h"

#include <QProxyStyle>
#include <QSlider>

namespace vc {

namespace {
// Over the application's style, whatever it is: a proxy made without a base follows it.
class ClickJumpStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == QStyle::SH_Slider_AbsoluteSetButtons) {
            return Qt::LeftButton;
        }
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};
} // namespace

void jumpToClicks(QSlider& slider) {
    auto* style = new ClickJumpStyle;
    style->setParent(&slider);
    slider.setStyle(style);
}

} // namespace vc
