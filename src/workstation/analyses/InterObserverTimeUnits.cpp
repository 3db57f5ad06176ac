#include "workstation/analyses/InterObserverTimeUnits.h"

#include "textfile/Numeric.h"
#include "workstation/analyses/CheckedCounts.h"
#include "workstation/analyses/KappaStatistics.h"
#include "workstation/core/CodeSetFile.h"
#include "workstation/core/EventSlotWriter.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <unordered_map>

namespace ws {
namespace {

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

// The group of a code through the table, or nothing for a code the table lacks.
bool groupOfCode(const CodeSet& set, const std::string& code, int& group) {
    const int row = FindCode(set, code);
    if (row < 1) {
        return false;
    }
    group = set.CodeTable.group(row);
    return true;
}

// The code of the group an observer has on, from a time unit on.
struct CodeChange {
    std::int64_t unit;
    int current; // a code row, -1 for none
};

// When each of an observer's events takes effect in a walk over the units start..end-1 that
// applies, at each unit t, the events at the read position whose time is t. The walk never
// goes back: an event earlier than the one before it halts the read position for good, and
// events from the end time on are never reached. A "$Gap$" hands its unit to the event after
// it. Only the units where the code changes are kept, so the cost follows the events, not the
// length of the session.
std::vector<CodeChange> codeChangesOf(const std::vector<std::string>& codes,
                                      const std::vector<std::int32_t>& times,
                                      const std::unordered_map<std::string, int>& groupRows,
                                      std::int64_t start, std::int64_t end) {
    std::vector<CodeChange> changes;
    const int last = times.at(0);
    int current = -1;
    std::int64_t unit = start;
    for (int position = 1; position <= last;) {
        const std::int64_t time = times.at(at(position));
        if (time < unit || time >= end) {
            break;
        }
        unit = time;
        while (position < last && codes.at(at(position)) == kGapCode) {
            ++position;
        }
        // A code of the group becomes the current one; any other code (another group, the end
        // record) leaves it on, so a code stays on until the next code of its group.
        if (const auto found = groupRows.find(codes.at(at(position))); found != groupRows.end()) {
            current = found->second;
        }
        ++position;
        if (!changes.empty() && changes.back().unit == unit) {
            changes.back().current = current;
        } else if ((changes.empty() ? -1 : changes.back().current) != current) {
            changes.push_back({unit, current});
        }
    }
    return changes;
}

} // namespace

void removeGroupZeroEvents(const CodeSet& set, EventSlots& eventSlots, int slot) {
    SlotWriter writer(eventSlots, slot);
    const int endIndex = writer.times().at(0);
    std::vector<std::string>& codes = writer.codesUpTo(endIndex);
    std::vector<std::int32_t>& times = writer.timesUpTo(endIndex);
    const int last = times.at(0) - 1;
    for (int k = 1; k <= last; ++k) {
        const std::string& code = codes.at(at(k));
        int group = 0;
        if (code == kGapCode || code == kSessionEndCode || !groupOfCode(set, code, group) || group != 0) {
            continue;
        }
        // The event that slides into position k is not looked at again, so of two group-0
        // events in a row the second stays. It is harmless: no group-0 code ever becomes
        // a current code, and the range of units starts no later than any event.
        const int end = times.at(0);
        std::move(codes.begin() + k + 1, codes.begin() + end + 1, codes.begin() + k);
        std::move(times.begin() + k + 1, times.begin() + end + 1, times.begin() + k);
        codes.at(at(end)) = kSessionEndCode;
        times.at(at(end)) = times.at(at(end - 1));
        times.at(0) = end - 1;
    }
}

void collectGroups(const CodeSet& set, const EventSlots& eventSlots, AgreementCounts& counts) {
    counts.GroupList.clear();
    counts.GroupPresent.clear();
    for (int row = 1; row <= counts.numCodes; ++row) {
        const std::int16_t group = set.CodeTable.group(row);
        if (std::find(counts.GroupList.begin(), counts.GroupList.end(), group) == counts.GroupList.end()) {
            counts.GroupList.push_back(group);
        }
    }
    std::set<int> used;
    for (const int slot : {1, 2}) {
        const std::vector<std::string>& codes = slot == 1 ? eventSlots.EventCodes : eventSlots.EventCodes2;
        const std::vector<std::int32_t>& times = slot == 1 ? eventSlots.EventTimes : eventSlots.EventTimes2;
        for (int k = 1; k < times.at(0); ++k) {
            int group = 0;
            if (codes.at(at(k)) != kGapCode && groupOfCode(set, codes.at(at(k)), group)) {
                used.insert(group);
            }
        }
    }
    for (const std::int16_t group : counts.GroupList) {
        counts.GroupPresent.push_back(textfile::toFlag(used.count(group) != 0));
    }
}

std::vector<int> codesOfGroup(const CodeSet& set, int group) {
    std::vector<int> rows;
    for (int row = 1; row <= set.NumCodes; ++row) {
        if (set.CodeTable.group(row) == group) {
            rows.push_back(row);
        }
    }
    return rows;
}

void matchGroupUnits(const CodeSet& set, const EventSlots& eventSlots, AgreementCounts& counts, int group) {
    // The first row of each code within the group.
    std::unordered_map<std::string, int> groupRows;
    for (const int row : codesOfGroup(set, group)) {
        groupRows.emplace(set.CodeTable.code(row), row);
    }
    const std::int64_t start = std::min(eventSlots.EventTimes.at(1), eventSlots.EventTimes2.at(1));
    const std::int64_t end = std::max(eventSlots.EventTimes.at(at(eventSlots.EventTimes.at(0))),
                                      eventSlots.EventTimes2.at(at(eventSlots.EventTimes2.at(0))));
    const std::vector<CodeChange> first =
        codeChangesOf(eventSlots.EventCodes, eventSlots.EventTimes, groupRows, start, end);
    const std::vector<CodeChange> second =
        codeChangesOf(eventSlots.EventCodes2, eventSlots.EventTimes2, groupRows, start, end);
    // Between two successive changes of either observer both codes hold still: the units of
    // that stretch all count alike.
    std::size_t next1 = 0;
    std::size_t next2 = 0;
    int code1 = -1;
    int code2 = -1;
    for (std::int64_t unit = start; unit < end;) {
        while (next1 < first.size() && first[next1].unit == unit) {
            code1 = first[next1++].current;
        }
        while (next2 < second.size() && second[next2].unit == unit) {
            code2 = second[next2++].current;
        }
        std::int64_t stretchEnd = end;
        if (next1 < first.size()) {
            stretchEnd = std::min(stretchEnd, first[next1].unit);
        }
        if (next2 < second.size()) {
            stretchEnd = std::min(stretchEnd, second[next2].unit);
        }
        const std::int64_t units = stretchEnd - unit;
        if (code1 != -1) {
            counts.TimeUnitCounts(code1, kDur1) = addInt32(counts.TimeUnitCounts(code1, kDur1), units);
        }
        if (code2 != -1) {
            counts.TimeUnitCounts(code2, kDur2) = addInt32(counts.TimeUnitCounts(code2, kDur2), units);
        }
        if (code1 != -1 && code2 != -1) {
            counts.CodeMatrix(code1, code2) = addInt32(counts.CodeMatrix(code1, code2), units);
        }
        unit = stretchEnd;
    }
}

void sumGroupMatrix(AgreementCounts& counts) {
    const int n = counts.numCodes;
    counts.MatrixTotal = 0;
    counts.MatrixAgreement = 0;
    counts.ExpectedAgreement = 0;
    for (int r = 1; r <= n; ++r) {
        for (int k = 1; k <= n; ++k) {
            const std::int32_t cell = counts.CodeMatrix(r, k);
            counts.ObserverOneTotals[at(r)] = addInt32(counts.ObserverOneTotals[at(r)], cell);
            counts.ObserverTwoTotals[at(k)] = addInt32(counts.ObserverTwoTotals[at(k)], cell);
            counts.MatrixTotal = addInt32(counts.MatrixTotal, cell);
            if (r == k) {
                counts.MatrixAgreement = addInt32(counts.MatrixAgreement, cell);
            }
        }
    }
    for (int i = 1; i <= n; ++i) {
        const std::int64_t rowSum = counts.ObserverOneTotals[at(i)];
        const std::int64_t columnSum = counts.ObserverTwoTotals[at(i)];
        const std::int64_t diagonal = counts.CodeMatrix(i, i);
        counts.TimeUnitCounts(i, kOccAgr) = static_cast<std::int32_t>(diagonal);
        counts.TimeUnitCounts(i, kNOAgr) = addInt32(0, counts.MatrixTotal - rowSum - columnSum + diagonal);
        counts.TimeUnitCounts(i, kDisagr) = addInt32(0, rowSum + columnSum - 2 * diagonal);
        if (counts.MatrixTotal != 0) {
            counts.ExpectedAgreement = textfile::toSingle(
                counts.ExpectedAgreement + static_cast<double>(rowSum) * static_cast<double>(columnSum) /
                                               static_cast<double>(counts.MatrixTotal));
        }
    }
    counts.GroupKappa = groupKappaOf(counts.MatrixAgreement, counts.MatrixTotal, counts.ExpectedAgreement);
}

} // namespace ws
