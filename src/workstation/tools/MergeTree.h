#pragma once
// The merger's groups as its tree shows them: nodes in tree order, each group node followed
// by its input files. The moves and additions keep every output apart from every input.

#include "workstation/tools/MergerCode.h"

#include <string>
#include <vector>

namespace ws {

struct MergeNode {
    std::string key;  // "G" & the group number for a group node, empty for a file node
    std::string text; // the output path of a group, the input path of a file
    bool isGroup() const { return !key.empty() && key.front() == 'G'; }
};

enum class TreeEdit {
    Done,
    Refused,     // a beep: the name is in the tree already, or the move is not allowed
    NoSelection, // the command needs a selected node
};

class MergeTree {
public:
    const std::vector<MergeNode>& nodes() const { return nodes_; }
    int selected = -1; // index into nodes(), -1 for none

    // Adds the file under the selected node's group.
    TreeEdit addFile(const std::string& path);
    // A new group node at the end of the tree, its output named from the chosen path.
    TreeEdit newGroup(const std::string& chosenPath);
    TreeEdit removeSelected();
    TreeEdit moveUp();
    TreeEdit moveDown();
    void clear();
    bool contains(const std::string& text) const;

    std::vector<MergeGroup> groups() const;

private:
    int groupOf(int index) const;
    // Exchanges the texts of two file nodes and keeps the selection on the moved file.
    TreeEdit exchangeFiles(int from, int to);

    std::vector<MergeNode> nodes_;
    int GroupCounter = 0;
};

} // namespace ws
