#pragma once
// The group tree of the multi-group dialog and its options, as plain data: the window shows
// and edits it, the combinations, the second-by-second file and the graph read it.

#include "platform/Dialogs.h"
#include "workstation/core/CodeSet.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ws {

struct MultilevNode {
    std::string key;  // "L_" & group number, or "C_" & code
    std::string text; // "Group 3 Name" (perhaps ending in the frequency-only "*"), or "code description"
    bool checked = false;
    int parent = -1; // index of the group node of a code node; -1 for a group node
};

// The check boxes, 1 ticked and 0 clear, as the window loads them.
struct MultilevOptions {
    std::int16_t Check2 = 0; // Show Values with 'None'
    std::int16_t Check3 = 0; // Keep Matrix
    std::int16_t Check4 = 0; // Don't Output Zeros
    std::int16_t Check5 = 0; // Display Visual Graphic
    std::int16_t Check6 = 1; // Display MultiGroup Report
    std::int16_t Check7 = 1; // Limit output to checked codes
    std::int16_t Check8 = 0; // Supress same second warnings
};

// Nodes in collection order: the group nodes first, then the code nodes in code-table order.
struct MultilevModel {
    std::vector<MultilevNode> nodes;
    MultilevOptions options;
};

inline const std::string kTreeBuildFailed =
    "Error building the multi-level tree.  Check to be sure all your codes are unique.";

// Builds the tree afresh from the code set (nothing checked, options as loaded). False when
// it cannot be built (two codes alike, a group without a name place); the nodes made so far stay.
bool BuildMultilevTree(const CodeSet& set, MultilevModel& model);

// A group node's text begins with "Group" (exact case).
bool isGroupText(std::string_view text);
// One of the last two characters of a text is the frequency-only "*".
bool hasFrequencyOnlyMark(std::string_view text);
// Any node carries the mark.
bool anyFrequencyOnlyMark(const MultilevModel& model);
// The number after "Group " in a group node's text (its leading digits).
int groupNumberOfText(std::string_view text);
// A code node's code: its text up to its first blank.
std::string codeOfText(std::string_view text);

// After the person changed the box of node `index`: a group's codes follow it, and a code's
// group is checked whichever way the code went.
void NodeCheck(MultilevModel& model, int index);
// The frequency-only button on the selected node (-1: none).
void FreqOnlyClick(MultilevModel& model, int selected, platform::Dialogs& dialogs);

} // namespace ws
