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
    scratch_.resize(width * width);
    FilePairs kept;
    std::vector<std::size_t> touched;
    const LagScan scan = lagScan(lastEvent, lag_, forward_);
    for (std::int64_t i = scan.first; scan.holds(i); i += scan.step) {
        const auto given = static_cast<std::size_t>(rows[static_cast<std::size_t>(i)]);
        const auto target = static_cast<std::size_t>(rows[static_cast<std::size_t>(i + scan.offset)]);
        const std::size_t cell = given * width + target;
        if (scratch_[cell]++ == 0) {
            touched.push_back(cell);
        }
    }
    kept.pairTotal = scan.pairs();
    kept.pairs.reserve(touched.size());
    for (const std::size_t cell : touched) {
        kept.pairs.push_back({static_cast<std::int32_t>(cell / width),
                              static_cast<std::int32_t>(cell % width), scratch_[cell]});
        scratch_[cell] = 0;
    }
    files_[fileName] = std::move(kept);
}

bool LagPairFiles::holds(const std::string& fileName, const SequentialRun& run) const {
    return run.gLagCount == lag_ && (run.gForward != 0) == forward_ && files_.contains(fileName);
}

SeqTable LagPairFiles::table(const std::string& fileName, const SequentialRun& run, const Global& g) {
    pairing_.mark(run, g, numCodes_);
    const std::vector<char>& givenRow = pairing_.given();
    const std::vector<char>& targetRow = pairing_.target();
    const FilePairs& file = files_.at(fileName);
    std::int64_t both = 0;
    std::int64_t givens = 0;
    std::int64_t targets = 0;
    for (const PairCount& pair : file.pairs) {
        const bool given = givenRow[static_cast<std::size_t>(pair.givenRow)] != 0;
        const bool target = targetRow[static_cast<std::size_t>(pair.targetRow)] != 0;
        givens += given ? pair.count : 0;
        targets += target ? pair.count : 0;
        both += given && target ? pair.count : 0;
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
