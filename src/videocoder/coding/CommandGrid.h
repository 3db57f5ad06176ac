#pragma once
// What the numbered commands need of the coding window's grid FG1. Grid row r shows gData
// row r; row 0 holds the titles, and a row below 0 means there is no current row. The
// coding window implements this; tests use a recording double.

#include <string>
#include <vector>

namespace vc {

class CommandGrid {
public:
    virtual ~CommandGrid() = default;

    // FG1.Row and FG1.Col, the current cell.
    virtual int Row() const = 0;
    virtual void setRow(int row) = 0;
    virtual int Col() const = 0;
    virtual void setCol(int col) = 0;
    // The rows of the grid's selection, in the order the grid gives them (0-based index k).
    virtual std::vector<int> selectedRows() const = 0;

    // FG1.Refresh: gData changed, its row count perhaps too.
    virtual void refresh() = 0;
    // Only the cells of one row changed; the row count is as before.
    virtual void refreshRow(int row) = 0;
    // The coding window's caption (after Save and Save As).
    virtual void setCaption(const std::string& caption) = 0;
};

} // namespace vc
