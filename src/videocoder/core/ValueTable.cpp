#include "videocoder/core/ValueTable.h"

#include "textfile/RunError.h"

namespace vc {

void ValueTable::reset(int columns, int rows) {
    if (columns < 0 || rows < 0) {
        throw textfile::RunError(textfile::kSubscriptOutOfRange);
    }
    columns_ = columns;
    cells_.assign(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), textfile::Value{});
}

void ValueTable::resizeRows(int rows) {
    if (rows < 0) {
        throw textfile::RunError(textfile::kSubscriptOutOfRange);
    }
    cells_.resize(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows));
}

std::size_t ValueTable::indexOf(int column, int row) const {
    if (column < 1 || column > columns_ || row < 1 || row > rows()) {
        throw textfile::RunError(textfile::kSubscriptOutOfRange);
    }
    return static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(columns_) +
           static_cast<std::size_t>(column - 1);
}

} // namespace vc
