#include "workstation/core/windows/FGCont.h"

#include "workstation/core/MainWindowGeometry.h"

#include <QHeaderView>

namespace ws {

namespace {

struct ColumnLook {
    const char* title;
    int twips;
};

constexpr ColumnLook kColumns[] = {
    {"CSV Column", 1095}, {"Min Value", 960}, {"Max Value", 960}, {"Talvor Code", 1170}};

} // namespace

ContGridModel::ContGridModel(QObject* parent) : TextTableModel(parent) {}

void ContGridModel::setCells(const ContGridData& cells) {
    beginResetModel();
    cells_ = cells;
    endResetModel();
}

int ContGridModel::rows() const {
    return kContGridRows;
}

int ContGridModel::columns() const {
    return static_cast<int>(std::size(kColumns));
}

std::string ContGridModel::text(int row, int column) const {
    return cells_.cells[static_cast<std::size_t>(row + 1)][static_cast<std::size_t>(column)];
}

void ContGridModel::setText(int row, int column, const std::string& text) {
    cells_.cells[static_cast<std::size_t>(row + 1)][static_cast<std::size_t>(column)] = text;
}

QVariant ContGridModel::columnTitle(int column) const {
    return QString::fromLatin1(kColumns[column].title);
}

FGCont::FGCont(QWidget* parent) : QTableView(parent), model_(new ContGridModel(this)) {
    setObjectName(QStringLiteral("FGCont"));
    setModel(model_);
    for (int column = 0; column < static_cast<int>(std::size(kColumns)); ++column) {
        setColumnWidth(column, toPixels(kColumns[column].twips));
    }
    horizontalHeader()->setHighlightSections(false);
    // Rows as tall as a line of text, and enough of them in view to edit a set of rules.
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setMinimumHeight(horizontalHeader()->sizeHint().height() + 8 * verticalHeader()->defaultSectionSize());
}

} // namespace ws
