// The coding window's header procedures that ask the player, in each player window.
#include "CodingWindowRig.h"
#include "videocoder/coding/windows/HeaderPanel.h"

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

} // namespace
