#include "videocoder/coding/windows/PickListDelegate.h"

#include "platform/qt/TextBridge.h"

#include <QComboBox>

namespace vc {

QStringList pickListItems(const std::string& comboList) {
    QStringList items;
    std::size_t from = 0;
    while (from < comboList.size()) {
        const std::size_t bar = comboList.find('|', from);
        const std::size_t end = bar == std::string::npos ? comboList.size() : bar;
        items.append(platform::toDisplay(comboList.substr(from, end - from)));
        from = end + 1;
    }
    return items;
}

PickListDelegate::PickListDelegate(const GridLayout& layout, QObject* parent)
    : QStyledItemDelegate(parent), layout_(layout) {}

QWidget* PickListDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    if (index.column() < 0 || index.column() >= kGridColumns || layout_[index.column()].comboList.empty()) {
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
    auto* combo = new QComboBox(parent);
    combo->setObjectName("FG1 pick list");
    combo->addItems(pickListItems(layout_[index.column()].comboList));
    return combo;
}

void PickListDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* combo = qobject_cast<QComboBox*>(editor);
    if (combo == nullptr) {
        QStyledItemDelegate::setEditorData(editor, index);
        return;
    }
    const QString text = index.data(Qt::EditRole).toString();
    const int found = combo->findText(text);
    // A cell holding text the list lacks keeps it until another item is chosen.
    if (found < 0 && !text.isEmpty()) {
        combo->insertItem(0, text);
        combo->setCurrentIndex(0);
    } else {
        combo->setCurrentIndex(found);
    }
}

void PickListDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
    auto* combo = qobject_cast<QComboBox*>(editor);
    if (combo == nullptr) {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    if (combo->currentIndex() >= 0) {
        model->setData(index, combo->currentText(), Qt::EditRole);
    }
}

} // namespace vc
