#pragma once
// The time units of one data file kept as the on-intervals of its codes, so that a time
// window is counted for any givens and targets from the stretches where they are on instead
// of unit by unit. The units are those of the second-by-second walk: one per time unit from
// the first event to the end record, each listed group showing its last code, group 0's
// codes on for their own unit only.

#include "workstation/core/CodeRowIndex.h"
#include "workstation/core/Global.h"
#include "workstation/sequential/PairingRows.h"
#include "workstation/sequential/SequentialRun.h"

#include <cstdint>
#include <map>
#include <memory>
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
    // All stretches, row by row: those of row r are stretches[rowStart[r] .. rowStart[r + 1]),
    // in time order, a code's touching stretches joined into one.
    std::unique_ptr<UnitStretch[]> stretches;
    std::vector<std::uint32_t> rowStart;

    // The code-table rows the intervals cover, 0 included.
    std::size_t rows() const { return rowStart.empty() ? 0 : rowStart.size() - 1; }
    std::span<const UnitStretch> of(std::size_t row) const {
        return {stretches.get() + rowStart[row], rowStart[row + 1] - rowStart[row]};
    }
};

// A stretch as the walk closes it, with the row of its code.
struct ClosedStretch {
    std::int64_t row;
    std::int64_t first;
    std::int64_t last;
};

// The code-table rows of slot 1's records as its read left them: rows[i] for each record
// before the end record, looked up in `index`. Empty when the read gave none.
struct SlotRows {
    const CodeRowIndex* index = nullptr;
    const std::vector<int>* rows = nullptr;
};

// Slot 1's units as the walk over `groups` (listed-group columns) would show them. With
// `known`, the records' rows are taken from it instead of looked up again; `closedRoom`, when
// given, is the room the walk uses for the stretches it closes (kept from file to file).
CodeIntervals codeIntervalsOf(const Global& g, std::span<const std::int16_t> groups, SlotRows known = {},
                              std::vector<ClosedStretch>* closedRoom = nullptr);

// Buffers of the table's steps, kept so that a press's many tables make no new ones.
struct WindowScratch {
    std::vector<UnitStretch> givenOn;
    std::vector<UnitStretch> targetOn;
    std::vector<UnitStretch> targetYes;
};

// The plain time-window table of the run's givens, targets, window and direction, the
// totals completed: what writing and tallying the yes/no lines of those units gives.
SeqTable windowTableOf(const SequentialRun& run, const Global& g, const CodeIntervals& file);
// The same with the pairing's rows already marked for file.rows() - 1 rows.
SeqTable windowTableOf(const SequentialRun& run, const CodeIntervals& file, const PairingRows& pairing,
                       WindowScratch& scratch);

// The files of one press that read cleanly, kept by name for its later pairings (the code
// table stays as it is for the object's life).
class WindowIntervalFiles {
public:
    const CodeIntervals* find(const std::string& fileName) const;
    // The intervals of slot 1, which holds fileName, kept by that name.
    const CodeIntervals& keep(const std::string& fileName, const Global& g,
                              std::span<const std::int16_t> groups, SlotRows known);
    // The table of a kept file, the pairing's rows marked once for all files.
    SeqTable table(const SequentialRun& run, const Global& g, const CodeIntervals& file);

private:
    std::map<std::string, CodeIntervals> files_;
    std::vector<ClosedStretch> closedRoom_;
    PairingRows pairing_;
    WindowScratch scratch_;
};

} // namespace ws
