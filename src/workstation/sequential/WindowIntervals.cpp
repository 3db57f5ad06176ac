#include "workstation/sequential/WindowIntervals.h"

#include "workstation/core/CodeRowIndex.h"
#include "workstation/core/EventSlots.h"
#include "workstation/sequential/SeqCount.h"
#include "workstation/sequential/SeqTimeWindow.h"

#include <algorithm>

namespace ws {
namespace {

using Stretches = std::vector<UnitStretch>;

void push(Stretches& out, std::int64_t first, std::int64_t last) {
    if (first <= last) {
        out.push_back({first, last});
    }
}

// The units where any of the marked rows is on, touching stretches joined: a code that
// follows another of the same side continues one stretch, as the unit flags see it.
Stretches onWhere(const CodeIntervals& file, const std::vector<char>& marked) {
    Stretches all;
    for (std::size_t row = 1; row < file.byRow.size(); ++row) {
        if (marked[row] != 0) {
            all.insert(all.end(), file.byRow[row].begin(), file.byRow[row].end());
        }
    }
    const auto byFirst = [](const UnitStretch& a, const UnitStretch& b) { return a.first < b.first; };
    if (!std::is_sorted(all.begin(), all.end(), byFirst)) { // one code's stretches come in order
        std::sort(all.begin(), all.end(), byFirst);
    }
    std::size_t kept = 0;
    for (const UnitStretch& s : all) {
        if (kept > 0 && s.first <= all[kept - 1].last + 1) {
            all[kept - 1].last = std::max(all[kept - 1].last, s.last);
        } else {
            all[kept++] = s;
        }
    }
    all.resize(kept);
    return all;
}

// Unit s becomes unit n + 1 - s.
void mirror(Stretches& stretches, std::int64_t units) {
    std::reverse(stretches.begin(), stretches.end());
    for (UnitStretch& s : stretches) {
        s = {units + 1 - s.last, units + 1 - s.first};
    }
}

bool rule(const SequentialRun& run, int index) {
    return run.gWindowRules[static_cast<std::size_t>(index)] == 1;
}

// Yes by edge: the onset decides a one-unit stretch, then the offset, then the middle.
Stretches edgeYes(const Stretches& on, bool onset, bool middle, bool offset) {
    Stretches yes;
    for (const UnitStretch& s : on) {
        if (onset) {
            push(yes, s.first, s.first);
        }
        if (s.last > s.first) {
            if (middle) {
                push(yes, s.first + 1, s.last - 1);
            }
            if (offset) {
                push(yes, s.last, s.last);
            }
        }
    }
    return yes;
}

// A window opened at each edge holds until the next edge opens another.
Stretches windowYes(const std::vector<std::int64_t>& edges, std::int64_t length, bool includesEdge,
                    std::int64_t units) {
    Stretches yes;
    for (std::size_t k = 0; k < edges.size(); ++k) {
        const std::int64_t at = edges[k];
        const std::int64_t until = k + 1 < edges.size() ? edges[k + 1] - 1 : units;
        const std::int64_t first = includesEdge ? at : at + 1;
        const std::int64_t last = includesEdge ? at + length - 1 : at + length;
        push(yes, first, std::min(last, until));
    }
    return yes;
}

std::int64_t unitsIn(const Stretches& stretches) {
    std::int64_t n = 0;
    for (const UnitStretch& s : stretches) {
        n += s.last - s.first + 1;
    }
    return n;
}

std::int64_t unitsInBoth(const Stretches& a, const Stretches& b) {
    std::int64_t n = 0;
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        n += std::max<std::int64_t>(0, std::min(a[i].last, b[j].last) - std::max(a[i].first, b[j].first) + 1);
        if (a[i].last < b[j].last) {
            ++i;
        } else {
            ++j;
        }
    }
    return n;
}

} // namespace

CodeIntervals codeIntervalsOf(const Global& g, std::span<const std::int16_t> groups) {
    CodeIntervals file;
    file.byRow.resize(static_cast<std::size_t>(std::max<int>(g.NumCodes, 0)) + 1);
    const int endIndex = g.EventTimes[0];
    if (endIndex < 1 || endIndex > kMaxEvents) {
        return file;
    }
    const std::int64_t start = g.EventTimes[1];
    const std::int64_t end = g.EventTimes[static_cast<std::size_t>(endIndex)];
    file.units = std::max<std::int64_t>(0, end - start + 1);

    std::vector<int> columnOfRow(file.byRow.size(), -1);
    for (int row = 1; row <= g.NumCodes; ++row) {
        const auto listed = std::find(groups.begin(), groups.end(), g.CodeTable.group(row));
        if (listed != groups.end()) {
            columnOfRow[static_cast<std::size_t>(row)] = static_cast<int>(listed - groups.begin());
        }
    }
    const CodeRowIndex index(g);
    std::vector<int> rowOn(groups.size(), 0); // 0: "None"
    std::vector<std::int64_t> since(groups.size(), 0);
    const auto close = [&](std::size_t column, std::int64_t last) {
        if (rowOn[column] > 0) {
            push(file.byRow[static_cast<std::size_t>(rowOn[column])], since[column], last);
        }
    };
    std::int64_t previous = start;
    for (int cursor = 1; cursor <= endIndex;) {
        const std::int64_t t = g.EventTimes[static_cast<std::size_t>(cursor)];
        if (t < previous || t > end) {
            break; // the walk never comes back to an earlier time: it reads no further event
        }
        const std::int64_t unit = t - start + 1;
        for (; cursor <= endIndex && g.EventTimes[static_cast<std::size_t>(cursor)] == t; ++cursor) {
            const int row = index.rowOf(g.EventCodes[static_cast<std::size_t>(cursor)]);
            const int column = row >= 1 ? columnOfRow[static_cast<std::size_t>(row)] : -1;
            if (column < 0) {
                continue;
            }
            const auto c = static_cast<std::size_t>(column);
            if (rowOn[c] != row) {
                close(c, unit - 1);
                rowOn[c] = row;
                since[c] = unit;
            }
        }
        for (std::size_t c = 0; c < groups.size(); ++c) {
            if (groups[c] == 0 && rowOn[c] > 0) { // group 0's codes last one unit
                close(c, unit);
                rowOn[c] = 0;
            }
        }
        previous = t;
    }
    for (std::size_t c = 0; c < groups.size(); ++c) {
        close(c, file.units);
    }
    return file;
}

SeqTable windowTableOf(const SequentialRun& run, const Global& g, const CodeIntervals& file) {
    std::vector<char> given(file.byRow.size(), 0);
    std::vector<char> target(file.byRow.size(), 0);
    for (std::size_t row = 1; row < file.byRow.size(); ++row) {
        std::string code = g.CodeTable.code(static_cast<int>(row));
        target[row] = IsTargetCode(run, code) ? 1 : 0;
        given[row] = IsGivenCode(run, code) ? 1 : 0;
    }
    Stretches givenOn = onWhere(file, given);
    Stretches targetOn = onWhere(file, target);
    if (run.gForward == 0) {
        mirror(givenOn, file.units);
        mirror(targetOn, file.units);
    }
    Stretches givenYes;
    std::int64_t units = file.units;
    const std::int64_t length = run.gLagCount;
    switch (run.gWindowRules[0]) {
    case kWindowFromOnset:
    case kWindowFromOffset: {
        const bool onset = run.gWindowRules[0] == kWindowFromOnset;
        std::vector<std::int64_t> edges;
        for (const UnitStretch& s : givenOn) {
            edges.push_back(onset ? s.first : s.last);
        }
        givenYes =
            windowYes(edges, length, rule(run, onset ? kWindowIncludesOnset : kWindowIncludesOffset), units);
        break;
    }
    case kWindowConcurrent:
        givenYes = edgeYes(givenOn, rule(run, kWindowIncludesOnset), true, rule(run, kWindowIncludesOffset));
        break;
    default:
        units = 0; // no yes/no line for any unit
        givenOn.clear();
        targetOn.clear();
    }
    const Stretches targetYes = edgeYes(targetOn, rule(run, kCountTargetOnset),
                                        rule(run, kCountTargetDuration), rule(run, kCountTargetOffset));
    const std::int64_t both = unitsInBoth(givenYes, targetYes);
    const std::int64_t givens = unitsIn(givenYes);
    const std::int64_t targets = unitsIn(targetYes);
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

const CodeIntervals& WindowIntervalFiles::keep(const std::string& fileName, CodeIntervals file) {
    return files_.insert_or_assign(fileName, std::move(file)).first->second;
}

} // namespace ws
