#pragma once
// A table model over cells held as bytes: the subclass says how many rows and columns there
// are, what each cell and title holds and which cells take edits; the model does the item
// model's side of it (ranges, roles, the bytes shown as text and edits taken back as bytes).

#include <QAbstractTableModel>

#include <string>

namespace platform::qt {

class TextTableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // The cells may have been replaced or resized.
    void reload();

    int rowCount(const QModelIndex& parent = {}) const final;
    int columnCount(const QModelIndex& parent = {}) const final;
    QVariant data(const QModelIndex& index, int role) const final;
    bool setData(const QModelIndex& index, const QVariant& value, int role) final;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const final;
    Qt::ItemFlags flags(const QModelIndex& index) const final;

protected:
    virtual int rows() const = 0;
    virtual int columns() const = 0;
    // Row and column from 0, always within rows() and columns().
    virtual std::string text(int row, int column) const = 0;
    virtual void setText(int row, int column, const std::string& text) = 0;
    virtual bool editable(int row, int column) const;
    virtual QVariant columnTitle(int column) const = 0;
    // The row's number from 1 unless the subclass says otherwise.
    virtual QVariant rowTitle(int row) const;

private:
    bool holds(const QModelIndex& index) const;
};

} // namespace platform::qt
