#include "workstation/tools/MergeTree.h"

#include "textfile/Paths.h"

#include <algorithm>

namespace ws {

bool MergeTree::contains(const std::string& text) const {
    return std::any_of(nodes_.begin(), nodes_.end(),
                       [&](const MergeNode& node) { return node.text == text; });
}

int MergeTree::groupOf(int index) const {
    while (index >= 0 && !nodes_[static_cast<std::size_t>(index)].isGroup()) {
        --index;
    }
    return index;
}

TreeEdit MergeTree::addFile(const std::string& path) {
    if (contains(path)) {
        return TreeEdit::Refused;
    }
    if (selected < 0) {
        return TreeEdit::NoSelection;
    }
    const int group = groupOf(selected);
    int at = group + 1;
    while (at < static_cast<int>(nodes_.size()) && !nodes_[static_cast<std::size_t>(at)].isGroup()) {
        ++at;
    }
    nodes_.insert(nodes_.begin() + at, MergeNode{{}, path});
    if (selected >= at) {
        ++selected;
    }
    return TreeEdit::Done;
}

TreeEdit MergeTree::newGroup(const std::string& chosenPath) {
    const std::string output = textfile::companionName(chosenPath, ".eve");
    if (contains(output)) {
        return TreeEdit::Refused;
    }
    ++GroupCounter;
    nodes_.push_back(MergeNode{"G" + std::to_string(GroupCounter), output});
    return TreeEdit::Done;
}

TreeEdit MergeTree::removeSelected() {
    if (selected < 0) {
        return TreeEdit::NoSelection;
    }
    auto first = nodes_.begin() + selected;
    auto last = first + 1;
    if (first->isGroup()) {
        last = std::find_if(last, nodes_.end(), [](const MergeNode& node) { return node.isGroup(); });
    }
    nodes_.erase(first, last);
    selected = -1;
    return TreeEdit::Done;
}

TreeEdit MergeTree::exchangeFiles(int from, int to) {
    MergeNode& a = nodes_[static_cast<std::size_t>(from)];
    MergeNode& b = nodes_[static_cast<std::size_t>(to)];
    // Only input files trade places: an output name never becomes an input, nor the reverse.
    if (a.isGroup() || b.isGroup()) {
        return TreeEdit::Refused;
    }
    textfile::SwapValues(a.text, b.text);
    selected = to;
    return TreeEdit::Done;
}

// Node numbers below count from 1 in tree order, as the tree does.
TreeEdit MergeTree::moveUp() {
    if (selected < 0) {
        return TreeEdit::NoSelection;
    }
    const int n = selected + 1;
    if (n <= 2) {
        return TreeEdit::Refused;
    }
    const bool aboveIsGroup = nodes_[static_cast<std::size_t>(n - 2)].isGroup();
    return exchangeFiles(n - 1, aboveIsGroup ? n - 3 : n - 2);
}

TreeEdit MergeTree::moveDown() {
    if (selected < 0) {
        return TreeEdit::NoSelection;
    }
    const int n = selected + 1;
    const int count = static_cast<int>(nodes_.size());
    if (n >= count - 1) {
        return TreeEdit::Refused;
    }
    if (!nodes_[static_cast<std::size_t>(n)].isGroup()) {
        return exchangeFiles(n - 1, n);
    }
    if (n < count - 2) {
        return exchangeFiles(n - 1, n + 1);
    }
    return TreeEdit::Refused;
}

void MergeTree::clear() {
    nodes_.clear();
    selected = -1;
}

std::vector<MergeGroup> MergeTree::groups() const {
    std::vector<MergeGroup> result;
    for (const MergeNode& node : nodes_) {
        if (node.isGroup()) {
            result.push_back(MergeGroup{node.text, {}});
        } else if (!result.empty()) {
            result.back().inputs.push_back(node.text);
        }
    }
    return result;
}

} // namespace ws
