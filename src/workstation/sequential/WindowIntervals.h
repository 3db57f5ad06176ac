#pragma once
// The time units of one data file kept as the on-intervals of its codes, so that a time
// window is counted for any givens and targets from the stretches where they are on instead
// of unit by unit. The units are those of the second-by-second walk: one per time unit from
// the first event to the end record, each listed group showing its last code, group 0's
// codes on for their own unit only.

#include "workstation/core/Global.h"
#include "workstation/sequential/SequentialRun.h"

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace ws {

// Units first..last, 1-based, both included.
struct UnitStretch {
    std::int64_t first;
    std::int64_t last;
};

struct CodeIntervals {
    std::int64_t units = 0;
    // By code-table row, in time order; a code may stand in touching stretches.
    std::vector<std::vector<UnitStretch>> byRow;
};

// Slot 1's units as the walk over `groups` (listed-group columns) would show them.
CodeIntervals codeIntervalsOf(const Global& g, std::span<const std::int16_t> groups);

// The plain time-window table of the run's givens, targets, window and direction, the
// totals completed: what writing and tallying the yes/no lines of those units gives.
SeqTable windowTableOf(const SequentialRun& run, const Global& g, const CodeIntervals& file);

// The files of one press that read cleanly, kept by name for its later pairings (the code
// table stays as it is for the object's life).
class WindowIntervalFiles {
public:
    const CodeIntervals* find(const std::string& fileName) const;
    const CodeIntervals& keep(const std::string& fileName, CodeIntervals file);

private:
    std::map<std::string, CodeIntervals> files_;
};

} // namespace ws
