#pragma once
// The coding window's Data and File menu items that work on the grid and gData rather than
// the player: adding rows, converting every time, filling in the initial codes, filtering
// rows, hiding columns, printing, reverting to the saved file and sorting. Each handler bears
// the menu item's name; the window forwards to it.

#include "platform/Printer.h"
#include "videocoder/core/CoderLinks.h"
#include "videocoder/core/Globals.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace vc {

// What the handlers need of the coding window beyond the coder's links.
class GridEditView {
public:
    virtual ~GridEditView() = default;
    // The grid columns of the selection, first and last.
    virtual std::pair<int, int> selectedColumns() const = 0;
    // The "Filter Rows..." item: its check mark and caption.
    virtual bool filterChecked() const = 0;
    virtual void setFilterItem(bool checked, const std::string& caption) = 0;
    // The "Hide Selected Columns" item's caption.
    virtual std::string hideColsCaption() const = 0;
    virtual void setHideColsCaption(const std::string& caption) = 0;
};

// The dialogs the handlers show modally; each returns once its window has closed.
struct GridEditWindows {
    std::function<void()> showSortFrm;   // sets gSortKey1, gSortKey2 on OK
    std::function<void()> showFilterFrm; // sets gFilterText, gFilterMode
};

inline constexpr int kAppendRowCommand = 11;
inline const std::string kFilterCaption = "Filter Rows...";
inline const std::string kFilterOnCaption = "Turn of Filtering";
inline const std::string kHideCaption = "Hide Selected Columns";
inline const std::string kUnhideCaption = "Un-Hide Columns";

class GridEditing {
public:
    GridEditing(Globals& g, CoderLinks& links, platform::Printer& printer, GridEditView& view,
                GridEditWindows windows);

    void AddRowsMnu_Click();
    void Cnvrtmnu_Click();
    void FillInMnu_Click();
    void FilterMnu_Click();
    void HideColsMnu_Click();
    void PrintMnu_Click();
    void RevertMnu_Click();
    void SortMnu_Click();
    void SortByTimeMnu_Click();

private:
    int rowCount() const;
    void refresh();
    // Hides rows by gFilterText and gFilterMode, as the filter item does.
    void applyFilter();

    Globals& g_;
    CoderLinks& links_;
    platform::Printer& printer_;
    GridEditView& view_;
    GridEditWindows windows_;
};

// The lines the print of the grid sends: the titles and rows as the grid shows them, hidden
// rows and columns left out, each column as wide as its widest text.
std::vector<std::string> gridPrintLines(const Globals& g, const GridLayout& grid);
// Whether a row's cells (columns 1 to 50) hold the text, by byte and case.
bool rowContains(const DataTable& data, int row, const std::string& text);

} // namespace vc
