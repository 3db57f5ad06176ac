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

    // A fresh table: every cell Empty. Each row holds cells for its first `stored` columns
    // only (every column when 0): the columns past them read as Empty, and a row costs the
    // memory of the cells a file gives it, not of every column the table could show.
    void reset(int columns, int rows, int stored = 0);
    // Every row holds cells for at least its first `stored` columns (at most all of them).
    void storeColumns(int stored);
    // Keeps the cells of the rows that remain; new rows are Empty.
    void resizeRows(int rows);
    // One more Empty row at the end; rows are made as they are read, so a count taken
    // from a file never reserves memory by itself.
    void addRow();
    // An Empty row at `row` (1..rows()+1), the rows from it moving down one.
    void insertRow(int row);
    // Removes the rows whose flag is set (flags[0] for row 1), the others keeping their
    // order, in one pass; RunError 9 when the flags do not cover the rows.
    void eraseRows(const std::vector<bool>& flags);
    // Room for this many rows without moving the cells again; the rows stay as they are.
    void reserveRows(std::size_t rows);
    // The rows the table can hold before its cells move.
    std::size_t rowCapacity() const {
        return stored_ == 0 ? 0 : cells_.capacity() / static_cast<std::size_t>(stored_);
    }

    int columns() const { return columns_; }
    // The columns whose cells each row holds, 1..storedColumns().
    int storedColumns() const { return stored_; }
    int rows() const {
        return stored_ == 0 ? 0 : static_cast<int>(cells_.size() / static_cast<std::size_t>(stored_));
    }

    // Throws RunError 9 outside 1..columns, 1..rows. A cell past the stored columns reads as
    // Empty; taken for writing, it makes every row hold cells up to its column.
    textfile::Value& at(int column, int row);
    const textfile::Value& at(int column, int row) const;
    // The stored cells of one row, columns 1..storedColumns() at [0..storedColumns()-1];
    // RunError 9 outside 1..rows.
    textfile::Value* row(int row) { return &cells_[indexOf(1, row)]; }
    const textfile::Value* row(int row) const { return &cells_[indexOf(1, row)]; }

    // Equal columns, rows and cells, however many columns each row stores.
    bool operator==(const CellTable& other) const;

private:
    std::size_t indexOf(int column, int row) const;

    int columns_ = 0;
    int stored_ = 0;                     // cells per row; 1..columns_ when columns_ > 0
    std::vector<textfile::Value> cells_; // row by row
};

} // namespace vc
