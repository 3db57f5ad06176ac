#pragma once
// What the benchmarks over generated files share: writing a file, timing one pass, and the
// plain read of the same files that their ratios are taken against.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

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

} // namespace bench
