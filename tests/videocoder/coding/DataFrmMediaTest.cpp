// The coding window's header procedures that ask the player, in each player window.
#include "CodingWindowRig.h"
#include "videocoder/coding/windows/HeaderPanel.h"
#include "videocoder/coding/windows/PlayControlWindow.h"
#include "videocoder/coding/windows/VideoFrm3.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using vc::PlayerKind;

struct Window {
    PlayerKind kind;
    double selection;
    const char* name;
};

const std::vector<Window> kWindows = {
    {PlayerKind::MediaWindow, 0, "media window"},
    {PlayerKind::FileWindow, 1, "file window"},
    {PlayerKind::DvdWindow, 2, "DVD window"},
};

void openWindow(vctest::CodingWindowRig& rig, const Window& w) {
    rig.g.settings.PlayerSelection = w.selection;
    rig.g.data.gVideoFileName = w.kind == PlayerKind::DvdWindow ? "DVD" : rig.clip();
    rig.players.open(w.kind);
    rig.newBoxes();
}

TEST(DataFrmMedia, CtrlClickOnATimeFieldWritesThePlayersTimeInEachWindow) {
    for (const Window& w : kWindows) {
        vctest::CodingWindowRig rig;
        rig.openStudy();
        openWindow(rig, w);
        ASSERT_EQ(rig.g.open.gVideoOpen, vc::kTrue) << w.name;
        rig.sim.last().setPosition(2.5);
        rig.sim.last().pause();
        QTest::mouseClick(rig.window.header()->Text1(vc::kStartTimeField), Qt::LeftButton,
                          Qt::ControlModifier);
        rig.sim.last().setPosition(7.25);
        QTest::mouseClick(rig.window.header()->Text1(vc::kEndTimeField), Qt::RightButton,
                          Qt::ControlModifier);
        EXPECT_EQ(rig.model.Text1[vc::kStartTimeField], "00:00:02.50") << w.name;
        EXPECT_EQ(rig.model.Text1[vc::kEndTimeField], "00:00:07.27") << w.name;
        EXPECT_EQ(rig.window.header()->fieldText(vc::kStartTimeField), "00:00:02.50") << w.name;
        EXPECT_TRUE(rig.newBoxes().empty()) << w.name;
    }
}

TEST(DataFrmMedia, SeekButtonsHaltEachPlayerOnTheStartOrEndTime) {
    for (const Window& w : kWindows) {
        vctest::CodingWindowRig rig;
        rig.openStudy();
        rig.model.Text1[vc::kStartTimeField] = "00:00:04.00";
        rig.model.Text1[vc::kEndTimeField] = "00:00:06.00";
        // Without media nothing happens.
        rig.window.header()->SeekBtn(0)->click();
        EXPECT_TRUE(rig.sim.made.empty());
        openWindow(rig, w);
        testsupport::SimulatedPlayer& player = rig.sim.last();
        player.play();
        rig.window.header()->SeekBtn(0)->click();
        EXPECT_NEAR(player.position(), 4.0, 1 / 29.97) << w.name;
        EXPECT_EQ(player.state(), platform::PlayerState::Paused) << w.name;
        rig.window.header()->SeekBtn(1)->click();
        EXPECT_NEAR(player.position(), 6.0, 1 / 29.97) << w.name;
        EXPECT_EQ(player.state(), platform::PlayerState::Paused) << w.name;
        EXPECT_TRUE(rig.newBoxes().empty()) << w.name;
    }
}

vc::PlayerWindow* windowOf(vc::PlayerWindows& players, PlayerKind kind) {
    switch (kind) {
    case PlayerKind::MediaWindow:
        return players.mediaWindow();
    case PlayerKind::FileWindow:
        return players.fileWindow();
    case PlayerKind::DvdWindow:
        return players.dvdWindow();
    }
    return nullptr;
}

// Another player chosen in the options while one plays, then "Media!": the open window
// closes with its player before the chosen one opens the same media, alone.
TEST(DataFrmMedia, MediaAfterAnotherPlayerIsChosenClosesTheOpenWindowFirst) {
    for (const Window& from : kWindows) {
        for (const Window& to : kWindows) {
            if (from.kind == to.kind) {
                continue;
            }
            const std::string pair = std::string(from.name) + " to " + to.name;
            vctest::CodingWindowRig rig;
            rig.openStudy();
            rig.g.settings.PlayerSelection = from.selection;
            const std::string media = rig.clip();
            rig.g.data.gVideoFileName = media;
            rig.dataFrm.ControlSub(4);
            testsupport::SimulatedPlayer& old = rig.sim.last();
            ASSERT_TRUE(windowOf(rig.players, from.kind)->isVisible()) << pair;
            old.play();

            rig.g.settings.PlayerSelection = to.selection;
            rig.dataFrm.ControlSub(4);
            EXPECT_EQ(old.opened, "") << pair;
            EXPECT_EQ(old.log.back(), "Close") << pair;
            EXPECT_FALSE(windowOf(rig.players, from.kind)->isVisible()) << pair;
            EXPECT_FALSE(windowOf(rig.players, from.kind)->loaded()) << pair;
            ASSERT_NE(&rig.sim.last(), &old) << pair;
            EXPECT_EQ(rig.sim.last().opened,
                      to.kind == PlayerKind::DvdWindow ? rig.g.settings.DVDDrive : media)
                << pair;
            EXPECT_TRUE(windowOf(rig.players, to.kind)->isVisible()) << pair;
            EXPECT_EQ(rig.g.open.gVideoOpen, vc::kTrue) << pair;
            EXPECT_TRUE(rig.newBoxes().empty()) << pair;

            // The same player again only brings its window forward.
            const std::size_t made = rig.sim.made.size();
            rig.dataFrm.ControlSub(4);
            EXPECT_EQ(rig.sim.made.size(), made) << pair;
            EXPECT_TRUE(windowOf(rig.players, to.kind)->loaded()) << pair;
        }
    }
}

} // namespace
