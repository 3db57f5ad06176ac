#pragma once
// The coding window DataFrm: menus, toolbar Tb1, tabs TS1 over the header panel and the data
// panel (the grid FG1 with its pick lists, the code list List1 and "Add Code"). Every event
// goes to the DataFrm controller behind one guard; this class shows what it asks. Menu
// shortcuts act wherever the focus is in the window, a cell editor included.

#include "platform/Platform.h"
#include "videocoder/coding/DataFrm.h"
#include "videocoder/coding/DataFrmView.h"
#include "videocoder/coding/GridKeyEvents.h"
#include "videocoder/coding/PlayerLinks.h"
#include "videocoder/coding/windows/DataGridModel.h"
#include "videocoder/core/CoderLinks.h"
#include "videocoder/core/Globals.h"

#include <QKeySequence>
#include <QMainWindow>

#include <map>
#include <string>
#include <vector>

class QAction;
class QCloseEvent;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTableView;
class QTimer;
class QToolBar;

namespace vc {

class GridKeyAdapter;
class HeaderPanel;
class PickListDelegate;

class DataFrmWindow : public QMainWindow, public DataFrmView, private GridKeyEvents {
    Q_OBJECT

public:
    DataFrmWindow(Globals& g, platform::Platform& p, const PlayerLinks& players, QWidget* parent = nullptr);
    ~DataFrmWindow() override;

    // The core's port: the coding window model is built over it.
    DataFrm& controller() { return controller_; }
    // The links are built over the model, so they come after this window.
    void attach(CoderLinks& links, CommandLinks commandLinks);

    QAction* menuItem(const std::string& name) const;
    QToolBar* Tb1() const { return toolbar_; }
    QAction* toolbarButton(int index) const;
    QTabWidget* TS1() const { return tabs_; }
    HeaderPanel* header() const { return header_; }
    QWidget* dataPanel() const { return dataPanel_; }
    QTableView* FG1() const { return grid_; }
    QListWidget* List1() const { return codeList_; }
    QPushButton* AddCodeBtn() const { return addCode_; }
    QTimer* AutoSaveTimer() const { return autoSaveTimer_; }
    DataGridModel* gridModel() const { return model_; }

    // DataFrmView
    void showWindow() override;
    void hideWindow() override;
    void setCaption(const std::string& caption) override;
    void setLeft(double twips) override;
    void setTop(double twips) override;
    void setHeight(double twips) override;
    void setWidth(double twips) override;
    TwipsRect geometry() const override;
    bool minimisedOrMaximised() const override;
    bool dialogOpen() const override;
    double toolbarHeight() const override;
    double buttonHeight() const override;
    void place(DataFrmControl control, const TwipsRect& rect) override;
    void setControlVisible(DataFrmControl control, bool visible) override;
    void setPanelVisible(int panel, bool visible) override;
    void selectTab(int tab) override;
    void showHeader() override;
    void setLengthCaption(const std::string& caption) override;
    void bindGrid() override;
    void redrawGrid() override;
    void redrawRow(int row) override;
    void autoSize(int first, int last) override;
    int row() const override;
    int col() const override;
    void setRow(int row) override;
    void setCol(int col) override;
    std::vector<int> selectedRows() const override;
    GridRange selection() const override;
    void select(int row, int col) override;
    std::string clip() const override;
    void setClip(const std::string& text) override;
    void setRowHidden(int row, bool hidden) override;
    bool rowHidden(int row) const override;
    void setSelectionMode(int mode) override;
    int selectionMode() const override;
    void setCodeList(const std::vector<std::string>& items) override;
    std::vector<int> selectedCodeItems() const override;
    void deselectCodeItem(int item) override;
    std::string menuCaption(const std::string& item) const override;
    void setMenuCaption(const std::string& item, const std::string& caption) override;
    void setMenuChecked(const std::string& item, bool checked) override;
    bool menuChecked(const std::string& item) const override;
    void setAutoSave(bool enabled, int milliseconds) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildToolbar(QWidget* client);
    void buildPanels(QWidget* client);
    void wireHeader();
    void run(const std::function<void()>& handler);
    QWidget* widgetOf(DataFrmControl control) const;
    bool mayOverrideShortcut(QObject* watched, QEvent* event) const;
    // The grid's keys, from its key adapter to the controller behind the guard.
    void FG1_KeyDown(int keyCode, int shift) override;
    void FG1_KeyPress(int& keyAscii) override;
    void FG1_KeyUp(int keyCode, int shift) override;
    void keepKeyUpMoment(bool keep) override;

    Globals& g_;
    DataFrm controller_;
    std::map<std::string, QAction*> actions_;
    std::vector<QKeySequence> shortcuts_;
    std::vector<QAction*> toolbarButtons_;
    QToolBar* toolbar_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    HeaderPanel* header_ = nullptr;
    QWidget* dataPanel_ = nullptr;
    QTableView* grid_ = nullptr;
    QListWidget* codeList_ = nullptr;
    QPushButton* addCode_ = nullptr;
    QTimer* autoSaveTimer_ = nullptr;
    DataGridModel* model_ = nullptr;
    PickListDelegate* delegate_ = nullptr;
    GridKeyAdapter* keyAdapter_ = nullptr;
    int selectionMode_ = 0;
    bool closing_ = false;
};

} // namespace vc
