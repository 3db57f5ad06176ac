#pragma once
// What the coding window's controller (DataFrm) asks of its window. Distances and sizes are
// twips; grid rows are the grid's own (0 the titles, r the data row r), grid columns too
// (column c shows gData column c + 1). Menu items are named by their controls ("MuteMnu",
// "gridsel(1)").

#include <string>
#include <vector>

namespace vc {

struct TwipsRect {
    double left = 0, top = 0, width = 0, height = 0;
};

// A range of grid cells, first and last row and column (grid numbering).
struct GridRange {
    int row1 = 0, col1 = 0, row2 = 0, col2 = 0;
};

// The controls the resize lays out.
enum class DataFrmControl { TS1, HeaderPanel, DataPanel, FG1, List1, AddCodeBtn };

class DataFrmView {
public:
    virtual ~DataFrmView() = default;

    // The window.
    virtual void showWindow() = 0;
    virtual void hideWindow() = 0;
    virtual void setCaption(const std::string& caption) = 0;
    virtual void setLeft(double twips) = 0;
    virtual void setTop(double twips) = 0;
    virtual void setHeight(double twips) = 0;
    virtual void setWidth(double twips) = 0;
    virtual TwipsRect geometry() const = 0;
    virtual bool minimisedOrMaximised() const = 0;
    // A message box or dialog is open over the program.
    virtual bool dialogOpen() const = 0;

    // Layout: the toolbar's and the "Add Code" button's heights; place throws a RunError
    // when the control cannot take the rectangle.
    virtual double toolbarHeight() const = 0;
    virtual double buttonHeight() const = 0;
    virtual void place(DataFrmControl control, const TwipsRect& rect) = 0;
    virtual void setControlVisible(DataFrmControl control, bool visible) = 0;

    // Tabs and panels: panel 0 the header, 1 the grid; tab 1 "File Info", 2 "Data".
    virtual void setPanelVisible(int panel, bool visible) = 0;
    virtual void selectTab(int tab) = 0;

    // The header panel: draws the coding window model's fields, boxes and buttons again.
    virtual void showHeader() = 0;
    virtual void setLengthCaption(const std::string& caption) = 0; // Label2

    // The grid FG1.
    virtual void bindGrid() = 0;   // BindToArray: the grid shows gData from now on
    virtual void redrawGrid() = 0; // Refresh: rows, titles, hidden columns, pick lists
    // Only the cells of one grid row changed, the row count as before.
    virtual void redrawRow(int row) = 0;
    virtual void autoSize(int first, int last) = 0;
    virtual int row() const = 0;
    virtual int col() const = 0;
    virtual void setRow(int row) = 0;
    virtual void setCol(int col) = 0;
    // Grid rows selected, in the order the grid lists them.
    virtual std::vector<int> selectedRows() const = 0;
    // FG1.GetSelection: the selected range, or the current cell alone; rows below 1 when
    // there is no current cell.
    virtual GridRange selection() const = 0;
    // FG1.Select: the cell becomes current and the whole selection.
    virtual void select(int row, int col) = 0;
    // FG1.Clip: the selection's cells as text, a tab between cells and a CR between rows;
    // setting it writes such text into the selected cells, from the top left, as far as
    // the selection reaches.
    virtual std::string clip() const = 0;
    virtual void setClip(const std::string& text) = 0;
    // FG1.RowHidden, data rows from 1.
    virtual void setRowHidden(int row, bool hidden) = 0;
    virtual bool rowHidden(int row) const = 0;
    // The grid's SelectionMode: 0 free, 2 by column, 3 whole rows.
    virtual void setSelectionMode(int mode) = 0;
    virtual int selectionMode() const = 0;

    // The code list List1: item i (from 0) is code i + 1.
    virtual void setCodeList(const std::vector<std::string>& items) = 0;
    virtual std::vector<int> selectedCodeItems() const = 0;
    virtual void deselectCodeItem(int item) = 0;

    // Menu items.
    virtual std::string menuCaption(const std::string& item) const = 0;
    virtual void setMenuCaption(const std::string& item, const std::string& caption) = 0;
    virtual void setMenuChecked(const std::string& item, bool checked) = 0;
    virtual bool menuChecked(const std::string& item) const = 0;

    // The autosave timer.
    virtual void setAutoSave(bool enabled, int milliseconds) = 0;
};

} // namespace vc
