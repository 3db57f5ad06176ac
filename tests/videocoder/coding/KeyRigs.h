#pragma once
// The coding grid as the key handlers and the replay see it, over gData, with the players
// of the SimulatedPlayers rig one per window kind and the coding window's model.

#include "PlayerRigs.h"
#include "videocoder/coding/CodingCommands.h"
#include "videocoder/coding/InstantReplay.h"
#include "videocoder/coding/KeyGrid.h"
#include "videocoder/coding/PlayerLinks.h"
#include "videocoder/coding/QuickKeys.h"
#include "videocoder/core/RecordingCodingWindow.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vctest {

class RecordingKeyGrid : public vc::KeyGrid {
public:
    explicit RecordingKeyGrid(vc::Globals& g) : g_(g) {}

    int row = 1;
    int col = 1;
    std::optional<vc::GridRange> selection; // set by a test; any move of the cell drops it
    std::vector<int> selected;              // whole rows selected
    int refreshes = 0;
    std::vector<int> autoSized;
    std::vector<std::string> calls; // "Select r c", "setRow r", "refresh"

    int Row() const override { return row; }
    void setRow(int r) override {
        row = r;
        selection.reset();
        calls.push_back("setRow " + std::to_string(r));
    }
    int Col() const override { return col; }
    void setCol(int c) override {
        col = c;
        selection.reset();
    }
    std::vector<int> selectedRows() const override { return selected; }
    void refresh() override {
        ++refreshes;
        calls.push_back("refresh");
    }
    void refreshRow(int) override { ++refreshes; }
    void setCaption(const std::string&) override {}
    int Rows() const override { return g_.data.gData.rows() + 1; }
    void Select(int r, int c) override {
        row = r;
        col = c;
        selection.reset();
        calls.push_back("Select " + std::to_string(r) + " " + std::to_string(c));
    }
    vc::GridRange GetSelection() const override {
        return selection.value_or(vc::GridRange{row, col, row, col});
    }
    void AutoSize(int c) override { autoSized.push_back(c); }

private:
    vc::Globals& g_;
};

// The clock the commands read: each reading lets a millisecond pass for them alone, so a
// busy wait ends while the players stay where the test put them.
class CommandClock : public platform::Clock {
public:
    explicit CommandClock(testsupport::ManualClock& base) : base_(base) {}
    double secondsSinceMidnight() override { return base_.secondsSinceMidnight(); }
    double monotonicSeconds() override { return base_.monotonic + (waited_ += 0.001); }
    platform::DateTime now() override { return base_.now(); }

private:
    testsupport::ManualClock& base_;
    double waited_ = 0;
};

// One simulated player per window kind, each opened on a clip; a kind can be closed.
struct KindPlayers {
    explicit KindPlayers(platform::Clock& clock) {
        for (auto& player : players) {
            player = std::make_unique<testsupport::SimulatedPlayer>(clock);
            player->openFile("clip.mp4");
        }
        links.loadedPlayer = [this](vc::PlayerKind kind) -> platform::MediaPlayer* {
            const auto index = static_cast<std::size_t>(kind);
            return closed[index] ? nullptr : players[index].get();
        };
    }
    testsupport::SimulatedPlayer& operator[](vc::PlayerKind kind) {
        return *players[static_cast<std::size_t>(kind)];
    }

    std::array<std::unique_ptr<testsupport::SimulatedPlayer>, 3> players;
    std::array<bool, 3> closed{};
    vc::PlayerLinks links;
};

// The scripted platform on the virtual clock, the shared state, the coding window's model
// (loaded), its grid, the players, and the command set over them with the replay wired in.
struct CodingRig : SimulatedPlayers {
    CodingRig() {
        dataFrm.ensureLoaded(g);
        g.open.gDataOpen = vc::kTrue;
        g.open.gVideoOpen = vc::kTrue;
    }
    RecordingCodingWindow view;
    vc::CodingWindowModel dataFrm{view};
    vc::GroupDescriptions codeFrmGroups;
    vc::CoderLinks coder{scripted.dialogs, dataFrm, codeFrmGroups, {}};
    RecordingKeyGrid grid{g};
    KindPlayers players{scripted.clock};
    CommandClock commandClock{scripted.clock};
    vc::CodingCommands commands{g,    dataFrm,     coder, players.links, {scripted.dialogs, commandClock},
                                grid, replayLink()};

    vc::ReplayContext replayContext() {
        return {g, players.links, grid, dataFrm, scripted.dialogs, scripted.clock};
    }
    vc::CommandLinks replayLink() {
        vc::CommandLinks links;
        links.InstantReplay = [this] { vc::InstantReplay(replayContext()); };
        return links;
    }
    // What the grid's keys ask of the command set; every command sent is noted in `sent`.
    vc::KeyCommands keyCommands(std::vector<int>& sent) {
        return {[this, &sent](int code) {
                    sent.push_back(code);
                    commands.ControlSub(code);
                },
                [this] { return commands.currentTimeText(); }};
    }

    // Rows of gData: time text and, per row, cells of further columns from column 2 on.
    void setRows(const std::vector<std::vector<std::string>>& rows) {
        g.data.gData.reset(vc::kDataColumns, static_cast<int>(rows.size()));
        g.data.gRowCount = textfile::Value::ofNumber(static_cast<double>(rows.size()));
        for (std::size_t r = 0; r < rows.size(); ++r) {
            for (std::size_t c = 0; c < rows[r].size(); ++c) {
                if (!rows[r][c].empty()) {
                    g.data.gData.at(static_cast<int>(c) + 1, static_cast<int>(r) + 1) =
                        textfile::Value::ofText(rows[r][c]);
                }
            }
        }
    }
    std::string cell(int column, int row) const { return g.data.gData.at(column, row).asText(); }
};

} // namespace vctest
