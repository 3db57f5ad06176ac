#pragma once
// The time chart of one second-by-second file: a band per ticked code of the group tree,
// with a stroke in the band for every time unit in which that code is on.

#include "platform/Canvas.h"
#include "workstation/analyses/MultilevTree.h"
#include "workstation/analyses/SecBySecReader.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ws {

inline constexpr int kMaxGraphCodes = 1000;

// The second-by-second file a graph is drawn from, as the multi-group count left it.
struct GraphFile {
    std::string path;
    std::int16_t groupCount = 0; // group columns per record
    std::int32_t unitCount = 0;  // records in the file
};

struct GraphInput {
    std::string title;              // the file's name without folders
    std::vector<std::string> codes; // the ticked codes, one band each
    std::int32_t unitCount = 0;     // records in the file
    std::vector<SecBySecRecord> records;
};

// The ticked code nodes of the tree, in node order (at most 1000).
std::vector<std::string> tickedGraphCodes(const MultilevModel& tree);

// The scale of the window's picture and of a printed page.
void setPictureScale(platform::Canvas& canvas);
void setPageScale(platform::Canvas& canvas);

// Draws the frame (axes, title, band labels, time labels) and then the strokes.
void DrawGraph(platform::Canvas& canvas, const GraphInput& input);

} // namespace ws
