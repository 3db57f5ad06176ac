#pragma once
// The sections of the multi-group report: counts of the combinations for one file or
// pooled, as fixed-column text or comma-separated rows.

#include "workstation/analyses/CodeCombinations.h"
#include "workstation/analyses/MultilevTree.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ws {

inline constexpr int kFilePageLength = 10000;
inline constexpr int kPooledPageLength = 55;

// Writes the sections of one run. What every section shows alike (which combinations pass
// the tree's filter, each combination's text as a row and as a title) is made once here.
class MultiGroupSections {
public:
    MultiGroupSections(const CodeCombinations& combos, const MultilevModel& tree);

    // The text section: heading block (nameLine and headerLine are its fourth and fifth
    // lines), then a row per written combination (counts by combination, 1..n), the heading
    // repeated when a page is full.
    std::string text(const std::vector<std::int32_t>& counts, const std::string& date,
                     const std::string& nameLine, const std::string& headerLine, int pageLength);
    // The comma-separated section: the title row when asked, then the data row.
    std::string csv(const std::vector<std::int32_t>& counts, const std::string& rowName, bool titleRow) const;

private:
    bool written(const std::vector<std::int32_t>& counts, std::size_t i) const {
        return checked_[i] != 0 && (!withoutZeros_ || counts[i] != 0);
    }
    void appendCsvTitle(std::string& out, std::size_t i) const;

    const CodeCombinations& combos_;
    bool withoutZeros_ = false;
    std::vector<char> checked_;          // by combination: IsCombinationChecked
    std::vector<std::size_t> checkedAt_; // the checked combinations, in order
    // The text row of every checked combination, made once for the run: blanks up to the
    // text's column, the text, the line end. A section copies it and writes the count over
    // the blanks. Combination i's row is rows_[rowAt_[i], rowAt_[i + 1]).
    std::string rows_;
    std::vector<std::size_t> rowAt_;
    std::string csvTitleRow_; // the whole title row, when it does not hang on the counts
    // Room a text section is written into, kept from one section to the next: it is only
    // ever made longer, so no section pays for new memory or for blanking it.
    std::string room_;
};

} // namespace ws
