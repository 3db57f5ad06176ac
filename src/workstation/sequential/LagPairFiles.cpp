#include "workstation/sequential/LagPairFiles.h"

#include "workstation/core/EventFile.h"
#include "workstation/sequential/LagScan.h"
#include "workstation/sequential/SeqCount.h"

#include <algorithm>

namespace ws {

LagPairFiles::LagPairFiles(const Global& g)
    : numCodes_(std::max<int>(0, std::min<int>(g.NumCodes, g.CodeTable.rows()))), index_(g),
      markedRow_(static_cast<std::size_t>(numCodes_) + 1), rows_(kMaxEvents + 1) {
    for (int r = 1; r <= numCodes_; ++r) {
        markedRow_[static_cast<std::size_t>(r)] = g.CodeTable.code(r).starts_with(kUsedMark) ? 1 : 0;
    }
}

bool LagPairFiles::read(Global& g, platform::Platform& p, const std::string& fileName, std::string& header,
                        const SequentialRun& run) {
    slotRowsKept_ = false;
    if (numCodes_ != g.NumCodes) {
        return ReadEventFile(g, p, fileName, 1, header); // rows beyond the table: no index to trust
    }
    const bool clean = ReadEventFile(g, p, fileName, 1, header, index_, rows_);
    const int end = g.EventTimes[0];
    if (clean && end >= 1 && end <= kMaxEvents && keepable(rows_, end - 1)) {
        keep(fileName, rows_, end - 1, run);
    }
    return clean;
}

bool LagPairFiles::readIndexed(Global& g, platform::Platform& p, const std::string& fileName,
                               std::string& header) {
    slotRowsKept_ = false;
    if (numCodes_ != g.NumCodes) {
        return ReadEventFile(g, p, fileName, 1, header);
    }
    const bool clean = ReadEventFile(g, p, fileName, 1, header, index_, rows_);
    slotRowsKept_ = clean;
    return clean;
}

bool LagPairFiles::keepable(const std::vector<int>& rows, int lastEvent) const {
    for (int i = 1; i <= lastEvent; ++i) {
        const int row = rows[static_cast<std::size_t>(i)];
        if (row < 1 || row > numCodes_ || markedRow_[static_cast<std::size_t>(row)] != 0) {
            return false;
        }
    }
    return true;
}

void LagPairFiles::keep(const std::string& fileName, const std::vector<int>& rows, int lastEvent,
                        const SequentialRun& run) {
    if (run.gLagCount != lag_ || (run.gForward != 0) != forward_) {
        files_.clear(); // counts of another lag are no use
        lag_ = run.gLagCount;
        forward_ = run.gForward != 0;
    }
    const std::size_t width = static_cast<std::size_t>(numCodes_) + 1;
    const std::size_t cells = width * width;
    // Two dense tables, pairs going to them in turn: a run of one pair then does not wait on
    // its own last count. Read in row order afterwards, the cells come by given row, then
    // target row, with no list of the cells touched to sort.
    scratch_.assign(2 * cells, 0);
    std::int32_t* const counts = scratch_.data();
    std::int32_t* const otherCounts = counts + cells;
    const LagScan scan = lagScan(lastEvent, lag_, forward_);
    const int* const row = rows.data();
    const auto cellOf = [&](std::int64_t i) {
        return static_cast<std::size_t>(row[i]) * width + static_cast<std::size_t>(row[i + scan.offset]);
    };
    std::int64_t i = scan.first;
    for (; scan.holds(i) && scan.holds(i + scan.step); i += 2 * scan.step) {
        ++counts[cellOf(i)];
        ++otherCounts[cellOf(i + scan.step)];
    }
    if (scan.holds(i)) {
        ++counts[cellOf(i)];
    }
    FilePairs kept;
    kept.pairTotal = scan.pairs();
    kept.givenStart.assign(width + 1, 0);
    kept.byTarget.assign(width, 0);
    for (std::size_t cell = 0; cell < cells; ++cell) {
        const std::int32_t count = counts[cell] + otherCounts[cell];
        if (count == 0) {
            continue;
        }
        const std::size_t given = cell / width;
        const std::size_t target = cell % width;
        kept.pairs.push_back({static_cast<std::int32_t>(given), static_cast<std::int32_t>(target), count});
        ++kept.givenStart[given + 1];
        kept.byTarget[target] += count;
    }
    for (std::size_t row = 1; row <= width; ++row) {
        kept.givenStart[row] += kept.givenStart[row - 1];
    }
    files_[fileName] = std::move(kept);
}

bool LagPairFiles::holds(const std::string& fileName, const SequentialRun& run) const {
    return run.gLagCount == lag_ && (run.gForward != 0) == forward_ && files_.contains(fileName);
}

SeqTable LagPairFiles::table(const std::string& fileName, const SequentialRun& run, const Global& g) {
    pairing_.mark(run, g, numCodes_);
    const std::vector<char>& targetRow = pairing_.target();
    const FilePairs& file = files_.at(fileName);
    // Only the givens' pairs are looked at; the targets' count comes from their totals.
    std::int64_t both = 0;
    std::int64_t givens = 0;
    for (const int given : pairing_.givenRows()) {
        const auto row = static_cast<std::size_t>(given);
        for (std::uint32_t k = file.givenStart[row]; k < file.givenStart[row + 1]; ++k) {
            const PairCount& pair = file.pairs[k];
            givens += pair.count;
            both += targetRow[static_cast<std::size_t>(pair.targetRow)] != 0 ? pair.count : 0;
        }
    }
    std::int64_t targets = 0;
    for (const int target : pairing_.targetRows()) {
        targets += file.byTarget[static_cast<std::size_t>(target)];
    }
    SeqTable t{};
    t[kYes][kYes] = static_cast<std::int32_t>(both);
    t[kYes][kNo] = static_cast<std::int32_t>(givens - both);
    t[kNo][kYes] = static_cast<std::int32_t>(targets - both);
    t[kNo][kNo] = static_cast<std::int32_t>(file.pairTotal - givens - targets + both);
    completeTotals(t);
    return t;
}

} // namespace ws
