#pragma once
// The text report of a within-level run: one complete section per level of the chosen
// code group, each with its own title, file line naming the level's code, cells,
// statistics and, when asked, its resampling results.

#include "workstation/sequential/SeqResampling.h"
#include "workstation/sequential/SequentialRun.h"

#include <string>
#include <vector>

namespace ws {

// Levels 1 to levelCount of `tables` (gSeqLevelTable, or gPooledLevelTable when pooledFiles
// is above 0), coded by gLevelCodes. A levelCount of 0 or less writes nothing. With
// `resampled`, element m the resampling test of level m, each level's results follow it.
std::string SeqLevelReport(const SequentialRun& run, const std::vector<SeqTable>& tables,
                           std::int16_t levelCount, const std::string& dataFileName, const std::string& date,
                           std::int16_t pooledFiles = 0,
                           const std::vector<ResampleResult>* resampled = nullptr);

} // namespace ws
