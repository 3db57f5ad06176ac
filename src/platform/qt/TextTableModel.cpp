#include "platform/qt/TextTableModel.h"

#include "platform/qt/TextBridge.h"

namespace platform::qt {

void TextTableModel::reload() {
    beginResetModel();
    endResetModel();
}

int TextTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows();
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns();
}

bool TextTableModel::holds(const QModelIndex& index) const {
    return index.isValid() && index.model() == this && index.row() >= 0 && index.row() < rows() &&
           index.column() >= 0 && index.column() < columns();
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
    if (!holds(index) || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    return toDisplay(text(index.row(), index.column()));
}

bool TextTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!holds(index) || role != Qt::EditRole || !editable(index.row(), index.column())) {
        return false;
    }
    setText(index.row(), index.column(), fromDisplay(value.toString()));
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section >= 0 && section < rows() ? rowTitle(section) : QVariant();
    }
    return section >= 0 && section < columns() ? columnTitle(section) : QVariant();
}

Qt::ItemFlags TextTableModel::flags(const QModelIndex& index) const {
    if (!holds(index)) {
        return Qt::NoItemFlags;
    }
    const Qt::ItemFlags base = QAbstractTableModel::flags(index);
    return editable(index.row(), index.column()) ? base | Qt::ItemIsEditable : base;
}

bool TextTableModel::editable(int, int) const {
    return true;
}

QVariant TextTableModel::rowTitle(int row) const {
    return row + 1;
}

} // namespace platform::qt
