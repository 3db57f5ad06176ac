#include "workstation/sequential/windows/CountGrid.h"

#include <QHeaderView>

namespace ws {

CountGrid::CountGrid(QWidget* parent) : QTableWidget(2, 2, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
            setItem(row, column, new QTableWidgetItem);
        }
    }
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int width = 2 * columnWidth(0) + 2 * frameWidth();
    const int height = 2 * rowHeight(0) + 2 * frameWidth();
    setFixedSize(width, height);
}

void CountGrid::endEdit() {
    if (state() == QAbstractItemView::EditingState) {
        // The open editor is the one child of the viewport that is a widget of its own.
        for (QWidget* editor : viewport()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
    setCurrentCell(0, 0);
}

} // namespace ws
