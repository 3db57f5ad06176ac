#pragma once
// The combinations of codes across the groups checked in the group tree: every value of the
// first chosen group (its codes, then "None") by every value of the next, and so on.

#include "platform/Dialogs.h"
#include "workstation/analyses/MultilevTree.h"
#include "workstation/core/CodeSet.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ws {

inline const std::string kNoneValue = "None";
inline constexpr int kMaxChosenGroups = 10;
inline constexpr int kMaxCombinations = 10000;
inline constexpr int kMaxGroupCodes = 999;

struct CodeCombinations {
    // Entry 0 holds no combination; entries 1..n the texts in the order they were added.
    std::vector<std::string> ComboNames = std::vector<std::string>(2);
    // Entry 0 holds n; entries 1..n the counters.
    std::vector<std::int32_t> ComboCounts = std::vector<std::int32_t>(2, 0);
    // Every group of the code set, ascending, in 1..CodeGroupCount.
    std::array<std::int16_t, 51> CodeGroups{};
    std::int16_t CodeGroupCount = 0;
    // Entry 0 the number of chosen groups, 1..n their numbers ascending.
    std::vector<std::int16_t> SelectedGroups = std::vector<std::int16_t>(1, 0);
    // By chosen group (1..n): the values its place in a combination takes, in order (the
    // group's codes in table order, then "None").
    std::vector<std::vector<std::string>> valuesByGroup;
    // The entry (1..n) of every choice of one value per chosen group, at the mixed-radix
    // number of the values' places (the last group's place in the units), so a record's
    // combination is found without writing out its text.
    std::vector<std::int32_t> entryOfPlaces;

    int count() const { return ComboCounts[0]; }
};

// Fills `out` from the tree. True when the build stopped after showing its message (the run
// ends before reading any file); false when the list stands.
bool MakeCodeCombinations(const CodeSet& set, const MultilevModel& tree, platform::Dialogs& dialogs,
                          CodeCombinations& out);

// Whether the report writes the combination: always with the filter off; with it on, only
// when a checked code of a checked group occurs in its text (and "None" only when asked).
bool IsCombinationChecked(const MultilevModel& tree, const std::string& combination);

} // namespace ws
