// Test main: every test program runs with a QApplication on the offscreen platform,
// so windows can be created and driven without a display.
#include <QApplication>
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    // Programs that draw video ask for X; with no display they come up offscreen and skip.
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (!platform || (std::string(platform) == "xcb" && !std::getenv("DISPLAY"))) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    // The video library reads and writes numbers only under the "C" convention.
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
