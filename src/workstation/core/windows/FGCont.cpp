#include "workstation/core/windows/FGCont.h"

#include "platform/qt/TextBridge.h"
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

ContGridModel::ContGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void ContGridModel::setCells(const ContGridData& cells) {
    beginResetModel();
    cells_ = cells;
    endResetModel();
}

int ContGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kContGridRows;
}

int ContGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(std::size(kColumns));
}

const std::string* ContGridModel::cellAt(const QModelIndex& index) const {
    if (!index.isValid() || index.row() < 0 || index.row() >= kContGridRows || index.column() < 0 ||
        index.column() >= columnCount()) {
        return nullptr;
    }
    return &cells_.cells[static_cast<std::size_t>(index.row() + 1)][static_cast<std::size_t>(index.column())];
}

std::string* ContGridModel::cellAt(const QModelIndex& index) {
    return const_cast<std::string*>(std::as_const(*this).cellAt(index));
}

QVariant ContGridModel::data(const QModelIndex& index, int role) const {
    const std::string* cell = cellAt(index);
    if (cell == nullptr || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    return platform::toDisplay(*cell);
}

bool ContGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    std::string* cell = cellAt(index);
    if (cell == nullptr || role != Qt::EditRole) {
        return false;
    }
    *cell = platform::fromDisplay(value.toString());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

QVariant ContGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    if (section < 0 || section >= columnCount()) {
        return {};
    }
    return QString::fromLatin1(kColumns[section].title);
}

Qt::ItemFlags ContGridModel::flags(const QModelIndex& index) const {
    if (cellAt(index) == nullptr) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
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
