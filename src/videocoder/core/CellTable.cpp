#include "videocoder/core/CellTable.h"

#include "textfile/RunError.h"

namespace vc {

void CellTable::reset(int columns, int rows) {
    if (columns < 0 || rows < 0) {
        throw textfile::RunError(textfile::kSubscriptOutOfRange);
    }
    columns_ = columns;
    cells_.assign(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), textfile::Value{});
}

void CellTable::resizeRows(int rows) {
    if (rows < 0) {
        throw textfile::RunError(textfile::kSubscriptOutOfRange);
    }
    cells_.resize(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows));
}

void CellTable::addRow() {
    cells_.resize(cells_.size() + static_cast<std::size_t>(columns_));
}

void CellTable::reserveRows(std::size_t rows) {
    cells_.reserve(rows * static_cast<std::size_t>(columns_));
}

std::size_t CellTable::indexOf(int column, int row) const {
    if (column < 1 || column > columns_ || row < 1 || row > rows()) {
        throw textfile::RunError(textfile::kSubscriptOutOfRange);
    }
    return static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(columns_) +
           static_cast<std::size_t>(column - 1);
}

textfile::Value& CellTable::at(int column, int row) {
    return cells_[indexOf(column, row)];
}

const textfile::Value& CellTable::at(int column, int row) const {
    return cells_[indexOf(column, row)];
}

} // namespace vc
