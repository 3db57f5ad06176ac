#include "videocoder/core/windows/CodeFrmModels.h"

#include "platform/qt/TextBridge.h"

#include <QComboBox>

namespace vc {

void CodeTableModel::setHeaders(const std::array<std::string, 3>& headers) {
    for (std::size_t column = 0; column < headers.size(); ++column) {
        headers_[column] = platform::toDisplay(headers[column]);
    }
    emit headerDataChanged(Qt::Horizontal, 0, 2);
}

void CodeTableModel::reload() {
    beginResetModel();
    endResetModel();
}

int CodeTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !editor_.loaded() ? 0 : editor_.table().rows();
}

int CodeTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant CodeTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole) || index.row() >= rowCount()) {
        return {};
    }
    return platform::toDisplay(editor_.table().cell(index.column() + 1, index.row() + 1).asText());
}

bool CodeTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.row() >= rowCount()) {
        return false;
    }
    editor_.table().cell(index.column() + 1, index.row() + 1) =
        textfile::Value::ofText(platform::fromDisplay(value.toString()));
    emit dataChanged(index, index);
    return true;
}

QVariant CodeTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Horizontal) {
        return section >= 0 && section < 3 ? QVariant(headers_[static_cast<std::size_t>(section)])
                                           : QVariant();
    }
    return section + 1;
}

Qt::ItemFlags CodeTableModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags base = QAbstractTableModel::flags(index);
    return index.isValid() ? base | Qt::ItemIsEditable : base;
}

void GroupGridModel::reload() {
    beginResetModel();
    endResetModel();
}

int GroupGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kBoundGroupNames;
}

int GroupGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant GroupGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    if (index.column() == 0) {
        return QStringLiteral("Group %1").arg(index.row());
    }
    return platform::toDisplay(editor_.groupDescription(index.row()));
}

bool GroupGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != 1 || role != Qt::EditRole) {
        return false;
    }
    editor_.setGroupDescription(index.row(), platform::fromDisplay(value.toString()));
    emit dataChanged(index, index);
    return true;
}

QVariant GroupGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
        return {};
    }
    return section == 0 ? QStringLiteral("Column") : QStringLiteral("Description (optional)");
}

Qt::ItemFlags GroupGridModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags base = QAbstractTableModel::flags(index);
    return index.isValid() && index.column() == 1 ? base | Qt::ItemIsEditable : base;
}

QWidget* GroupListDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex&) const {
    auto* list = new QComboBox(parent);
    list->setObjectName(QStringLiteral("groupList"));
    list->addItems(entries_);
    return list;
}

void GroupListDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* list = static_cast<QComboBox*>(editor);
    list->setCurrentIndex(list->findText(index.data(Qt::EditRole).toString()));
}

void GroupListDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                     const QModelIndex& index) const {
    auto* list = static_cast<QComboBox*>(editor);
    if (list->currentIndex() >= 0) {
        model->setData(index, list->currentText(), Qt::EditRole);
    }
}

} // namespace vc
