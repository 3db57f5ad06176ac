#pragma once
// The comparison of two typed two-by-two tables: Yule's Q of each, their difference and a
// shuffle test of it over the pooled observations, and the report file of the figures.

#include "platform/Random.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace ws {

// Cells a, b, c, d of table One, then of table Two, as the grids give them.
using CompareCells = std::array<double, 8>;
using CompareCounts = std::array<std::int32_t, 8>;

inline const std::string kCompareReportName = "redevuzoro.txt";

// The counts the statistics use: each cell rounded to a whole number, halves to the even
// neighbour. Nothing when a count is negative or the counts together leave the 32-bit range.
std::optional<CompareCounts> compareCounts(const CompareCells& cells);

// Q of the table a, b, c, d, or UndefinedQ when a·d + b·c is 0; the products and their sum
// are whole in 64 bits, so any 32-bit cells give the right Q.
float compareQ(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d);

// What the shuffle test shows while it runs.
struct CompareProgress {
    std::function<void(int percent)> setProgress;
    std::function<void(const std::string& text)> setLabel; // the iteration count, or empty
    std::function<void()> repaint;
};

// The statistics text; the test draws from `random` and runs `iterations` times.
std::string compareStatistics(const CompareCounts& counts, int iterations, platform::Random& random,
                              const CompareProgress& progress);

// The report: title with date and time, both tables' cells as typed, then the statistics.
std::string compareReport(const CompareCells& cells, const std::string& statistics, const std::string& date,
                          const std::string& time);

} // namespace ws
