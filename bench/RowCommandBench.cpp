// The coding window's row commands on a 20,000-row, 50-column table beside the same on 10
// rows, each with the grid's refresh (the model reloaded and its first screen read):
// "Add - Mark - Stop" (105) and Insert (9) at the middle row, interleaved with the same on
// 10 rows, target at most 2. Ten rows draw a third of the screen the large table draws, so
// each command is also held against the same on a screenful of rows (30), where both sides
// draw alike and only the number of rows differs. "Delete Selected Rows" (206) with every
// other row selected, interleaved with one copy of the table, target at most 2.
#include "BenchFiles.h"
#include "SilentCoder.h"
#include "support/SimulatedPlayer.h"
#include "videocoder/coding/CodingCommands.h"
#include "videocoder/coding/windows/DataGridModel.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kBigRows = 20'000;
constexpr int kSmallRows = 10;
constexpr int kScreenRows = 30;

// The grid as the window draws it: a refresh reloads the model and reads one screen.
class ModelGrid : public vc::CommandGrid {
public:
    explicit ModelGrid(vc::DataGridModel& model) : model_(model) {}
    int row = 1;
    std::vector<int> selection;
    int Row() const override { return row; }
    void setRow(int r) override { row = r; }
    int Col() const override { return 1; }
    void setCol(int) override {}
    std::vector<int> selectedRows() const override { return selection; }
    void refresh() override {
        model_.reload();
        drawScreen(row);
    }
    void refreshRow(int r) override { drawScreen(r); }
    void setCaption(const std::string&) override {}

private:
    void drawScreen(int around) {
        const int first = std::max(0, std::min(around, model_.rowCount()) - kScreenRows / 2);
        const int last = std::min(model_.rowCount(), first + kScreenRows);
        for (int r = first; r < last; ++r) {
            for (int c = 0; c < 10; ++c) {
                benchmark::DoNotOptimize(model_.data(model_.index(r, c), Qt::DisplayRole));
            }
        }
    }
    vc::DataGridModel& model_;
};

void fill(vc::DataTable& data, int rows) {
    data.gData.reset(vc::kDataColumns, rows);
    for (int r = 1; r <= rows; ++r) {
        data.gData.at(1, r) = textfile::Value::ofText("00:00:" + std::to_string(10 + r % 50) + ".00");
        for (int c = 2; c <= vc::kDataColumns; c += 5) {
            data.gData.at(c, r) = textfile::Value::ofText("code" + std::to_string(c));
        }
    }
    data.gRowCount = textfile::Value::ofNumber(rows);
}

// The silent program run with a player and the command set over its grid.
struct Coding : bench::SilentCoder {
    testsupport::SimulatedPlayer player{platform.clock};
    vc::PlayerLinks players{[this](vc::PlayerKind) -> platform::MediaPlayer* { return &player; }, {}, {}};
    vc::DataGridModel model{g.data, dataFrm.FG1};
    ModelGrid grid{model};
    vc::CodingCommands commands{g, dataFrm, links, players, {platform.dialogs, platform.clock}, grid, {}};

    explicit Coding(int rows) {
        fill(g.data, rows);
        player.mediaDuration = 4000;
        player.openFile("clip.mp4");
        player.setPosition(61);
        g.open.gVideoOpen = vc::kTrue;
        grid.row = rows / 2;
    }
};

// The command on the large table against the same on the small one, interleaved; each table
// is put back to its size and its row before each round, outside the timing.
void BM_RowCommand(benchmark::State& state) {
    const int code = static_cast<int>(state.range(0));
    const int smallRows = static_cast<int>(state.range(1));
    Coding large(kBigRows);
    Coding small(smallRows);
    const auto putBack = [](Coding& coding, int rows) {
        coding.g.data.gData.resizeRows(rows);
        coding.g.data.gRowCount = textfile::Value::ofNumber(rows);
        coding.grid.row = rows / 2;
    };
    bench::contest(
        state, "the same on " + std::to_string(smallRows) + " rows", 1,
        [&] {
            putBack(large, kBigRows);
            putBack(small, smallRows);
        },
        [&] { large.commands.ControlSub(code); }, [&] { small.commands.ControlSub(code); });
}
BENCHMARK(BM_RowCommand)
    ->Args({vc::kCmdAddMarkStop, kSmallRows})
    ->Args({vc::kCmdInsertRow, kSmallRows})
    ->Args({vc::kCmdAddMarkStop, kScreenRows})
    ->Args({vc::kCmdInsertRow, kScreenRows})
    ->Iterations(301)
    ->Unit(benchmark::kMicrosecond);

// Command 206 on every other row of the large table against one copy of that table.
void BM_DeleteEveryOtherRow(benchmark::State& state) {
    Coding coding(kBigRows);
    std::vector<int> everyOther;
    for (int r = 1; r <= kBigRows; r += 2) {
        everyOther.push_back(r);
    }
    vc::DataTable full;
    fill(full, kBigRows);
    bench::contest(
        state, "one copy of the table", kBigRows / 2,
        [&] {
            fill(coding.g.data, kBigRows);
            coding.grid.selection = everyOther;
        },
        [&] { coding.commands.ControlSub(vc::kCmdDeleteSelected); },
        [&] {
            vc::CellTable copy = full.gData;
            benchmark::DoNotOptimize(copy);
        });
}
BENCHMARK(BM_DeleteEveryOtherRow)->Iterations(15)->Unit(benchmark::kMillisecond);

} // namespace
