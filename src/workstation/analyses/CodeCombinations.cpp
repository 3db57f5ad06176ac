#include "workstation/analyses/CodeCombinations.h"

#include "workstation/analyses/RunAnalysis.h"
#include "workstation/core/CodeSetFile.h"

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
    std::vector<std::size_t> at(static_cast<std::size_t>(n) + 1, 0);
    std::unordered_map<std::string, std::int32_t> added; // text -> entry
    for (;;) {
        std::string text;
        for (int k = 1; k <= n; ++k) {
            if (k > 1) {
                text += '/';
            }
            text += values[static_cast<std::size_t>(k)][at[static_cast<std::size_t>(k)]];
        }
        auto [entry, isNew] = added.try_emplace(std::move(text), out.count() + 1);
        if (isNew) {
            if (out.count() >= kMaxCombinations) {
                return refuse(dialogs, "Multilevel can only run up to 10000 combinations");
            }
            const std::size_t place = static_cast<std::size_t>(out.count()) + 1;
            out.ComboNames.resize(place + 1);
            out.ComboCounts.resize(place + 1, 0);
            out.ComboNames[place] = entry->first;
            ++out.ComboCounts[0];
        }
        out.entryOfPlaces.push_back(entry->second);
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
