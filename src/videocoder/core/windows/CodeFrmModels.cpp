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

int CodeTableModel::rows() const {
    return editor_.loaded() ? editor_.table().rows() : 0;
}

std::string CodeTableModel::text(int row, int column) const {
    return editor_.table().cell(column + 1, row + 1).asText();
}

void CodeTableModel::setText(int row, int column, const std::string& text) {
    editor_.table().cell(column + 1, row + 1) = textfile::Value::ofText(text);
}

QVariant CodeTableModel::columnTitle(int column) const {
    return headers_[static_cast<std::size_t>(column)];
}

std::string GroupGridModel::text(int row, int column) const {
    return column == 0 ? "Group " + std::to_string(row) : editor_.groupDescription(row);
}

void GroupGridModel::setText(int row, int, const std::string& text) {
    editor_.setGroupDescription(row, text);
}

bool GroupGridModel::editable(int, int column) const {
    return column == 1;
}

QVariant GroupGridModel::columnTitle(int column) const {
    return column == 0 ? QStringLiteral("Column") : QStringLiteral("Description (optional)");
}

QVariant GroupGridModel::rowTitle(int) const {
    return {};
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
