#include "workstation/analyses/CodeCombinations.h"

#include "workstation/analyses/RunAnalysis.h"
#include "workstation/core/CodeSetFile.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace ws {
namespace {

bool refuse(platform::Dialogs& dialogs, const std::string& message) {
    dialogs.messageBox(message, kProgramTitle, platform::Buttons::OK, platform::Icon::None);
    return true;
}

std::vector<std::int16_t> chosenGroups(const CodeCombinations& out, const MultilevModel& tree) {
    std::vector<std::int16_t> chosen(1, 0);
    for (int k = 1; k <= out.CodeGroupCount; ++k) {
        const std::int16_t group = out.CodeGroups[static_cast<std::size_t>(k)];
        for (const MultilevNode& node : tree.nodes) {
            if (node.checked && isGroupText(node.text) && groupNumberOfText(node.text) == group) {
                ++chosen[0];
                chosen.push_back(group);
            }
        }
    }
    return chosen;
}

// Whether every choice of one value per group joins into its own text: so when no value
// holds the "/" that joins them and no group holds a value twice. Then the texts need no
// look-up to find which are equal.
bool joinedTextsDistinct(const std::vector<std::vector<std::string>>& values) {
    for (const std::vector<std::string>& group : values) {
        std::vector<std::string_view> sorted(group.begin(), group.end());
        std::sort(sorted.begin(), sorted.end());
        if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) {
            return false;
        }
        for (const std::string_view value : sorted) {
            if (value.find('/') != std::string_view::npos) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

bool MakeCodeCombinations(const CodeSet& set, const MultilevModel& tree, platform::Dialogs& dialogs,
                          CodeCombinations& out) {
    out = CodeCombinations{};
    ListCodeGroups(set, out.CodeGroupCount, out.CodeGroups);
    out.SelectedGroups = chosenGroups(out, tree);
    const int n = out.SelectedGroups[0];
    if (n > kMaxChosenGroups) {
        return refuse(dialogs, "Multilevel can only run up to 10 groups");
    }
    std::vector<std::vector<std::string>> values(static_cast<std::size_t>(n) + 1);
    for (int k = 1; k <= n; ++k) {
        auto& groupValues = values[static_cast<std::size_t>(k)];
        for (int row = 1; row <= set.NumCodes; ++row) {
            if (set.CodeTable.group(row) == out.SelectedGroups[static_cast<std::size_t>(k)]) {
                groupValues.push_back(set.CodeTable.code(row));
            }
        }
        if (static_cast<int>(groupValues.size()) > kMaxGroupCodes) {
            return refuse(dialogs, "Multilevel can only run up to 999 codes in a group");
        }
        groupValues.push_back(kNoneValue);
    }
    if (n == 0) {
        return refuse(dialogs, "Multilevel requires picking at least 1 Group");
    }
    // One place per value of each group; the last group turns fastest, so the choices come
    // in the order of their mixed-radix numbers.
    std::size_t choices = 1; // up to one past the most that are kept
    std::size_t longestText = 0;
    for (int k = 1; k <= n; ++k) {
        const std::vector<std::string>& groupValues = values[static_cast<std::size_t>(k)];
        choices = std::min<std::size_t>(choices * groupValues.size(), kMaxCombinations + 1);
        std::size_t longest = 0;
        for (const std::string& value : groupValues) {
            longest = std::max(longest, value.size());
        }
        longestText += longest + 1;
    }
    const bool textsDistinct = joinedTextsDistinct(values);
    // Entry 0 only: each new text is added after it.
    out.ComboNames.resize(1);
    out.ComboCounts.resize(1);
    const std::size_t kept = std::min<std::size_t>(choices, kMaxCombinations);
    out.ComboNames.reserve(kept + 1);
    out.ComboCounts.reserve(kept + 1);
    out.entryOfPlaces.reserve(choices);
    std::vector<std::size_t> at(static_cast<std::size_t>(n) + 1, 0);
    std::unordered_map<std::string, std::int32_t> added; // text -> entry, when texts can repeat
    for (;;) {
        std::string text;
        text.reserve(longestText);
        for (int k = 1; k <= n; ++k) {
            if (k > 1) {
                text += '/';
            }
            text += values[static_cast<std::size_t>(k)][at[static_cast<std::size_t>(k)]];
        }
        std::int32_t entry = out.count() + 1;
        bool isNew = true;
        if (!textsDistinct) {
            const auto [found, first] = added.try_emplace(text, entry);
            entry = found->second;
            isNew = first;
        }
        if (isNew) {
            if (out.count() >= kMaxCombinations) {
                return refuse(dialogs, "Multilevel can only run up to 10000 combinations");
            }
            out.ComboNames.push_back(std::move(text));
            out.ComboCounts.push_back(0);
            ++out.ComboCounts[0];
        }
        out.entryOfPlaces.push_back(entry);
        int k = n;
        while (k >= 1 && ++at[static_cast<std::size_t>(k)] == values[static_cast<std::size_t>(k)].size()) {
            at[static_cast<std::size_t>(k)] = 0;
            --k;
        }
        if (k < 1) {
            out.valuesByGroup = std::move(values);
            return false;
        }
    }
}

bool IsCombinationChecked(const MultilevModel& tree, const std::string& combination) {
    if (tree.options.Check7 == 0) {
        return true;
    }
    if (combination.find(kNoneValue) != std::string::npos && tree.options.Check2 == 0) {
        return false;
    }
    for (const MultilevNode& node : tree.nodes) {
        if (node.parent >= 0 && node.checked && tree.nodes[static_cast<std::size_t>(node.parent)].checked &&
            combination.find(codeOfText(node.text)) != std::string::npos) {
            return true;
        }
    }
    return false;
}

} // namespace ws
