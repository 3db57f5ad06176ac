// The main window's rectangle in the store's twips, and bringing it back onto a screen.
#include "workstation/core/MainWindowGeometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using ws::keepOnScreen;
using ws::PixelRect;

struct ScreenFitCase {
    const char* name;
    PixelRect stored;
    PixelRect expected;
};

TEST(KeepOnScreen, BringsTheWindowAndItsTitleBarIntoOneScreen) {
    // Two screens side by side, the second one shorter; a title bar of 20 pixels.
    const ws::FrameMargins titleBar{0, 20, 0, 0};
    const std::vector<PixelRect> screens = {{0, 0, 1280, 1024}, {1280, 0, 1024, 768}};
    const std::vector<ScreenFitCase> cases = {
        {"in full view stays", {100, 100, 600, 400}, {100, 100, 600, 400}},
        {"on the second screen stays", {1400, 300, 600, 400}, {1400, 300, 600, 400}},
        {"title bar above the top comes down", {0, 0, 600, 400}, {0, 20, 600, 400}},
        {"past the right edge comes back", {900, 100, 600, 400}, {680, 100, 600, 400}},
        {"mostly on the second screen goes wholly onto it", {1200, 500, 600, 400}, {1280, 368, 600, 400}},
        {"off every screen comes onto the first", {-2000, -2000, 600, 400}, {0, 20, 600, 400}},
        {"far below comes up", {100, 30000, 600, 400}, {100, 624, 600, 400}},
        {"larger than the screen shrinks to it", {-10, 0, 2000, 2000}, {0, 20, 1280, 1004}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(keepOnScreen(c.stored, screens, titleBar), c.expected) << c.name;
    }
    EXPECT_EQ(keepOnScreen({-5000, 0, 10, 10}, {}, titleBar), (PixelRect{-5000, 0, 10, 10}))
        << "no screen at all";
    // A frame all round stays inside too.
    EXPECT_EQ(keepOnScreen({1270, 1020, 100, 100}, {screens[0]}, {4, 20, 4, 4}),
              (PixelRect{1176, 920, 100, 100}));
}

TEST(Twips, FifteenToThePixelAndSixteenBitsInTheStore) {
    EXPECT_EQ(ws::toTwips(609), 9135);
    EXPECT_EQ(ws::toTwips(-3), -45);
    EXPECT_EQ(ws::toTwips(5000), 32767);
    EXPECT_EQ(ws::toPixels(6900), 460);
}

} // namespace
