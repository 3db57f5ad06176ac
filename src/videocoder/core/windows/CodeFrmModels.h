#pragma once
// The code-set editor's two grids as item models over the editor: the codes (rows of the
// bound table, three columns, every value typed or picked kept as text) and the group
// descriptions (49 rows, "Group n" and its description).

#include "platform/qt/TextTableModel.h"
#include "videocoder/core/CodeEditor.h"

#include <QStringList>
#include <QStyledItemDelegate>

#include <array>

namespace vc {

class CodeTableModel : public platform::qt::TextTableModel {
    Q_OBJECT
public:
    explicit CodeTableModel(CodeEditor& editor, QObject* parent = nullptr)
        : TextTableModel(parent), editor_(editor) {}

    void setHeaders(const std::array<std::string, 3>& headers);

private:
    int rows() const override;
    int columns() const override { return 3; }
    std::string text(int row, int column) const override;
    void setText(int row, int column, const std::string& text) override;
    QVariant columnTitle(int column) const override;

    CodeEditor& editor_;
    std::array<QString, 3> headers_;
};

class GroupGridModel : public platform::qt::TextTableModel {
    Q_OBJECT
public:
    explicit GroupGridModel(CodeEditor& editor, QObject* parent = nullptr)
        : TextTableModel(parent), editor_(editor) {}

private:
    int rows() const override { return kBoundGroupNames; }
    int columns() const override { return 2; }
    std::string text(int row, int column) const override;
    void setText(int row, int column, const std::string& text) override;
    bool editable(int row, int column) const override;
    QVariant columnTitle(int column) const override;
    QVariant rowTitle(int row) const override;

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
