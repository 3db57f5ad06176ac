#pragma once
// What the benchmarks over generated files share: writing a file, timing one pass, and the
// plain read of the same files that their ratios are taken against.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bench {

inline void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Seconds that one call of pass takes.
template <class Pass> double timedPass(Pass&& pass) {
    const auto start = std::chrono::steady_clock::now();
    pass();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Seconds per pass that reads every file whole as bytes and does nothing with them.
inline double plainReadSeconds(benchmark::State& state, const std::vector<std::string>& files) {
    double total = 0;
    for (auto _ : state) {
        total += timedPass([&] {
            for (const auto& file : files) {
                std::ifstream in(file, std::ios::binary);
                std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
                benchmark::DoNotOptimize(bytes.data());
            }
        });
    }
    return total / static_cast<double>(state.iterations());
}

// The bytes of the file with one read() into a buffer that keeps its size between calls.
inline void readOnce(const std::string& path, std::string& buffer) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    ::fstat(fd, &info);
    buffer.resize(static_cast<std::size_t>(info.st_size));
    const ssize_t n = ::read(fd, buffer.data(), buffer.size());
    ::close(fd);
    benchmark::DoNotOptimize(n);
    benchmark::DoNotOptimize(buffer.data());
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// An operation against its baseline in one process: each round prepares (untimed), then
// runs the two in turn, their order alternating from round to round. The counters give the
// median and lowest per-round ratio, both times, and the operation's time per item.
template <class Prepare, class Operation, class Baseline>
void contest(benchmark::State& state, double items, Prepare&& prepare, Operation&& operation,
             Baseline&& baseline) {
    prepare(); // warm: files in the page cache, buffers at their size
    operation();
    baseline();
    std::vector<double> ratios;
    std::vector<double> operationSeconds;
    std::vector<double> baselineSeconds;
    for (auto _ : state) {
        prepare();
        double op = 0;
        double base = 0;
        if (ratios.size() % 2 == 0) {
            op = timedPass(operation);
            base = timedPass(baseline);
        } else {
            base = timedPass(baseline);
            op = timedPass(operation);
        }
        ratios.push_back(op / base);
        operationSeconds.push_back(op);
        baselineSeconds.push_back(base);
    }
    state.counters["ratio_median"] = median(ratios);
    state.counters["ratio_min"] = *std::min_element(ratios.begin(), ratios.end());
    state.counters["op_ms"] = median(operationSeconds) * 1e3;
    state.counters["base_ms"] = median(baselineSeconds) * 1e3;
    state.counters["ns_per_item"] = median(operationSeconds) / items * 1e9;
}

// contest() against one read() of `file`.
template <class Operation>
void contestAgainstRead(benchmark::State& state, const std::string& file, double items, Operation operation) {
    std::string buffer;
    contest(
        state, items, [] {}, operation, [&] { readOnce(file, buffer); });
}

} // namespace bench
