#pragma once
// Counting one event file for the frequency and duration report: how often each code
// occurs and how long it is on, by code-table row.

#include "workstation/analyses/CheckedCounts.h"
#include "workstation/core/CodeRowIndex.h"
#include "workstation/core/CodeSet.h"
#include "workstation/core/EventSlots.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ws {

// Per-file counters have room for code-table rows 0..1000.
inline constexpr int kFreqDurMaxRows = 1000;

struct FreqDurCounts {
    std::vector<std::int32_t> frequency; // by row; within 16 bits, as a file's counts are kept
    std::vector<std::int32_t> duration;
};

// Counts event slot 1 as the reader left it. Holds the lookups of one code table (with the
// texts of its rows that every file's section shows) and the scratch of one file, so
// counting many files allocates nothing per file. Failures (a row beyond the counters'
// room, a code not in the table, an overflow) throw textfile::RunError.
class FreqDurCounter {
public:
    explicit FreqDurCounter(const CodeSet& set);
    // Zeroes `counts` (rows 0..1000) and counts the file into it.
    void countFile(const EventSlots& eventSlots, FreqDurCounts& counts);
    // countFile with the row of each event's code already looked up in index(), as
    // ReadEventFile leaves them when given the index.
    void countFile(const EventSlots& eventSlots, const std::vector<int>& rows, FreqDurCounts& counts);
    const CodeRowIndex& index() const { return index_; }
    int groupOf(int row) const { return groups_[static_cast<std::size_t>(row)]; }
    const std::string& codeOf(int row) const { return codes_[static_cast<std::size_t>(row)]; }
    const std::string& descriptionOf(int row) const { return descriptions_[static_cast<std::size_t>(row)]; }

private:
    CodeRowIndex index_;
    // The row "$Gap$" has, or -1: a gap is found by its row, not by its text, where the
    // rows were looked up already.
    int gapRow_ = -1;
    std::vector<std::string> codes_; // by row, as text
    std::vector<std::string> descriptions_;
    std::vector<int> groups_;             // by row
    std::vector<int> groupIds_;           // by row: the group numbered densely from 0
    std::vector<int> nextInGroup_;        // by dense group id: the index of the next event of that group
    std::vector<std::int64_t> frequency_; // by row, wide so the checks happen once per file
    std::vector<std::int64_t> duration_;
    std::vector<int> rows_; // by event, when countFile looks the codes up itself
};

// Rows 0..NumCodes (one slot when the table is empty).
std::size_t rowSlots(const CodeSet& set);

} // namespace ws
