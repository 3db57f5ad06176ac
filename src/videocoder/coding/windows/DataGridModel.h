#pragma once
// The coding grid's rows as a table model over gData: grid column c shows gData column
// c + 1, titles come from the GridLayout that RefreshDataGrid dresses. Cells edit as text;
// a cell cleared becomes Null, as the grid control leaves it.

#include "videocoder/core/CodingWindow.h"
#include "videocoder/core/Globals.h"

#include <QAbstractTableModel>

namespace vc {

class DataGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    DataGridModel(DataTable& data, const GridLayout& layout, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // gData was replaced or re-dressed under the model.
    void reload();
    // Only the cells of one row (from 0) changed; false when the table's shape changed too,
    // and nothing was drawn.
    bool reloadRow(int row);

private:
    bool held(const QModelIndex& index) const;

    DataTable& data_;
    const GridLayout& layout_;
    // The shape the view last saw.
    int shownRows_ = 0;
    int shownColumns_ = 0;
};

} // namespace vc
