#pragma once
// The continuous-variable rules as the options dialog edits them: a table of free-text cells,
// rows 1 to 99 of the rule grid under the titles "CSV Column", "Min Value", "Max Value" and
// "Talvor Code".

#include "platform/qt/TextTableModel.h"
#include "workstation/core/ContGrid.h"

#include <QTableView>

namespace ws {

class ContGridModel : public platform::qt::TextTableModel {
    Q_OBJECT

public:
    explicit ContGridModel(QObject* parent = nullptr);

    // The grid's own cells; row r of the model is rule row r + 1.
    const ContGridData& cells() const { return cells_; }
    void setCells(const ContGridData& cells);

private:
    int rows() const override;
    int columns() const override;
    std::string text(int row, int column) const override;
    void setText(int row, int column, const std::string& text) override;
    QVariant columnTitle(int column) const override;

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
