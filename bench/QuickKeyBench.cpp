// One quick key (key-press coding, append) on a data file of 20,000 rows against the same key
// on one of 10 rows, interleaved as every contest is (target: at most 2). Each round first
// puts both files back to their size, outside the timing, so every key appends to the same
// table; the warm-up key makes the table's room for more rows.
#include "BenchFiles.h"
#include "SilentCodingWindow.h"
#include "support/ScriptedPlatform.h"
#include "videocoder/coding/GridKeys.h"

#include <benchmark/benchmark.h>

#include <optional>
#include <string>

namespace {

constexpr int kSmallRows = 10;
constexpr int kBigRows = 20'000;

// A coder with four quick-key codes, a video open and `rows` coded rows.
struct QuickKeyCoder {
    testsupport::ScriptedPlatform scripted;
    vc::Globals g;
    bench::SilentGrid grid{g};
    vc::QuickKeys keys{g,
                       grid,
                       scripted.dialogs,
                       {[](int) {}, []() -> std::optional<std::string> { return "00:00:02.00"; }}};
    int rows;

    explicit QuickKeyCoder(int rowCount) : rows(rowCount) {
        g.settings.gQKMode = vc::kTrue;
        g.settings.gQKGroup = -1;
        g.open.gVideoOpen = vc::kTrue;
        g.codeSet.gCodes.reset(vc::kCodeFields, 4);
        g.codeSet.gCodeCount = 4;
        for (int code = 1; code <= 4; ++code) {
            g.codeSet.gCodes.at(1, code) =
                textfile::Value::ofText(std::string(1, static_cast<char>('A' + code - 1)));
            g.codeSet.gCodes.at(3, code) = textfile::Value::ofNumber(code - 1);
        }
        g.data.gData.reset(vc::kDataColumns, rows);
        for (int row = 1; row <= rows; ++row) {
            g.data.gData.at(1, row) = textfile::Value::ofText("00:00:01.00");
            g.data.gData.at(2 + row % 4, row) = textfile::Value::ofText("A");
        }
        putBack();
    }

    void putBack() {
        g.data.gData.resizeRows(rows);
        g.data.gRowCount = textfile::Value::ofNumber(rows);
    }
};

void BM_QuickKey(benchmark::State& state) {
    QuickKeyCoder large(kBigRows);
    QuickKeyCoder small(kSmallRows);
    int key = 'A';
    bench::contest(
        state, "the same key on 10 rows", 1,
        [&] {
            large.putBack();
            small.putBack();
            key = key == 'D' ? 'A' : key + 1;
        },
        [&] { large.keys.GridKeyPress(key, true); }, [&] { small.keys.GridKeyPress(key, true); });
}
BENCHMARK(BM_QuickKey)->Iterations(301)->Unit(benchmark::kMicrosecond);

} // namespace
