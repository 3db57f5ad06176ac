#include "workstation/sequential/WindowIntervals.h"

#include "workstation/core/CodeRowIndex.h"
#include "workstation/core/EventSlots.h"
#include "workstation/sequential/SeqCount.h"
#include "workstation/sequential/SeqTimeWindow.h"

#include <algorithm>
#include <optional>

namespace ws {
namespace {

using Stretches = std::vector<UnitStretch>;

// Joins touching or overlapping stretches of [begin, end), ordered by their first units, in
// place; gives how many are left.
std::size_t joinTouching(UnitStretch* begin, UnitStretch* end) {
    std::size_t kept = 0;
    for (UnitStretch* s = begin; s != end; ++s) {
        if (kept > 0 && s->first <= begin[kept - 1].last + 1) {
            begin[kept - 1].last = std::max(begin[kept - 1].last, s->last);
        } else {
            begin[kept++] = *s;
        }
    }
    return kept;
}

using StretchView = std::span<const UnitStretch>;

// The units where any of the marked rows is on, touching stretches joined: a code that
// follows another of the same side continues one stretch, as the unit flags see it. One
// row's stretches are given as kept (joined when kept); several rows' are joined in `room`.
StretchView onWhere(const CodeIntervals& file, const std::vector<char>& marked, Stretches& room) {
    std::size_t markedRows = 0;
    std::size_t only = 0;
    for (std::size_t row = 1; row < file.rows(); ++row) {
        if (marked[row] != 0) {
            ++markedRows;
            only = row;
        }
    }
    if (markedRows == 1) {
        return file.of(only);
    }
    room.clear();
    for (std::size_t row = 1; row < file.rows(); ++row) {
        if (marked[row] != 0) {
            const StretchView stretches = file.of(row);
            room.insert(room.end(), stretches.begin(), stretches.end());
        }
    }
    const auto byFirst = [](const UnitStretch& a, const UnitStretch& b) { return a.first < b.first; };
    if (!std::is_sorted(room.begin(), room.end(), byFirst)) { // one code's stretches come in order
        std::sort(room.begin(), room.end(), byFirst);
    }
    room.resize(joinTouching(room.data(), room.data() + room.size()));
    return room;
}

// The stretches with unit s become unit n + 1 - s, in `room`.
StretchView mirrored(StretchView stretches, std::int64_t units, Stretches& room) {
    if (stretches.data() != room.data()) {
        room.assign(stretches.begin(), stretches.end());
    }
    std::reverse(room.begin(), room.end());
    for (UnitStretch& s : room) {
        s = {units + 1 - s.last, units + 1 - s.first};
    }
    return room;
}

bool rule(const SequentialRun& run, int index) {
    return run.gWindowRules[static_cast<std::size_t>(index)] == 1;
}

// Yes by edge: the onset decides a one-unit stretch, then the offset, then the middle.
// Each yes stretch goes to `yes(first, last)` in order, empty ones left out.
template <class Sink> void edgeYes(StretchView on, bool onset, bool middle, bool offset, Sink&& yes) {
    for (const UnitStretch& s : on) {
        if (onset) {
            yes(s.first, s.first);
        }
        if (s.last > s.first) {
            if (middle && s.first + 1 <= s.last - 1) {
                yes(s.first + 1, s.last - 1);
            }
            if (offset) {
                yes(s.last, s.last);
            }
        }
    }
}

// A window opened at each edge (the onset or the offset of each stretch) holds until the
// next edge opens another; each goes to `yes` as edgeYes gives its stretches.
template <class Sink>
void windowYes(StretchView on, bool fromOnset, std::int64_t length, bool includesEdge, std::int64_t units,
               Sink&& yes) {
    const auto edgeOf = [fromOnset](const UnitStretch& s) { return fromOnset ? s.first : s.last; };
    for (std::size_t k = 0; k < on.size(); ++k) {
        const std::int64_t at = edgeOf(on[k]);
        const std::int64_t until = k + 1 < on.size() ? edgeOf(on[k + 1]) - 1 : units;
        const std::int64_t first = includesEdge ? at : at + 1;
        const std::int64_t last = std::min(includesEdge ? at + length - 1 : at + length, until);
        if (first <= last) {
            yes(first, last);
        }
    }
}

// The units of stretches given in order, and how many of them `other` (in order) also holds.
class Overlap {
public:
    explicit Overlap(const Stretches& other) : other_(other) {}
    void operator()(std::int64_t first, std::int64_t last) {
        units_ += last - first + 1;
        while (next_ < other_.size() && other_[next_].last < first) {
            ++next_; // before this stretch, so before every later one
        }
        for (std::size_t k = next_; k < other_.size() && other_[k].first <= last; ++k) {
            both_ += std::min(last, other_[k].last) - std::max(first, other_[k].first) + 1;
        }
    }
    std::int64_t units() const { return units_; }
    std::int64_t both() const { return both_; }

private:
    const Stretches& other_;
    std::size_t next_ = 0;
    std::int64_t units_ = 0;
    std::int64_t both_ = 0;
};

} // namespace

CodeIntervals codeIntervalsOf(const Global& g, std::span<const std::int16_t> groups, SlotRows known,
                              std::vector<ClosedStretch>* closedRoom) {
    CodeIntervals file;
    const std::size_t rows = static_cast<std::size_t>(std::max<int>(g.NumCodes, 0)) + 1;
    file.rowStart.assign(rows + 1, 0);
    const int endIndex = g.EventTimes[0];
    if (endIndex < 1 || endIndex > kMaxEvents) {
        return file;
    }
    const std::int64_t start = g.EventTimes[1];
    const std::int64_t end = g.EventTimes[static_cast<std::size_t>(endIndex)];
    file.units = std::max<std::int64_t>(0, end - start + 1);

    // columnOf[row + 1]: the listed-group column of each row; codes in no listed group, and
    // those the table lacks (row -1), go to a spare column that is never on.
    const std::size_t spare = groups.size();
    std::vector<std::size_t> columnOf(rows + 1, spare);
    for (int row = 1; row <= g.NumCodes; ++row) {
        const auto listed = std::find(groups.begin(), groups.end(), g.CodeTable.group(row));
        if (listed != groups.end()) {
            columnOf[static_cast<std::size_t>(row) + 1] = static_cast<std::size_t>(listed - groups.begin());
        }
    }
    std::vector<std::size_t> instantColumns; // group 0's codes last one unit
    for (std::size_t c = 0; c < groups.size(); ++c) {
        if (groups[c] == 0) {
            instantColumns.push_back(c);
        }
    }
    std::optional<CodeRowIndex> ownIndex;
    if (known.index == nullptr || known.rows == nullptr) {
        ownIndex.emplace(g);
        known = SlotRows{};
    }
    const CodeRowIndex& index = ownIndex ? *ownIndex : *known.index;
    // In the order the stretches close: at most one per record, and one per column at the end.
    std::vector<ClosedStretch> ownRoom;
    std::vector<ClosedStretch>& found = closedRoom != nullptr ? *closedRoom : ownRoom;
    found.resize(std::max(found.size(), static_cast<std::size_t>(endIndex) + groups.size() + 1));
    std::size_t closed = 0;
    std::vector<int> rowOn(groups.size() + 1, 0); // 0: "None"
    std::vector<std::int64_t> since(groups.size() + 1, 0);
    const auto close = [&](std::size_t column, std::int64_t last) {
        if (rowOn[column] > 0 && since[column] <= last) {
            found[closed++] = ClosedStretch{rowOn[column], since[column], last};
        }
    };
    // Plain pointers: the walk's stores into `found` cannot then be taken to touch the slot.
    const std::int32_t* const times = g.EventTimes.data();
    const int* const knownRows = known.rows != nullptr ? known.rows->data() : nullptr;
    // The reader left the rows of the records before the end record.
    const auto rowAt = [&](int cursor) {
        return knownRows != nullptr && cursor < endIndex
                   ? knownRows[cursor]
                   : index.rowOf(g.EventCodes[static_cast<std::size_t>(cursor)]);
    };
    const std::size_t* const columnOfRow = columnOf.data();
    int* const on = rowOn.data();
    std::int64_t* const onSince = since.data();
    ClosedStretch* const out = found.data();
    std::int64_t previous = start;
    for (int cursor = 1; cursor <= endIndex;) {
        const std::int64_t t = times[cursor];
        if (t < previous || t > end) {
            break; // the walk never comes back to an earlier time: it reads no further event
        }
        const std::int64_t unit = t - start + 1;
        for (; cursor <= endIndex && times[cursor] == t; ++cursor) {
            const int row = rowAt(cursor);
            const std::size_t c = columnOfRow[row + 1];
            if (c == spare) {
                continue;
            }
            // Without a branch on the codes: the stretch is always written, and kept when the
            // column's code changes from one that was on.
            const int before = on[c];
            const std::int64_t from = onSince[c];
            out[closed] = ClosedStretch{before, from, unit - 1};
            const auto changed = static_cast<std::size_t>(before != row);
            closed += changed & static_cast<std::size_t>(before > 0) & static_cast<std::size_t>(from < unit);
            on[c] = row;
            onSince[c] = changed != 0 ? unit : from;
        }
        for (const std::size_t c : instantColumns) {
            if (rowOn[c] > 0) {
                close(c, unit);
                rowOn[c] = 0;
            }
        }
        previous = t;
    }
    for (std::size_t c = 0; c < groups.size(); ++c) {
        close(c, file.units);
    }

    // Row by row, each row's stretches kept in the order they closed (time order).
    const std::span<const ClosedStretch> closedStretches(found.data(), closed);
    for (const ClosedStretch& f : closedStretches) {
        ++file.rowStart[static_cast<std::size_t>(f.row) + 1];
    }
    for (std::size_t row = 1; row <= rows; ++row) {
        file.rowStart[row] += file.rowStart[row - 1];
    }
    file.stretches = std::make_unique_for_overwrite<UnitStretch[]>(closed); // each one set below
    std::vector<std::uint32_t> next(file.rowStart.begin(), file.rowStart.end() - 1);
    for (const ClosedStretch& f : closedStretches) {
        file.stretches[next[static_cast<std::size_t>(f.row)]++] = UnitStretch{f.first, f.last};
    }
    // Each row's touching stretches joined, so that a side of one code needs no joining.
    std::uint32_t kept = 0;
    for (std::size_t row = 0; row < rows; ++row) {
        UnitStretch* const begin = file.stretches.get() + file.rowStart[row];
        UnitStretch* const end = file.stretches.get() + file.rowStart[row + 1];
        file.rowStart[row] = kept;
        std::copy(begin, end, file.stretches.get() + kept); // never ahead of what it copies
        kept += static_cast<std::uint32_t>(
            joinTouching(file.stretches.get() + kept, file.stretches.get() + kept + (end - begin)));
    }
    file.rowStart[rows] = kept;
    return file;
}

SeqTable windowTableOf(const SequentialRun& run, const Global& g, const CodeIntervals& file) {
    PairingRows pairing;
    pairing.mark(run, g, static_cast<int>(file.rows()) - 1);
    WindowScratch scratch;
    return windowTableOf(run, file, pairing, scratch);
}

SeqTable windowTableOf(const SequentialRun& run, const CodeIntervals& file, const PairingRows& pairing,
                       WindowScratch& scratch) {
    Stretches& targetYes = scratch.targetYes;
    StretchView givenOn = onWhere(file, pairing.given(), scratch.givenOn);
    StretchView targetOn = onWhere(file, pairing.target(), scratch.targetOn);
    if (run.gForward == 0) {
        givenOn = mirrored(givenOn, file.units, scratch.givenOn);
        targetOn = mirrored(targetOn, file.units, scratch.targetOn);
    }
    const std::int16_t windowType = run.gWindowRules[0];
    const bool lines =
        windowType == kWindowFromOnset || windowType == kWindowFromOffset || windowType == kWindowConcurrent;
    const std::int64_t units = lines ? file.units : 0; // no yes/no line for any unit
    if (!lines) {
        givenOn = {};
        targetOn = {};
    }
    targetYes.clear();
    std::int64_t targets = 0;
    edgeYes(targetOn, rule(run, kCountTargetOnset), rule(run, kCountTargetDuration),
            rule(run, kCountTargetOffset), [&](std::int64_t first, std::int64_t last) {
                targetYes.push_back({first, last});
                targets += last - first + 1;
            });
    // The givens' yes stretches are counted as they come, against the targets'.
    Overlap givenYes(targetYes);
    if (windowType == kWindowConcurrent) {
        edgeYes(givenOn, rule(run, kWindowIncludesOnset), true, rule(run, kWindowIncludesOffset), givenYes);
    } else if (lines) {
        const bool onset = windowType == kWindowFromOnset;
        windowYes(givenOn, onset, run.gLagCount,
                  rule(run, onset ? kWindowIncludesOnset : kWindowIncludesOffset), units, givenYes);
    }
    const std::int64_t both = givenYes.both();
    const std::int64_t givens = givenYes.units();
    SeqTable table{};
    table[kYes][kYes] = static_cast<std::int32_t>(both);
    table[kYes][kNo] = static_cast<std::int32_t>(givens - both);
    table[kNo][kYes] = static_cast<std::int32_t>(targets - both);
    table[kNo][kNo] = static_cast<std::int32_t>(units - givens - targets + both);
    completeTotals(table);
    return table;
}

const CodeIntervals* WindowIntervalFiles::find(const std::string& fileName) const {
    const auto kept = files_.find(fileName);
    return kept == files_.end() ? nullptr : &kept->second;
}

const CodeIntervals& WindowIntervalFiles::keep(const std::string& fileName, const Global& g,
                                               std::span<const std::int16_t> groups, SlotRows known) {
    return files_.insert_or_assign(fileName, codeIntervalsOf(g, groups, known, &closedRoom_)).first->second;
}

SeqTable WindowIntervalFiles::table(const SequentialRun& run, const Global& g, const CodeIntervals& file) {
    pairing_.mark(run, g, static_cast<int>(file.rows()) - 1);
    return windowTableOf(run, file, pairing_, scratch_);
}

} // namespace ws
