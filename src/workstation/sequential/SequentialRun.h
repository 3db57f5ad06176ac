#pragma once
// The state of one sequential analysis: the settings the window copies in when its start
// button is pressed, and the count tables that the counting fills and the reports read.
// The settings window owns one and hands it to the driver; nothing of it is shared.

#include "textfile/Numeric.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ws {

// Indexed (given, target): 1 Y (present), 2 N (absent), 0 the totals over that index,
// so (0, 0) is the number of units counted.
using SeqTable = std::array<std::array<std::int32_t, 3>, 3>;

inline constexpr int kYes = 1;
inline constexpr int kNo = 2;

// Values of gWindowRules element 0.
inline constexpr std::int16_t kWindowFromOnset = 1;
inline constexpr std::int16_t kWindowFromOffset = 2;
inline constexpr std::int16_t kWindowConcurrent = 3;

struct SequentialRun {
    // Settings of the run. Elements 1..count hold the codes; element 0 is not used, and
    // elements above the count may still hold codes of an earlier run.
    std::vector<std::string> gGivens = std::vector<std::string>(1);
    std::int16_t gGivenCount = 0;
    std::vector<std::string> gTargets = std::vector<std::string>(1);
    std::int16_t gTargetCount = 0;
    std::int16_t gEventLags = textfile::kTrue; // false: time-window counting
    std::int16_t gForward = textfile::kTrue;
    std::int32_t gLagCount = 1;    // events of the lag, or time units of the window
    std::int16_t gWithinLevel = 0; // 0, or the code group whose codes are the levels
    std::int16_t gResample = textfile::kFalse;
    std::int16_t gResampleCount = 10000;
    std::array<std::int16_t, 7> gWindowRules{};
    std::int16_t gGivensAsGroup = textfile::kFalse;

    // Count tables.
    SeqTable gSeqTable{};                    // the data file just counted
    std::vector<SeqTable> gSeqLevelTable;    // by level, levels from 1; level 0 before any level code
    std::vector<std::string> gLevelCodes;    // element m is the code of level m
    SeqTable gPooledTable{};                 // sum over the files of one driver call
    std::vector<SeqTable> gPooledLevelTable; // the same, level by level
    std::array<std::array<std::int16_t, 4>, 4> gResampleCounts{};
    std::array<std::array<float, 4>, 4> gPooledResampleCounts{};
};

// Fills row 0 and column 0 of a table from its four counts.
void completeTotals(SeqTable& table);

} // namespace ws
