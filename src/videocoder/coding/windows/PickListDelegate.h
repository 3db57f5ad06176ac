#pragma once
// The coding grid's cell editors: a column with a pick list (GridLayout's comboList, items
// followed by "|") edits through a drop-down of its items; any other column as text.

#include "videocoder/core/CodingWindow.h"

#include <QStringList>
#include <QStyledItemDelegate>

namespace vc {

// The items of a pick list: "A|B| |" gives A, B and a blank.
QStringList pickListItems(const std::string& comboList);

class PickListDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    PickListDelegate(const GridLayout& layout, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    const GridLayout& layout_;
};

} // namespace vc
