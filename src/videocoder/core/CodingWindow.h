#pragma once
// The seam between the core and the coding window DataFrm.
//
// The core fills the window's header fields and DVD box and reads them back when it saves;
// those live here as plain data (CodingWindowModel), so the file procedures run and are
// tested without a widget. The grid's dressing (hidden columns, titles, pick lists) is data
// too (GridLayout), written by RefreshDataGrid and drawn by the view. What only the view can
// do (redraw, size columns, fill its code list, run the autosave timer, run a player command,
// show, unload) goes through CodingWindowPort, which the view implements.
//
// Loading: "touching" a field of a window that is not loaded loads it. ensureLoaded() runs
// the load steps the core relies on (grid titles for the data type, gData at 50 columns and
// at least one row), then lets the view run its own through CodingWindowPort::load()
// (panels, geometry, selection mode, binding the grid to gData) and sizes the columns.

#include "videocoder/core/Globals.h"

#include <array>
#include <string>
#include <vector>

namespace vc {

inline constexpr int kHeaderFields = 13; // Text1(0) .. Text1(12), in data-file order
inline constexpr int kNotesField = 6;
inline constexpr int kMediaField = 7;
inline constexpr int kCodeFileField = 8;
// Grid column c shows gData column c + 1; EVENTS titles run to column 51 ("Group 50").
inline constexpr int kGridColumns = 52;
inline constexpr int kLastSizedColumn = 49;
inline constexpr int kControlSubOpenMedia = 4; // ControlSub command that opens the header's media

// One column of the coding grid FG1 as RefreshDataGrid dresses it.
struct GridColumn {
    bool hidden = false;
    std::string title;     // row 0
    std::string comboList; // the column's pick list, items followed by "|"; "" = none
};

struct GridLayout {
    std::array<GridColumn, kGridColumns> columns;
    GridColumn& operator[](int column) { return columns.at(static_cast<std::size_t>(column)); }
    const GridColumn& operator[](int column) const { return columns.at(static_cast<std::size_t>(column)); }

    // Rows the filter hides, by data row (1..); rows past the end are shown.
    bool rowHidden(int row) const {
        return row >= 1 && static_cast<std::size_t>(row) < hiddenRows.size() &&
               hiddenRows[static_cast<std::size_t>(row)];
    }
    void setRowHidden(int row, bool hidden) {
        if (row < 1) {
            return;
        }
        if (static_cast<std::size_t>(row) >= hiddenRows.size()) {
            if (!hidden) {
                return;
            }
            hiddenRows.resize(static_cast<std::size_t>(row) + 1, false);
        }
        hiddenRows[static_cast<std::size_t>(row)] = hidden;
    }
    void showAllRows() { hiddenRows.clear(); }
    // The flags follow their rows: a row inserted before `row` comes in shown, and an erased
    // row's flag goes with it.
    void insertRow(int row) {
        if (row >= 1 && static_cast<std::size_t>(row) < hiddenRows.size()) {
            hiddenRows.insert(hiddenRows.begin() + row, false);
        }
    }
    void eraseRow(int row) {
        if (row >= 1 && static_cast<std::size_t>(row) < hiddenRows.size()) {
            hiddenRows.erase(hiddenRows.begin() + row);
        }
    }
    std::vector<bool> hiddenRows; // [0] unused
};

// What only the view does. Calls come in the order the procedures make them, and a test
// double records them so.
class CodingWindowPort {
public:
    virtual ~CodingWindowPort() = default;
    // The view's own load steps: panels, stored geometry, selection mode, binding FG1 to gData.
    virtual void load() = 0;
    virtual void refresh() = 0;                     // FG1.Refresh: show gData and the GridLayout
    virtual void autoSize(int first, int last) = 0; // FG1.AutoSize of grid columns first..last
    virtual void setCodeList(const std::vector<std::string>& items) = 0; // List1, transcripts
    virtual void setAutoSave(bool enabled, int milliseconds) = 0;        // AutoSaveTimer
    virtual void ControlSub(int command) = 0; // the numbered command set (4 opens the media)
    virtual void setCaption(const std::string& caption) = 0;
    virtual void show() = 0;
    virtual void unload() = 0;
    // Closing, first step: the window's position kept in the settings unless it is
    // minimised or maximised.
    virtual void storePosition() {}
    // Set by "Exit without saving": closing forgets the data file unsaved.
    virtual bool exitWithoutSaving() const { return false; }
};

class CodingWindowModel {
public:
    explicit CodingWindowModel(CodingWindowPort& port) : port_(port) { Text1Enabled.fill(true); }

    std::array<std::string, kHeaderFields> Text1;
    std::array<bool, kHeaderFields> Text1Enabled;
    int chkDVD = 0; // 1 ticked ("Source is DVD Player")
    bool BrowseBtn0Enabled = true;
    bool Command1_0Enabled = true;
    GridLayout FG1;

    bool loaded() const { return loaded_; }
    // Runs the load steps once; later calls do nothing until the window has unloaded.
    void ensureLoaded(Globals& g);
    // After the view's unload handler has run: the next touch loads the window again.
    void markUnloaded() { loaded_ = false; }

    // The DVD box's click: ticked, the media field says "DVD" and cannot be edited or browsed.
    void chkDVD_Click(Globals& g);
    // The header and the grid's dressing as a fresh load has them, so that nothing of one
    // file (a DVD box ticked, a code set's hidden columns and pick lists) reaches the next.
    void resetToLoadTime(Globals& g);

    CodingWindowPort& port() { return port_; }

private:
    void setGridTitles(const Globals& g);

    CodingWindowPort& port_;
    bool loaded_ = false;
};

} // namespace vc
