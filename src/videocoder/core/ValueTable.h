#pragma once
// The code set's fields by codes (`gCodes`), indexed from 1 as (field, code): a few hundred
// values, held plainly so that the code-set editor edits each one in place.

#include "textfile/Value.h"

#include <vector>

namespace vc {

class ValueTable {
public:
    ValueTable() = default;
    ValueTable(int columns, int rows) { reset(columns, rows); }

    // A fresh table: every cell Empty.
    void reset(int columns, int rows);
    // Keeps the cells of the rows that remain; new rows are Empty.
    void resizeRows(int rows);
    // One more Empty row at the end.
    void addRow() { resizeRows(rows() + 1); }

    int columns() const { return columns_; }
    int rows() const { return columns_ == 0 ? 0 : static_cast<int>(cells_.size()) / columns_; }

    // Throws RunError 9 outside 1..columns, 1..rows.
    textfile::Value& at(int column, int row) { return cells_[indexOf(column, row)]; }
    const textfile::Value& at(int column, int row) const { return cells_[indexOf(column, row)]; }

    bool operator==(const ValueTable&) const = default;

private:
    std::size_t indexOf(int column, int row) const;

    int columns_ = 0;
    std::vector<textfile::Value> cells_; // row by row
};

} // namespace vc
