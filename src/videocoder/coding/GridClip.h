#pragma once
// The coding grid's clip text: cells of a range with tabs between them and CR LF between
// rows, as the grid copies them; and such a text written back into the rows.

#include "videocoder/coding/KeyGrid.h"
#include "videocoder/core/CellTable.h"

#include <string>

namespace vc {

// The cells of grid rows and columns of the range (grid column c is gData column c + 1).
std::string gridClip(const CellTable& gData, const GridRange& range);

// Writes the text's cells from the range's first cell on, rows split at CR LF or LF (one
// line end after the last row ends it), cells at tabs. What falls past the last data row
// or past gData's last column is dropped: a paste never adds a row. An empty cell is
// cleared as an edit clears it.
void pasteGridClip(CellTable& gData, int dataRows, const GridRange& range, const std::string& text);

// Clears every cell of the range.
void eraseGridRange(CellTable& gData, int dataRows, const GridRange& range);

} // namespace vc
