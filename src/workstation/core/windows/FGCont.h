#pragma once
// The continuous-variable rules as the options dialog edits them: a table of free-text cells,
// rows 1 to 99 of the rule grid under the titles "CSV Column", "Min Value", "Max Value" and
// "Talvor Code".

#include "workstation/core/ContGrid.h"

#include <QAbstractTableModel>
#include <QTableView>

namespace ws {

class ContGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ContGridModel(QObject* parent = nullptr);

    // The grid's own cells; row r of the model is rule row r + 1.
    const ContGridData& cells() const { return cells_; }
    void setCells(const ContGridData& cells);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    std::string* cellAt(const QModelIndex& index);
    const std::string* cellAt(const QModelIndex& index) const;

    ContGridData cells_;
};

class FGCont : public QTableView {
    Q_OBJECT

public:
    explicit FGCont(QWidget* parent = nullptr);

    ContGridModel& model() { return *model_; }
    const ContGridModel& model() const { return *model_; }

private:
    ContGridModel* model_;
};

} // namespace ws
