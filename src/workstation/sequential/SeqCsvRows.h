#pragma once
// The comma-separated form of the sequential results: header cells naming the givens and
// targets, with the first row on the same line, then one row per table (or per level).

#include "workstation/sequential/SequentialRun.h"

#include <array>
#include <string>

namespace ws {

// " Givens: N = 2 |A|B| Targets: N = 1 |C|," with no line end.
std::string seqCsvHeaderCells(const SequentialRun& run);
// Row 1 of a resampling test's counts: resampled (Y,Y) below, equal to, above the observed.
using ResampleFields = std::array<double, 3>;

// The file's name, the four counts, Z, r, Q and the Transformed Kappa, and the resampling
// counts when given; ends its line.
std::string seqCsvRow(const std::string& fileName, const SeqTable& table,
                      const ResampleFields* resampled = nullptr);
// The same with the level's code after the file's name.
std::string seqCsvLevelRow(const std::string& fileName, const std::string& levelCode, const SeqTable& table,
                           const ResampleFields* resampled = nullptr);

} // namespace ws
