// The one routine that keeps a window in full view, on the offscreen platform's screen.
#include "platform/qt/OnScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

TEST(OnScreen, AWindowPastTheScreensEdgesComesBackWithItsTitleBar) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const int titleBar = platform::qt::frameMarginsOf(QWidget()).top;
    struct Case {
        const char* name;
        QRect placed;
    };
    const Case cases[] = {{"below the bottom edge", {100, area.bottom() - 50, 300, 420}},
                          {"left of the screen", {-500, 100, 300, 200}},
                          {"above the top edge", {100, -40, 300, 200}},
                          {"taller than the screen", {0, 0, 300, area.height() * 2}}};
    for (const Case& c : cases) {
        QWidget window;
        window.setGeometry(c.placed);
        platform::qt::keepOnScreen(window);
        const QRect framed = window.geometry().adjusted(0, -titleBar, 0, 0);
        EXPECT_TRUE(area.contains(framed)) << c.name;
    }
    QWidget shown;
    shown.setGeometry(area.left() + 10, area.top() + titleBar + 10, 200, 100);
    const QRect before = shown.geometry();
    platform::qt::keepOnScreen(shown);
    EXPECT_EQ(shown.geometry(), before) << "a window in full view stays where it is";
}

} // namespace
