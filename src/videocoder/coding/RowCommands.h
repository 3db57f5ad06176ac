#pragma once
// The row commands of the coding window on gData: append (11), insert at the current row
// (9), delete the current row (8) and delete the selected rows (206). A row moves with
// all its columns; the table never ends empty. With fixed-interval coding on, a new row's
// time lies gIntSeconds from its neighbour's, counted in frames where the player works in
// frames.

#include "videocoder/core/Globals.h"

#include <functional>
#include <string>
#include <vector>

namespace vc {

// Interval times for the player in use.
struct IntervalTimes {
    const VideoSettings& settings;
    bool inFrames = false;

    // The time `offset` (seconds, or frames) away from a neighbour's time.
    std::string from(const std::string& neighbour, double offset) const;
    // A first row's time: the interval itself.
    std::string first() const;
};

// 11: one empty row at the end (timed when gIntMode is on).
void appendRow(DataTable& data, const IntervalTimes& times);
// 9: an empty row at `row`, which must be a data row (1..rows); false, and nothing
// changed, when there is no current data row.
bool insertRow(DataTable& data, int row, const IntervalTimes& times);
// 8: removes `row`; false, and nothing changed, when it is below 1.
bool deleteRow(DataTable& data, int row);
// 206: removes every row the grid has selected, in one pass.
void deleteRows(DataTable& data, const std::vector<int>& selected);

} // namespace vc
