// Reading files whose lines end in CR alone, and loading large settings files, each against
// one read() of the same bytes into a buffer kept from round to round. The operation and its
// baseline run interleaved in one process, their order alternating from round to round; the
// contest lines give the median and lowest per-round ratio (target: at most 2); the counter
// ns_per_item, the time per line or per key, stays flat from the smallest file to the largest
// when the cost is linear.
#include "BenchFiles.h"
#include "platform/qt/QtSettingsStore.h"
#include "textfile/FieldReader.h"

#include <benchmark/benchmark.h>

#include <QString>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const bench::ScratchFolder& folder() {
    static const bench::ScratchFolder f("line-ends-bench");
    return f;
}

// Lines as an import file holds them: a time, a blank and a code; ended by CR alone, and by
// LF for comparison.
void BM_Lines(benchmark::State& state, const char* lineEnd) {
    const auto lines = static_cast<int>(state.range(0));
    const std::string file =
        (folder().path() / ("lines-" + std::to_string(lines) + (lineEnd[0] == '\r' ? "-cr" : "-lf")))
            .string();
    std::string bytes;
    for (int i = 0; i < lines; ++i) {
        bytes += std::to_string(i * 25) + " A" + lineEnd;
    }
    bench::writeFile(file, bytes);
    bench::contestAgainstRead(state, file, lines, [&] {
        textfile::FieldReader reader = textfile::FieldReader::fromFile(file);
        std::size_t count = 0;
        while (!reader.atEnd()) {
            count += reader.readLineView().size();
        }
        benchmark::DoNotOptimize(count);
    });
}
BENCHMARK_CAPTURE(BM_Lines, cr_only, "\r")
    ->Arg(100000)
    ->Arg(300000)
    ->Arg(1000000)
    ->Iterations(11)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Lines, lf, "\n")
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(11)
    ->Unit(benchmark::kMillisecond);

// A settings file of that many keys, every one asked for by a new store.
void BM_LargeSettings(benchmark::State& state) {
    const auto keys = static_cast<int>(state.range(0));
    const fs::path settings = folder().path() / ("settings-" + std::to_string(keys));
    fs::create_directories(settings);
    const std::string file = (settings / "OSTRAVEL.ini").string();
    std::string bytes = "[StartUp]\r\n";
    std::vector<std::string> names;
    for (int k = 0; k < keys; ++k) {
        names.push_back("Column" + std::to_string(k) + "Width");
        bytes += names.back() + "=" + std::to_string(k * 15) + "\r\n";
    }
    bench::writeFile(file, bytes);
    const QString root = QString::fromStdString(settings.string());
    bench::contestAgainstRead(state, file, keys, [&] {
        platform::qt::QtSettingsStore store(root);
        std::size_t found = 0;
        for (const std::string& name : names) {
            found += store.get("OSTRAVEL", "StartUp", name, "").size();
        }
        benchmark::DoNotOptimize(found);
    });
}
BENCHMARK(BM_LargeSettings)->Arg(1000)->Arg(5000)->Arg(20000)->Iterations(11)->Unit(benchmark::kMillisecond);

} // namespace
