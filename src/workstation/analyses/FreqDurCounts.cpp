#include "workstation/analyses/FreqDurCounts.h"

#include "textfile/RunError.h"

#include <algorithm>
#include <map>

namespace ws {
namespace {

constexpr int kGapRow = -2; // "$Gap$": ends every running code, counts as nothing

[[noreturn]] void subscriptOutOfRange() {
    throw textfile::RunError(textfile::kSubscriptOutOfRange);
}

} // namespace

std::size_t rowSlots(const CodeSet& set) {
    return static_cast<std::size_t>(std::max<int>(set.NumCodes, 0)) + 1;
}

FreqDurCounter::FreqDurCounter(const CodeSet& set)
    : index_(set), gapRow_(index_.rowOf(kGapCode)), codes_(rowSlots(set)), descriptions_(rowSlots(set)),
      groups_(rowSlots(set), 0), groupIds_(rowSlots(set), 0), frequency_(rowSlots(set), 0),
      duration_(rowSlots(set), 0) {
    std::map<int, int> ids;
    for (int row = 1; row <= set.NumCodes; ++row) {
        const int group = set.CodeTable.group(row);
        codes_[static_cast<std::size_t>(row)] = set.CodeTable.code(row);
        descriptions_[static_cast<std::size_t>(row)] = set.CodeTable.description(row);
        groups_[static_cast<std::size_t>(row)] = group;
        groupIds_[static_cast<std::size_t>(row)] =
            ids.emplace(group, static_cast<int>(ids.size())).first->second;
    }
    nextInGroup_.resize(ids.size());
}

void FreqDurCounter::countFile(const EventSlots& eventSlots, FreqDurCounts& counts) {
    const int end = eventSlots.EventTimes[0];
    if (end >= 1 && end <= kMaxEvents) { // the counting itself refuses any other end
        rows_.resize(static_cast<std::size_t>(end));
        for (int i = 1; i < end; ++i) {
            rows_[static_cast<std::size_t>(i)] =
                index_.rowOf(eventSlots.EventCodes[static_cast<std::size_t>(i)]);
        }
    }
    countFile(eventSlots, rows_, counts);
}

void FreqDurCounter::countFile(const EventSlots& eventSlots, const std::vector<int>& rows,
                               FreqDurCounts& counts) {
    counts.frequency.assign(kFreqDurMaxRows + 1, 0);
    counts.duration.assign(kFreqDurMaxRows + 1, 0);
    const int numCodes = static_cast<int>(groups_.size()) - 1;
    if (numCodes > kFreqDurMaxRows) {
        subscriptOutOfRange(); // the per-file counters have no room for these rows
    }
    const auto& codes = eventSlots.EventCodes;
    const auto& times = eventSlots.EventTimes;
    const int end = times[0];
    if (end < 1 || end > kMaxEvents) {
        subscriptOutOfRange();
    }
    std::fill(frequency_.begin(), frequency_.end(), 0);
    std::fill(duration_.begin(), duration_.end(), 0);

    // Walking backwards, each event's end is the nearer of the next event of its group
    // and the next gap; without either it is the end record.
    std::fill(nextInGroup_.begin(), nextInGroup_.end(), end);
    int nextGap = end;
    for (int i = end - 1; i >= 1; --i) {
        const int row = rows[static_cast<std::size_t>(i)];
        // Only "$Gap$" has the gap's row; without one in the table it shares -1 with
        // every code the table lacks, and its text tells them apart.
        if (row == gapRow_ && (row != -1 || codes[static_cast<std::size_t>(i)] == kGapCode)) {
            nextGap = i; // a gap is no code: neither counted nor timed
            continue;
        }
        if (row < 0) {
            subscriptOutOfRange(); // a code the table lacks has no counter
        }
        const auto r = static_cast<std::size_t>(row);
        ++frequency_[r];
        int& nextSame = nextInGroup_[static_cast<std::size_t>(groupIds_[r])];
        if (groups_[r] != 0) { // codes of group 0 are moments, not states
            duration_[r] +=
                static_cast<std::int64_t>(times[static_cast<std::size_t>(std::min(nextSame, nextGap))]) -
                times[static_cast<std::size_t>(i)];
        }
        nextSame = i;
    }
    for (int row = 1; row <= numCodes; ++row) {
        const auto r = static_cast<std::size_t>(row);
        counts.frequency[r] = addInt16(0, frequency_[r]);
        counts.duration[r] = addInt32(0, duration_[r]);
    }
}

} // namespace ws
