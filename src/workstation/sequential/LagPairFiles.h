#pragma once
// The data files of one press of the start button, read once and kept as counts of their
// (given code, target code) pairs at the press's lag, so every further pairing of givens
// and targets is counted from those counts instead of reading and scanning the file again.
// The tables are those the event-lag count gives: in a plain count the used marks change
// no given or target test, so a table depends only on which codes stand at each pair.

#include "platform/Platform.h"
#include "workstation/core/CodeRowIndex.h"
#include "workstation/core/Global.h"
#include "workstation/sequential/PairingRows.h"
#include "workstation/sequential/SequentialRun.h"
#include "workstation/sequential/WindowIntervals.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace ws {

class LagPairFiles {
public:
    // The code table must stay as it is for the object's life.
    explicit LagPairFiles(const Global& g);

    // Reads a data file into slot 1 as ReadEventFile does, and keeps its pair counts for the
    // run's lag and direction when it read cleanly and none of its codes carries the used mark.
    bool read(Global& g, platform::Platform& p, const std::string& fileName, std::string& header,
              const SequentialRun& run);
    // Whether a file's counts are kept for the run's lag and direction.
    bool holds(const std::string& fileName, const SequentialRun& run) const;
    // The file's table for the run's givens and targets, totals completed.
    SeqTable table(const std::string& fileName, const SequentialRun& run, const Global& g);
    // Reads a data file into slot 1 as ReadEventFile does, leaving the rows of its codes for
    // slotRows() when the code table can be trusted to index them.
    bool readIndexed(Global& g, platform::Platform& p, const std::string& fileName, std::string& header);
    // The rows of slot 1's records from the last clean readIndexed; none when it gave none.
    SlotRows slotRows() const { return slotRowsKept_ ? SlotRows{&index_, &rows_} : SlotRows{}; }
    // The same press's files for time windows counted in memory.
    WindowIntervalFiles& windowFiles() { return windowFiles_; }

private:
    struct PairCount {
        std::int32_t givenRow;
        std::int32_t targetRow;
        std::int32_t count;
    };
    struct FilePairs {
        // By given row: those of row r are pairs[givenStart[r] .. givenStart[r + 1]).
        std::vector<PairCount> pairs;
        std::vector<std::uint32_t> givenStart;
        std::vector<std::int64_t> byTarget; // the pairs of each target row
        std::int64_t pairTotal = 0;
    };

    bool keepable(const std::vector<int>& rows, int lastEvent) const;
    void keep(const std::string& fileName, const std::vector<int>& rows, int lastEvent,
              const SequentialRun& run);
    int numCodes_;
    CodeRowIndex index_;
    std::vector<char> markedRow_; // rows whose code begins with the used mark
    std::vector<int> rows_;
    std::vector<std::int32_t> scratch_; // two dense (given row, target row) tables while keeping one file
    std::int32_t lag_ = 0;
    bool forward_ = true;
    std::map<std::string, FilePairs> files_;
    bool slotRowsKept_ = false;
    PairingRows pairing_;
    WindowIntervalFiles windowFiles_;
};

} // namespace ws
