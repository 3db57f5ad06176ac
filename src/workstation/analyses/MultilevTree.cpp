#include "workstation/analyses/MultilevTree.h"

#include <unordered_map>
#include <unordered_set>

#include "textfile/RunError.h"
#include "workstation/core/CodeSetFile.h"

namespace ws {
namespace {

bool blankText(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

} // namespace

bool BuildMultilevTree(const CodeSet& set, MultilevModel& model) {
    model = MultilevModel{};
    std::int16_t count = 0;
    std::array<std::int16_t, 51> groups{};
    try {
        ListCodeGroups(set, count, groups);
        std::unordered_map<int, int> groupNode;
        for (int k = 1; k <= count; ++k) {
            const int group = groups[static_cast<std::size_t>(k)];
            if (group < 0 || group >= static_cast<int>(set.GroupNames.size())) {
                return false; // no place for its name
            }
            const std::string& name = set.GroupNames[static_cast<std::size_t>(group)];
            std::string text = "Group " + std::to_string(group);
            if (!blankText(name)) {
                text += " " + name;
            }
            groupNode[group] = static_cast<int>(model.nodes.size());
            model.nodes.push_back({"L_" + std::to_string(group), text, false, -1});
        }
        std::unordered_set<std::string> codeKeys;
        for (int row = 1; row <= set.NumCodes; ++row) {
            std::string key = "C_" + set.CodeTable.code(row);
            const auto parent = groupNode.find(set.CodeTable.group(row));
            if (parent == groupNode.end() || !codeKeys.insert(key).second) {
                return false;
            }
            model.nodes.push_back({std::move(key),
                                   set.CodeTable.code(row) + " " + set.CodeTable.description(row), false,
                                   parent->second});
        }
    } catch (const textfile::RunError&) {
        return false;
    }
    return true;
}

bool isGroupText(std::string_view text) {
    return text.substr(0, 5) == "Group";
}

bool hasFrequencyOnlyMark(std::string_view text) {
    const std::size_t from = text.size() >= 2 ? text.size() - 2 : 0;
    return text.substr(from).find('*') != std::string_view::npos;
}

bool anyFrequencyOnlyMark(const MultilevModel& model) {
    for (const MultilevNode& node : model.nodes) {
        if (hasFrequencyOnlyMark(node.text)) {
            return true;
        }
    }
    return false;
}

int groupNumberOfText(std::string_view text) {
    int number = 0;
    for (std::size_t at = 6; at < text.size() && text[at] >= '0' && text[at] <= '9' && number < 100000;
         ++at) {
        number = number * 10 + (text[at] - '0');
    }
    return number;
}

std::string codeOfText(std::string_view text) {
    return std::string(text.substr(0, text.find(' ')));
}

void NodeCheck(MultilevModel& model, int index) {
    MultilevNode& node = model.nodes.at(static_cast<std::size_t>(index));
    if (isGroupText(node.text)) {
        for (MultilevNode& child : model.nodes) {
            if (child.parent == index) {
                child.checked = node.checked;
            }
        }
    }
    if (node.parent >= 0) {
        model.nodes.at(static_cast<std::size_t>(node.parent)).checked = true;
    }
}

void FreqOnlyClick(MultilevModel& model, int selected, platform::Dialogs& dialogs) {
    if (selected < 0 || selected >= static_cast<int>(model.nodes.size())) {
        return;
    }
    std::string& text = model.nodes[static_cast<std::size_t>(selected)].text;
    if (!isGroupText(text)) {
        dialogs.messageBox("Only whole groups can be marked as frequency only", "Oops!",
                           platform::Buttons::OK, platform::Icon::None);
        return;
    }
    if (!text.empty() && text.back() == '*') {
        text.pop_back();
    } else {
        text += '*';
    }
}

} // namespace ws
