#pragma once
// A two-dimensional table of values indexed from 1 as (column, row): the coded rows
// (`gData`) and the code set (`gCodes`, fields by codes) both live in one.

#include "textfile/Value.h"

#include <vector>

namespace vc {

class CellTable {
public:
    CellTable() = default;
    CellTable(int columns, int rows) { reset(columns, rows); }

    // A fresh table: every cell Empty.
    void reset(int columns, int rows);
    // Keeps the cells of the rows that remain; new rows are Empty.
    void resizeRows(int rows);
    // One more Empty row at the end; rows are made as they are read, so a count taken
    // from a file never reserves memory by itself.
    void addRow();
    // Room for this many rows without moving the cells again; the rows stay as they are.
    void reserveRows(std::size_t rows);
    // The rows the table can hold before its cells move.
    std::size_t rowCapacity() const {
        return columns_ == 0 ? 0 : cells_.capacity() / static_cast<std::size_t>(columns_);
    }

    int columns() const { return columns_; }
    int rows() const { return columns_ == 0 ? 0 : static_cast<int>(cells_.size()) / columns_; }

    // Throws RunError 9 outside 1..columns, 1..rows.
    textfile::Value& at(int column, int row);
    const textfile::Value& at(int column, int row) const;
    // The cells of one row, columns 1..columns() at [0..columns()-1]; RunError 9 outside 1..rows.
    textfile::Value* row(int row) { return &at(1, row); }
    const textfile::Value* row(int row) const { return &at(1, row); }

    bool operator==(const CellTable&) const = default;

private:
    std::size_t indexOf(int column, int row) const;

    int columns_ = 0;
    std::vector<textfile::Value> cells_; // row by row
};

} // namespace vc
