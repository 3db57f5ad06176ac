#include "videocoder/coding/windows/DataGridModel.h"

#include "platform/qt/TextBridge.h"

#include <utility>

namespace vc {

DataGridModel::DataGridModel(DataTable& data, const GridLayout& layout, QObject* parent)
    : QAbstractTableModel(parent), data_(data), layout_(layout) {}

int DataGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : data_.gData.rows();
}

int DataGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : data_.gData.columns();
}

QVariant DataGridModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) ||
        (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    // Read only: showing a column a row holds no cell for must not make one.
    return platform::toDisplay(std::as_const(data_.gData).at(index.column() + 1, index.row() + 1).asText());
}

bool DataGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::EditRole) {
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

void DataGridModel::reload() {
    beginResetModel();
    endResetModel();
}

} // namespace vc
