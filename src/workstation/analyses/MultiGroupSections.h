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

struct MultiGroupSection {
    const CodeCombinations& combos;
    const MultilevModel& tree;
    const std::vector<std::int32_t>& counts; // by combination, 1..n
    // IsCombinationChecked by combination (1..n), when a run works it out once for its sections.
    const std::vector<bool>* checked = nullptr;
};

// IsCombinationChecked of every combination, at its index.
std::vector<bool> checkedCombinations(const CodeCombinations& combos, const MultilevModel& tree);

// The text section: heading block (nameLine and headerLine are its fourth and fifth lines),
// then a row per written combination, the heading repeated when a page is full.
std::string multiGroupTextSection(const MultiGroupSection& section, const std::string& date,
                                  const std::string& nameLine, const std::string& headerLine, int pageLength);
// The comma-separated section: the title row when asked, then the data row.
std::string multiGroupCsvSection(const MultiGroupSection& section, const std::string& rowName, bool titleRow);

} // namespace ws
