#pragma once
// The command set over the simulated players and a recording grid: a player window counts
// as loaded once opened, as the real windows do.

#include "PlayerRigs.h"
#include "videocoder/coding/CodingCommands.h"
#include "videocoder/core/RecordingCodingWindow.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vctest {

class RecordingGrid : public vc::CommandGrid {
public:
    int row = 1;
    int col = 1;
    std::vector<int> selection;
    std::vector<std::string> calls;

    int Row() const override { return row; }
    void setRow(int r) override {
        row = r;
        calls.push_back("row " + std::to_string(r));
    }
    int Col() const override { return col; }
    void setCol(int c) override { col = c; }
    std::vector<int> selectedRows() const override { return selection; }
    void refresh() override { calls.push_back("refresh"); }
    void refreshRow(int r) override { calls.push_back("refreshRow " + std::to_string(r)); }
    void setCaption(const std::string& caption) override { calls.push_back("caption " + caption); }
};

// The clock the commands wait on: every reading lets a millisecond pass, so a busy wait
// ends; the players run on the same clock.
class SteppingClock : public platform::Clock {
public:
    explicit SteppingClock(testsupport::ManualClock& base) : base_(base) {}
    double secondsSinceMidnight() override { return base_.secondsSinceMidnight(); }
    double monotonicSeconds() override { return base_.monotonic += 0.001; }
    platform::DateTime now() override { return base_.now(); }

private:
    testsupport::ManualClock& base_;
};

struct CommandRig {
    SimulatedPlayers sim;
    SteppingClock clock{sim.scripted.clock};
    vc::Globals& g = sim.g;
    testsupport::ScriptedDialogs& dialogs = sim.scripted.dialogs;
    RecordingCodingWindow view;
    vc::CodingWindowModel dataFrm{view};
    vc::GroupDescriptions groups;
    vc::CoderLinks coder{sim.scripted.dialogs, dataFrm, groups, {}};
    std::map<vc::PlayerKind, std::unique_ptr<testsupport::SimulatedPlayer>> windows;
    std::vector<std::string> shown; // "show <kind>" as code 4 and the links ask
    vc::PlayerLinks players{
        [this](vc::PlayerKind kind) -> platform::MediaPlayer* {
            const auto found = windows.find(kind);
            return found == windows.end() ? nullptr : found->second.get();
        },
        [this](vc::PlayerKind kind) { shown.push_back("show " + std::to_string(static_cast<int>(kind))); },
        [](vc::PlayerKind) {}};
    RecordingGrid grid;
    vc::CodingCommands commands{g, dataFrm, coder, players, {sim.scripted.dialogs, clock}, grid, {}};

    // A loaded window with a clip open in it; gVideoOpen set.
    testsupport::SimulatedPlayer& open(vc::PlayerKind kind) {
        auto player = std::make_unique<testsupport::SimulatedPlayer>(sim.scripted.clock);
        player->openFile("clip.mp4");
        player->log.clear();
        auto& made = *player;
        windows[kind] = std::move(player);
        g.open.gVideoOpen = vc::kTrue;
        return made;
    }
    // gData with these times in column 1 and "c<row>" in column 2.
    void rows(const std::vector<std::string>& times) {
        g.data.gData.reset(vc::kDataColumns, static_cast<int>(times.size()), 2);
        for (std::size_t i = 0; i < times.size(); ++i) {
            g.data.gData.at(1, static_cast<int>(i) + 1) = textfile::Value::ofText(times[i]);
            g.data.gData.at(2, static_cast<int>(i) + 1) =
                textfile::Value::ofText("c" + std::to_string(i + 1));
        }
        g.data.gRowCount = textfile::Value::ofNumber(static_cast<double>(times.size()));
    }
    std::string time(int row) const { return g.data.gData.at(1, row).asText(); }
    std::string cell(int column, int row) const { return g.data.gData.at(column, row).asText(); }
};

// The player's log joined by "; ".
inline std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += (text.empty() ? "" : "; ") + line;
    }
    return text;
}

} // namespace vctest
