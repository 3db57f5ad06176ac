#pragma once
// Counts the records of the second-by-second walk into the combinations of the chosen groups.

#include "textfile/RunError.h"
#include "workstation/analyses/CodeCombinations.h"
#include "workstation/analyses/SecBySecFile.h"
#include "workstation/core/CodeSet.h"

#include <cstdint>
#include <limits>
#include <string>
#include <unordered_map>
#include <vector>

namespace ws {

// A record names the combination whose text is the chosen groups' texts of the record joined
// by "/", empty texts left out. The counter finds it by the places of the record's values
// among each group's values; only a record holding a code with an empty text is looked up
// by its joined text.
class SecBySecCounter {
public:
    SecBySecCounter(const CodeCombinations& combos, const CodeSet& set);
    // Counts `units` equal records. False when their combination is in no entry (nothing is
    // counted then).
    bool count(const SecBySecStates& states, const SecBySecRows& rows, std::vector<std::int32_t>& counts,
               std::int32_t units = 1);
    // The same found by the record's joined text alone.
    bool count(const SecBySecStates& states, std::vector<std::int32_t>& counts, std::int32_t units = 1);

private:
    static void add(std::vector<std::int32_t>& counts, int entry, std::int32_t units) {
        std::int32_t& counter = counts[static_cast<std::size_t>(entry)];
        const std::int64_t sum = static_cast<std::int64_t>(counter) + units;
        if (sum > std::numeric_limits<std::int32_t>::max()) {
            throw textfile::RunError(textfile::kOverflow);
        }
        counter = static_cast<std::int32_t>(sum);
    }

    const CodeCombinations& combos_;
    std::vector<int> chosenColumns_; // the columns that make up a combination, in order
    // By chosen group, then by code-table row (0 for "None"), rowsPerGroup_ rows a group: the
    // value's place times the group's weight in the mixed-radix number; -1 where only the
    // text way can tell.
    std::vector<std::int64_t> weightedPlaceOfRow_;
    std::size_t rowsPerGroup_ = 0;
    // Made at the first record that goes the text way: most runs never need it.
    std::unordered_map<std::string, int> entryOf_;
    bool entryOfMade_ = false;
    std::string text_;
};

} // namespace ws
