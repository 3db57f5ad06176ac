#include "workstation/sequential/SeqCount.h"

#include "workstation/sequential/LagScan.h"

#include <stdexcept>
#include <vector>

namespace ws {
namespace {

int lastEventOf(const Global& g) {
    const int end = g.EventTimes[0];
    if (end < 1 || end > kMaxEvents) {
        return 0; // an empty slot has no events to pair
    }
    return end - 1;
}

void requireEventLags(const SequentialRun& run) {
    if (run.gEventLags == textfile::kFalse) {
        throw std::logic_error("time windows are counted by SeqCountTimeWindow and SeqCountTimeWindowLevel");
    }
}

// Exactly one count grows per pair; both tests are always made.
void classify(const SequentialRun& run, std::vector<std::string>& codes, std::int64_t i, std::int64_t j,
              SeqTable& table) {
    const bool given = IsGivenCode(run, codes[static_cast<std::size_t>(i)]);
    std::string& targetCode = codes[static_cast<std::size_t>(j)];
    const bool target = IsTargetCode(run, targetCode);
    if (given && target) {
        targetCode.insert(0, kUsedMark);
        ++table[kYes][kYes];
    } else if (given) {
        ++table[kYes][kNo];
    } else if (!target) {
        ++table[kNo][kNo];
    } else {
        ++table[kNo][kYes];
    }
}

void countLags(const SequentialRun& run, std::vector<std::string>& codes, int lastEvent, SeqTable& table) {
    const LagScan scan = lagScan(lastEvent, run.gLagCount, run.gForward != 0);
    for (std::int64_t i = scan.first; scan.holds(i); i += scan.step) {
        classify(run, codes, i, i + scan.offset, table);
    }
}

// The level of a pair is that of the last level code the scan met, read as the slot
// holds it (a used mark included), so a level code counted as a target sets no level.
void countLagsWithinLevel(const SequentialRun& run, std::vector<std::string>& codes, int lastEvent,
                          int levelCount, std::vector<SeqTable>& tables) {
    const LagScan scan = lagScan(lastEvent, run.gLagCount, run.gForward != 0);
    int level = 0;
    for (std::int64_t i = scan.first; scan.holds(i); i += scan.step) {
        const std::string& code = codes[static_cast<std::size_t>(i)];
        for (int m = 1; m <= levelCount; ++m) {
            if (code == run.gLevelCodes[static_cast<std::size_t>(m)]) {
                level = m;
                break;
            }
        }
        std::int64_t j = i + scan.offset;
        if (isEventPosition(j, lastEvent) && codes[static_cast<std::size_t>(j)] == kGapCode) {
            // No pair spans the gap: the scan goes on past it. Never backwards, so a lag
            // pointing against the scan still ends.
            const std::int64_t past = j + scan.step;
            i = scan.step > 0 ? std::max(past, i + 1) : std::min(past, i - 1);
            j = i + scan.offset;
        }
        // A gap near either end can move the pair out of the events: it is not counted.
        if (isEventPosition(i, lastEvent) && isEventPosition(j, lastEvent)) {
            classify(run, codes, i, j, tables[static_cast<std::size_t>(level)]);
        }
    }
}

} // namespace

bool IsGivenCode(const SequentialRun& run, std::string& code) {
    if (code.starts_with(kUsedMark)) {
        code.erase(0, kUsedMark.size());
    }
    for (int k = 1; k <= run.gGivenCount; ++k) {
        if (code == run.gGivens.at(static_cast<std::size_t>(k))) {
            return true;
        }
    }
    return false;
}

bool IsTargetCode(const SequentialRun& run, const std::string& code) {
    for (int k = 1; k <= run.gTargetCount; ++k) {
        if (code == run.gTargets.at(static_cast<std::size_t>(k))) {
            return true;
        }
    }
    return false;
}

void SeqCountTable(SequentialRun& run, Global& g, platform::Dialogs& ui) {
    run.gSeqTable = SeqTable{};
    ui.yieldToUi();
    if (g.AbortRun != textfile::kFalse) {
        return;
    }
    requireEventLags(run);
    countLags(run, g.EventCodes, lastEventOf(g), run.gSeqTable);
    completeTotals(run.gSeqTable);
}

std::int16_t SeqCountWithinLevel(SequentialRun& run, Global& g, platform::Dialogs& ui,
                                 std::int16_t levelGroup) {
    const int levelCount = collectLevelCodes(run, g, levelGroup);
    ui.yieldToUi();
    if (g.AbortRun != textfile::kFalse) {
        return 0;
    }
    requireEventLags(run);
    countLagsWithinLevel(run, g.EventCodes, lastEventOf(g), levelCount, run.gSeqLevelTable);
    for (int m = 1; m <= levelCount; ++m) {
        completeTotals(run.gSeqLevelTable[static_cast<std::size_t>(m)]);
    }
    return static_cast<std::int16_t>(levelCount);
}

std::int16_t collectLevelCodes(SequentialRun& run, const Global& g, std::int16_t levelGroup) {
    run.gLevelCodes.assign(1001, std::string());
    int levelCount = 0;
    for (int r = 1; r <= g.NumCodes; ++r) {
        if (g.CodeTable.group(r) == levelGroup) {
            ++levelCount;
            if (static_cast<std::size_t>(levelCount) >= run.gLevelCodes.size()) {
                run.gLevelCodes.emplace_back();
            }
            run.gLevelCodes[static_cast<std::size_t>(levelCount)] = g.CodeTable.code(r);
        }
    }
    run.gSeqLevelTable.assign(static_cast<std::size_t>(levelCount) + 1, SeqTable{});
    return static_cast<std::int16_t>(levelCount);
}

} // namespace ws
