#include "videocoder/core/CellTable.h"

#include "textfile/RunError.h"

#include <algorithm>

namespace vc {

namespace {

const textfile::Value kNoCell{};

} // namespace

void CellTable::reset(int columns, int rows, int stored) {
    if (columns < 0 || rows < 0 || stored < 0) {
        throw textfile::RunError(textfile::kSubscriptOutOfRange);
    }
    columns_ = columns;
    stored_ = stored == 0 ? columns : std::min(stored, columns);
    cells_.assign(static_cast<std::size_t>(stored_) * static_cast<std::size_t>(rows), textfile::Value{});
}

void CellTable::storeColumns(int stored) {
    stored = std::min(stored, columns_);
    if (stored <= stored_) {
        return;
    }
    const auto rowCount = static_cast<std::size_t>(rows());
    std::vector<textfile::Value> wider(rowCount * static_cast<std::size_t>(stored));
    for (std::size_t row = 0; row < rowCount; ++row) {
        std::move(cells_.begin() + static_cast<std::ptrdiff_t>(row * static_cast<std::size_t>(stored_)),
                  cells_.begin() + static_cast<std::ptrdiff_t>((row + 1) * static_cast<std::size_t>(stored_)),
                  wider.begin() + static_cast<std::ptrdiff_t>(row * static_cast<std::size_t>(stored)));
    }
    cells_ = std::move(wider);
    stored_ = stored;
}

void CellTable::resizeRows(int rows) {
    if (rows < 0) {
        throw textfile::RunError(textfile::kSubscriptOutOfRange);
    }
    cells_.resize(static_cast<std::size_t>(stored_) * static_cast<std::size_t>(rows));
}

void CellTable::addRow() {
    cells_.resize(cells_.size() + static_cast<std::size_t>(stored_));
}

void CellTable::insertRow(int row) {
    if (row < 1 || row > rows() + 1) {
        throw textfile::RunError(textfile::kSubscriptOutOfRange);
    }
    const auto at = cells_.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(row - 1) *
                                                                 static_cast<std::size_t>(stored_));
    cells_.insert(at, static_cast<std::size_t>(stored_), textfile::Value{});
}

void CellTable::eraseRows(const std::vector<bool>& flags) {
    if (flags.size() != static_cast<std::size_t>(rows())) {
        throw textfile::RunError(textfile::kSubscriptOutOfRange);
    }
    const auto width = static_cast<std::ptrdiff_t>(stored_);
    auto kept = cells_.begin();
    for (std::size_t row = 0; row < flags.size(); ++row) {
        const auto from = cells_.begin() + static_cast<std::ptrdiff_t>(row) * width;
        if (!flags[row]) {
            if (kept != from) {
                std::move(from, from + width, kept);
            }
            kept += width;
        }
    }
    cells_.erase(kept, cells_.end());
}

void CellTable::reserveRows(std::size_t rows) {
    cells_.reserve(rows * static_cast<std::size_t>(stored_));
}

bool CellTable::operator==(const CellTable& other) const {
    if (columns_ != other.columns_ || rows() != other.rows()) {
        return false;
    }
    for (int row = 1; row <= rows(); ++row) {
        for (int column = 1; column <= columns_; ++column) {
            if (!(at(column, row) == other.at(column, row))) {
                return false;
            }
        }
    }
    return true;
}

std::size_t CellTable::indexOf(int column, int row) const {
    if (column < 1 || column > columns_ || row < 1 || row > rows()) {
        throw textfile::RunError(textfile::kSubscriptOutOfRange);
    }
    return static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(stored_) +
           static_cast<std::size_t>(column - 1);
}

textfile::Value& CellTable::at(int column, int row) {
    indexOf(1, row);
    if (column > stored_ && column <= columns_) {
        storeColumns(column);
    }
    return cells_[indexOf(column, row)];
}

const textfile::Value& CellTable::at(int column, int row) const {
    if (column > stored_ && column <= columns_) {
        indexOf(1, row);
        return kNoCell;
    }
    return cells_[indexOf(column, row)];
}

} // namespace vc
