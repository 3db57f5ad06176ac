#include "videocoder/coding/windows/DataGridModel.h"

#include "platform/qt/TextBridge.h"
#include "textfile/NumberText.h"

#include <algorithm>
#include <utility>

namespace vc {

DataGridModel::DataGridModel(DataTable& data, const GridLayout& layout, QObject* parent)
    : QAbstractTableModel(parent), data_(data), layout_(layout), shownRows_(data.gData.rows()),
      shownColumns_(data.gData.columns()) {}

int DataGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

int DataGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownColumns_;
}

// gData may have lost rows since the view last asked (a command that yields before it
// refreshes): such cells read as nothing until the reload.
bool DataGridModel::held(const QModelIndex& index) const {
    return index.row() < data_.gData.rows() && index.column() < data_.gData.columns();
}

QVariant DataGridModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || !held(index) ||
        (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    // Read only: showing a column a row holds no cell for must not make one. A text is shown
    // from where the table holds it, without a copy.
    const CellTable& table = data_.gData;
    const int column = index.column();
    if (column >= table.storedColumns()) {
        return platform::toDisplay({}); // a column the row holds no cell for: Empty
    }
    const CellTable::RowCells cells = table.rowCells(index.row() + 1);
    if (cells.kind(column) == textfile::Value::Kind::Number) {
        return platform::toDisplay(textfile::doubleText(cells.number(column)));
    }
    return platform::toDisplay(cells.text(column));
}

bool DataGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || !held(index) || role != Qt::EditRole) {
        return false;
    }
    const std::string text = platform::fromDisplay(value.toString());
    data_.gData.at(index.column() + 1, index.row() + 1) =
        text.empty() ? textfile::Value::null() : textfile::Value::ofText(text);
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags DataGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

QVariant DataGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    if (section < 0 || section >= kGridColumns) {
        return {};
    }
    return platform::toDisplay(layout_[section].title);
}

bool DataGridModel::reloadRow(int row) {
    if (data_.gData.rows() != shownRows_ || data_.gData.columns() != shownColumns_) {
        return false;
    }
    if (row >= 0 && row < shownRows_ && shownColumns_ > 0) {
        emit dataChanged(index(row, 0), index(row, shownColumns_ - 1), {Qt::DisplayRole, Qt::EditRole});
    }
    return true;
}

void DataGridModel::reload() {
    const int rows = data_.gData.rows();
    const int columns = data_.gData.columns();
    // The same shape: the cells and titles are drawn again and the view keeps its current
    // cell and selection.
    if (rows == shownRows_ && columns == shownColumns_) {
        if (rows > 0 && columns > 0) {
            emit dataChanged(index(0, 0), index(rows - 1, columns - 1), {Qt::DisplayRole, Qt::EditRole});
        }
        emit headerDataChanged(Qt::Horizontal, 0, std::max(0, columns - 1));
        return;
    }
    beginResetModel();
    shownRows_ = rows;
    shownColumns_ = columns;
    endResetModel();
}

} // namespace vc
