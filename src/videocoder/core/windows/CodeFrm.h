#pragma once
// The code-set editor window: the codes grid Fg2 and the group grid Fg3 on the tab strip
// TabStrip1, the toolbar Toolbar1 and the File and Data menus, over the CodeEditor logic.
// A dialog, so that the workstation can show it modally and the video coder modeless.

#include "platform/Dialogs.h"
#include "videocoder/core/CodeEditor.h"

#include <QDialog>

#include <functional>
#include <string>

class QMenuBar;
class QTableView;
class QTabWidget;
class QToolBar;

namespace vc {

class CodeTableModel;
class GroupGridModel;

class CodeFrm : public QDialog, public CodeEditorView {
    Q_OBJECT
public:
    CodeFrm(CodeEditor& editor, platform::Dialogs& dialogs, QWidget* parent = nullptr);
    ~CodeFrm() override;

    CodeEditor& editor() { return editor_; }
    // Runs a handler; a failure it did not expect is shown in a box and the window goes on.
    void guarded(const std::function<void()>& handler);

    int currentRow() const override;
    int currentField() const override;
    void setCurrentRow(int row) override;
    void commitEdit() override;
    void refreshCodes() override;
    void refreshGroups() override;
    void setCaption(const std::string& caption) override;
    void dressGrids(const std::array<std::string, 3>& headers, const std::string& groupList) override;
    void place(const EditorGeometry& geometry) override;
    void centre() override;
    EditorGeometry geometry() const override;
    bool normalState() const override;
    void closeWindow() override;

    // Esc closes the window the way its close box does, through the unload.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();

    CodeEditor& editor_;
    platform::Dialogs& dialogs_;
    QMenuBar* menuBar_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableView* fg2_ = nullptr;
    QTableView* fg3_ = nullptr;
    CodeTableModel* codes_ = nullptr;
    GroupGridModel* groups_ = nullptr;
};

} // namespace vc
