// Backwards play steps the open and chosen player, and the warning box.
#include "videocoder/coding/windows/Backplay.h"
#include "PlayerRigs.h"
#include "videocoder/coding/BackplayStepper.h"
#include "videocoder/coding/PlayerWait.h"
#include "videocoder/coding/windows/PlayerWindows.h"
#include "videocoder/coding/windows/Warningbox.h"

#include <QCheckBox>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

using testsupport::SimulatedPlayer;

struct Stepping : ::testing::Test {
    vctest::SimulatedPlayers rig;
    SimulatedPlayer player{rig.scripted.clock};
    vc::BackplayStepper stepper;

    void SetUp() override { player.openFile("clip.mp4"); }
    void tick() { stepper.tick(&player, rig.scripted.dialogs, rig.scripted.clock); }
};

TEST_F(Stepping, EachTickGoesATenthBackFromThePositionReadAndEndsPaused) {
    player.setPosition(2.0);
    player.startLatency = 0.05;
    tick();
    EXPECT_EQ(player.state(), platform::PlayerState::Paused);
    // The short play before the pause moves it on by the time the player took to start.
    EXPECT_NEAR(player.position(), 1.9, 0.011);
    const std::vector<std::string> tail(player.log.end() - 3, player.log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Position 1.9", "Play", "Pause"}));
}

TEST_F(Stepping, BelowATenthNothingHappensAndATenthGoesToZero) {
    for (double from : {0.05, 0.0}) {
        player.setPosition(from);
        const auto logged = player.log.size();
        tick();
        EXPECT_EQ(player.log.size(), logged) << from;
    }
    player.setPosition(0.1);
    tick();
    EXPECT_NEAR(player.position(), 0.0, 1e-9);
}

TEST_F(Stepping, APlayerThatNeverStartsIsPausedAfterTheLimit) {
    player.setPosition(2.0);
    player.startLatency = 1000;
    const double before = rig.scripted.clock.monotonic;
    tick();
    EXPECT_NEAR(rig.scripted.clock.monotonic - before, vc::kPlayerWaitLimit, 0.02);
    EXPECT_EQ(player.log.back(), "Pause");
}

TEST_F(Stepping, ATickWhileTheLastOneWaitsIsSkipped) {
    player.setPosition(2.0);
    player.startLatency = 0.1;
    int nested = 0;
    rig.scripted.dialogs.onYield = [&] {
        rig.scripted.clock.monotonic += 0.01;
        if (nested++ == 0) {
            tick();
        }
    };
    tick();
    EXPECT_NEAR(player.position(), 1.9, 0.02);
    EXPECT_EQ(std::count(player.log.begin(), player.log.end(), "Pause"), 1);
}

TEST_F(Stepping, NoPlayerNoStep) {
    stepper.tick(nullptr, rig.scripted.dialogs, rig.scripted.clock);
    EXPECT_EQ(rig.scripted.dialogs.yields, 0);
}

struct BackplayWindow : ::testing::Test {
    vctest::SimulatedPlayers rig;
    std::unique_ptr<vc::PlayerWindows> windows;

    void SetUp() override {
        windows = std::make_unique<vc::PlayerWindows>(rig.g, rig.scripted.platform, rig.factory());
    }
};

TEST_F(BackplayWindow, StepsTheChosenDvdPlayerAndNeverMakesAMediaWindow) {
    rig.g.settings.PlayerSelection = 2;
    windows->open(vc::PlayerKind::DvdWindow);
    ASSERT_EQ(rig.g.open.gVideoOpen, vc::kTrue);
    SimulatedPlayer& dvd = rig.last();
    dvd.setPosition(3.0);
    rig.scripted.dialogs.modalHandlers.push_back([](QDialog& dialog) {
        auto& window = static_cast<vc::Backplay&>(dialog);
        EXPECT_EQ(window.windowTitle(), "Playing Backwards");
        EXPECT_EQ(window.Label1->text(), "Jumping Backwards by 0.1 Seconds");
        window.Timer1_Timer();
        window.Timer1_Timer();
        window.Command1_Click();
    });
    windows->showBackplay();
    EXPECT_EQ(windows->mediaWindow(), nullptr);
    EXPECT_EQ(rig.made.size(), 1u);
    EXPECT_NEAR(dvd.position(), 2.8, 0.02);
    EXPECT_EQ(dvd.state(), platform::PlayerState::Paused);
    EXPECT_FALSE(windows->backplayWindow()->Timer1.isActive());
}

TEST_F(BackplayWindow, PlayLeavesThePlayerPlayingAndWithNoVideoNothingShows) {
    rig.g.data.gVideoFileName = "clip.mp4";
    windows->open(vc::PlayerKind::MediaWindow);
    ASSERT_EQ(rig.g.open.gVideoOpen, vc::kTrue);
    rig.scripted.dialogs.modalHandlers.push_back(
        [](QDialog& dialog) { static_cast<vc::Backplay&>(dialog).Command2_Click(); });
    windows->showBackplay();
    EXPECT_EQ(rig.last().state(), platform::PlayerState::Playing);
    rig.g.open.gVideoOpen = vc::kFalse;
    windows->showBackplay();
    EXPECT_EQ(rig.scripted.dialogs.modalShown.size(), 1u);
}

TEST(WarningboxTest, TickedOkSuppressesAndAnUntickedOkKeepsIt) {
    vc::CodingState coding;
    vc::Warningbox box(coding);
    EXPECT_EQ(box.windowTitle(), "Warning");
    EXPECT_EQ(box.Check1->text(), "Supress further warnings");
    box.Command1_Click();
    EXPECT_EQ(coding.gSuppressWarnings, vc::kFalse);
    box.Check1->setChecked(true);
    box.Command1_Click();
    EXPECT_EQ(coding.gSuppressWarnings, vc::kTrue);
    box.Check1->setChecked(false);
    box.Command1_Click();
    EXPECT_EQ(coding.gSuppressWarnings, vc::kTrue);
}

} // namespace
