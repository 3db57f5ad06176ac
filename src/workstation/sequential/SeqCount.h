#pragma once
// Event-lag counting of the file in event slot 1 into the run's two-by-two tables: one
// table of given by target, or one per level code of a chosen code group. An event
// counted as the target of a given carries the used mark until the scan reaches it as a
// given; the marks left when the count ends stay in the slot until the next read.

#include "platform/Dialogs.h"
#include "workstation/core/Global.h"
#include "workstation/sequential/SequentialRun.h"

#include <cstdint>
#include <string>

namespace ws {

inline const std::string kUsedMark = "$USED$";

// Removes the used mark from `code` itself, then whether it is one of gGivens(1..gGivenCount).
bool IsGivenCode(const SequentialRun& run, std::string& code);
// Whether `code`, as it stands, is one of gTargets(1..gTargetCount).
bool IsTargetCode(const SequentialRun& run, const std::string& code);

// The event-lag counts (time windows: SeqTimeWindowCount.h).
// Re-creates gSeqTable, yields once (a stop request leaves it all zero) and counts.
void SeqCountTable(SequentialRun& run, Global& g, platform::Dialogs& ui);
// Re-creates gLevelCodes (the codes of levelGroup, code-table order) and gSeqLevelTable,
// yields once and counts; returns the level count, or 0 when stopped before counting.
std::int16_t SeqCountWithinLevel(SequentialRun& run, Global& g, platform::Dialogs& ui,
                                 std::int16_t levelGroup);

// Re-creates gLevelCodes (the codes of levelGroup, code-table order) and gSeqLevelTable
// (all zero); returns the level count.
std::int16_t collectLevelCodes(SequentialRun& run, const Global& g, std::int16_t levelGroup);

} // namespace ws
