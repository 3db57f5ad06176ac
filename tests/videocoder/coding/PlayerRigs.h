#pragma once
// The scripted platform with a simulated player on its clock: every yield lets 10 ms pass.

#include "support/ScriptedPlatform.h"
#include "support/SimulatedPlayer.h"
#include "videocoder/coding/windows/PlayerFactory.h"
#include "videocoder/core/Globals.h"

#include <memory>
#include <vector>

namespace vctest {

struct SimulatedPlayers {
    testsupport::ScriptedPlatform scripted;
    vc::Globals g;
    // Every player made, in order; the first made is the first window opened.
    std::vector<testsupport::SimulatedPlayer*> made;
    // Applied to every player as it is made.
    std::function<void(testsupport::SimulatedPlayer&)> configure;

    SimulatedPlayers() {
        scripted.dialogs.onYield = [this] { scripted.clock.monotonic += 0.01; };
    }
    vc::PlayerFactory factory() {
        return [this] {
            auto player = std::make_unique<testsupport::SimulatedPlayer>(scripted.clock);
            if (configure) {
                configure(*player);
            }
            made.push_back(player.get());
            return player;
        };
    }
    testsupport::SimulatedPlayer& last() { return *made.back(); }
};

} // namespace vctest
