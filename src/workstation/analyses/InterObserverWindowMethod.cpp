#include "workstation/analyses/InterObserverWindowMethod.h"

#include <cstddef>

namespace ws {

OnsetIndex indexOnsets(const std::vector<std::string>& codes, const std::vector<std::int32_t>& times) {
    OnsetIndex index;
    const int end = times.at(0);
    for (int k = 1; k <= end; ++k) {
        index[codes.at(static_cast<std::size_t>(k))].push_back(times.at(static_cast<std::size_t>(k)));
    }
    return index;
}

void matchWindow(CountTable& windowCounts, int row, const std::vector<std::int32_t>& onsets1,
                 const std::vector<std::int32_t>& onsets2, int window) {
    windowCounts(row, kFrq1) = static_cast<std::int32_t>(onsets1.size());
    windowCounts(row, kFrq2) = static_cast<std::int32_t>(onsets2.size());
    // A flag per occurrence rather than a marked time, so no time can pass for a mark.
    std::vector<bool> matched(onsets2.size(), false);
    for (const std::int32_t t1 : onsets1) {
        const std::int64_t low = std::int64_t{t1} - window;
        const std::int64_t high = std::int64_t{t1} + window;
        bool found = false;
        for (std::size_t j = 0; j < onsets2.size(); ++j) {
            if (!matched[j] && onsets2[j] >= low && onsets2[j] <= high) {
                matched[j] = true;
                found = true;
                break;
            }
        }
        ++windowCounts(row, found ? kAgreements : kDisagreements);
    }
    for (const bool taken : matched) {
        if (!taken) {
            ++windowCounts(row, kDisagreements);
        }
    }
}

void countWindowAgreement(const CodeSet& set, const EventSlots& eventSlots, AgreementCounts& counts,
                          int window) {
    const OnsetIndex onsets1 = indexOnsets(eventSlots.EventCodes, eventSlots.EventTimes);
    const OnsetIndex onsets2 = indexOnsets(eventSlots.EventCodes2, eventSlots.EventTimes2);
    static const std::vector<std::int32_t> kNone;
    auto onsetsOf = [](const OnsetIndex& index, const std::string& code) -> const std::vector<std::int32_t>& {
        const auto found = index.find(code);
        return found == index.end() ? kNone : found->second;
    };
    for (int row = 1; row <= counts.numCodes; ++row) {
        const std::string code = set.CodeTable.code(row);
        matchWindow(counts.WindowCounts, row, onsetsOf(onsets1, code), onsetsOf(onsets2, code), window);
    }
}

} // namespace ws
