#pragma once
// The code-set editor's two grids as item models over the editor: the codes (rows of the
// bound table, three columns, every value typed or picked kept as text) and the group
// descriptions (49 rows, "Group n" and its description).

#include "videocoder/core/CodeEditor.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QStyledItemDelegate>

#include <array>

namespace vc {

class CodeTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CodeTableModel(CodeEditor& editor, QObject* parent = nullptr)
        : QAbstractTableModel(parent), editor_(editor) {}

    void setHeaders(const std::array<std::string, 3>& headers);
    // The table's rows may have been replaced or resized.
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    CodeEditor& editor_;
    std::array<QString, 3> headers_;
};

class GroupGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GroupGridModel(CodeEditor& editor, QObject* parent = nullptr)
        : QAbstractTableModel(parent), editor_(editor) {}

    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    CodeEditor& editor_;
};

// The group column's drop-down list: pick one of the entries.
class GroupListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setEntries(const QStringList& entries) { entries_ = entries; }
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    QStringList entries_;
};

} // namespace vc
