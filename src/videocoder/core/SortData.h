#pragma once
// Reordering the coded rows by one or two columns with the coder's exchange sort: for each
// row i, every later row j whose value sorts before row i's (strictly) is exchanged with it.
// The sort is not stable: rows of equal values end where those exchanges put them, and
// files sorted before rely on that order. A second key sorts each run of rows whose first
// key's cells are equal.
//
// A sort key names a gData column, negative for descending: 1 the time, g + 2 code group g.

#include "videocoder/core/CoderLinks.h"
#include "videocoder/core/Globals.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace vc {

// The order the exchange sort leaves positions in. `ranks` are the values to sort (smaller
// sorts first; equal ranks are equal values), `order` the items they stand for; both are
// rearranged together. Fast: the exchanges of a pass are found through a tree of minima,
// so a pass costs the exchanges it makes, not a scan of every later row.
void exchangeSort(std::vector<std::int32_t>& ranks, std::vector<int>& order);
// The same by the literal steps: every pair compared. The fast one must match it.
void exchangeSortByTheSteps(std::vector<std::int32_t>& ranks, std::vector<int>& order);

// Sorts rows 1..gRowCount by key1 then key2, all 50 columns of a row moving together. The
// keys' values are read before any row moves: a time that cannot be read (or a column that
// does not exist) throws RunError with every row where it was. Column 1 is read as a time
// (frames when FrameDisplay is 2 or 3, otherwise seconds); other columns compare as text by
// byte, Empty and Null as the empty text. `redraw` runs after each of the two passes. The
// rows the filter hides in `grid`, when given, move with their rows.
void sortRows(DataTable& data, const VideoSettings& s, int key1, int key2,
              const std::function<void()>& redraw, GridLayout* grid = nullptr);

// key1 0 sorts nothing. A failure shows its description in "Error sorting:" and leaves the
// rows and the grid as they were.
void SortData(Globals& g, CoderLinks& links, double key1, double key2);

} // namespace vc
