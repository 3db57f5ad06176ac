#include "videocoder/coding/GridEditing.h"

#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "videocoder/core/ConvertTimeText.h"
#include "videocoder/core/DataFile.h"
#include "videocoder/core/FileDialogs.h"
#include "videocoder/core/FileNames.h"
#include "videocoder/core/SortData.h"
#include "videocoder/core/TextCase.h"

#include <algorithm>
#include <optional>

namespace vc {
namespace {

using platform::Buttons;
using platform::Icon;
using textfile::Value;

constexpr int kStartTimeField = 9;
constexpr int kEndTimeField = 10;
constexpr int kLastGroup = 48; // group g lives in gData column g + 2, at most 50
constexpr int kColumnGap = 2;

// A count typed into the input box: a whole number of 16 bits, blanks around it allowed.
std::optional<int> rowsAnswer(const std::string& answer) {
    const std::string text = trimBlanks(answer);
    if (!textfile::isNumeric(text)) {
        return std::nullopt;
    }
    const double value = textfile::leadingNumber(text);
    if (value != static_cast<double>(static_cast<long long>(value)) || value < -32768 || value > 32767) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

// What the open data held before a read of the file replaced it.
struct OpenData {
    CellTable rows;
    Value rowCount, colCount;
    std::string type, name, unconfirmedName;
    SavedText baseline;
    std::array<std::string, kHeaderFields> header;
    int chkDVD = 0;
    std::int16_t dataOpen = kFalse;
    CodeSet codeSet;

    OpenData(const Globals& g, const CodingWindowModel& window)
        : rows(g.data.gData), rowCount(g.data.gRowCount), colCount(g.data.gColCount), type(g.data.gDataType),
          name(g.data.gFileName), unconfirmedName(g.data.unconfirmedName), baseline(g.data.baseline),
          header(window.Text1), chkDVD(window.chkDVD), dataOpen(g.open.gDataOpen), codeSet(g.codeSet) {}

    void restore(Globals& g, CodingWindowModel& window) {
        DataTable& d = g.data;
        d.gData = std::move(rows);
        d.gRowCount = rowCount;
        d.gColCount = colCount;
        d.gDataType = type;
        d.gFileName = name;
        d.unconfirmedName = unconfirmedName;
        d.baseline = baseline;
        window.Text1 = header;
        window.chkDVD = chkDVD;
        g.open.gDataOpen = dataOpen;
        g.codeSet = std::move(codeSet);
        d.lock.lock(name);
    }
};

} // namespace

bool rowContains(const DataTable& data, int row, const std::string& text) {
    for (int column = 1; column <= kDataColumns; ++column) {
        if (data.gData.at(column, row).asText().find(text) != std::string::npos) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> gridPrintLines(const Globals& g, const GridLayout& grid) {
    const int rows = std::min(textfile::toInt32(g.data.gRowCount.asNumber()), g.data.gData.rows());
    std::vector<int> columns;
    for (int column = 0; column < kDataColumns; ++column) {
        if (!grid[column].hidden) {
            columns.push_back(column);
        }
    }
    std::vector<std::vector<std::string>> table;
    table.emplace_back();
    for (const int column : columns) {
        table.back().push_back(grid[column].title);
    }
    for (int row = 1; row <= rows; ++row) {
        if (grid.rowHidden(row)) {
            continue;
        }
        table.emplace_back();
        for (const int column : columns) {
            table.back().push_back(g.data.gData.at(column + 1, row).asText());
        }
    }
    std::vector<std::size_t> widths(columns.size(), 0);
    for (const auto& line : table) {
        for (std::size_t c = 0; c < line.size(); ++c) {
            widths[c] = std::max(widths[c], line[c].size());
        }
    }
    std::vector<std::string> lines;
    for (const auto& line : table) {
        std::string text;
        for (std::size_t c = 0; c < line.size(); ++c) {
            text += line[c];
            if (c + 1 < line.size()) {
                text.append(widths[c] - line[c].size() + kColumnGap, ' ');
            }
        }
        lines.push_back(text);
    }
    return lines;
}

GridEditing::GridEditing(Globals& g, CoderLinks& links, platform::Printer& printer, GridEditView& view,
                         GridEditWindows windows)
    : g_(g), links_(links), printer_(printer), view_(view), windows_(std::move(windows)) {}

int GridEditing::rowCount() const {
    return std::min(textfile::toInt32(g_.data.gRowCount.asNumber()), g_.data.gData.rows());
}

void GridEditing::refresh() {
    links_.dataFrm.port().refresh();
}

void GridEditing::AddRowsMnu_Click() {
    const std::string prompt =
        g_.settings.gIntMode != 0
            ? "Number for rows to add? (Rows with be filled with interval frame values since interval mode "
              "is "
              "on.  See data options in the edit menu to turn of interval data filling.)"
            : "Number for rows to add? (Rows with be not filled with interval frame values since interval "
              "mode "
              "is off.  See data options in the edit menu to turn of interval data filling.)";
    const std::optional<std::string> answer =
        links_.dialogs.inputBox(prompt, "Enter the number for rows", "10");
    if (!answer || answer->empty()) {
        return;
    }
    const std::optional<int> rows = rowsAnswer(*answer);
    if (!rows) {
        links_.dialogs.messageBox("\"" + *answer + "\" is not a number of rows: no rows were added.",
                                  kProgramTitle, Buttons::OK, Icon::Information);
        return;
    }
    for (int n = 0; n < *rows; ++n) {
        links_.dataFrm.port().ControlSub(kAppendRowCommand);
    }
}

void GridEditing::Cnvrtmnu_Click() {
    CodingWindowModel& window = links_.dataFrm;
    for (const int field : {kStartTimeField, kEndTimeField}) {
        window.Text1[field] = ConvertTimeText(window.Text1[field], g_.settings).text;
    }
    for (int row = 1; row <= rowCount(); ++row) {
        CellTable::CellRef cell = g_.data.gData.at(1, row);
        const ConvertedTime converted = ConvertTimeText(cell.asText(), g_.settings);
        // A time the converter cannot read stays as it was, and so does one already converted.
        if (converted.ok && converted.text != cell.asText()) {
            cell = Value::ofText(converted.text);
        }
    }
    refresh();
}

void GridEditing::FillInMnu_Click() {
    platform::Dialogs& dialogs = links_.dialogs;
    if (g_.open.gCodeOpen == kFalse) {
        dialogs.messageBox("No code file is loaded.  Inital codes are not defined.", kProgramTitle,
                           Buttons::OK, Icon::None);
        return;
    }
    if (dialogs.messageBox("About to fill in first row with first code from each group", "Warning",
                           Buttons::OKCancel, Icon::Information) == platform::Answer::Cancel) {
        return;
    }
    const CodeSet& codes = g_.codeSet;
    const int field = g_.settings.gEditInCell == 3 ? 2 : 1;
    std::string outOfRange;
    std::int16_t previous = 0;
    for (int code = 1; code <= codes.gCodeCount; ++code) {
        const std::int16_t group = textfile::toInt16(codes.gCodes.at(3, code).asNumber());
        const bool firstOfGroup = code == 1 ? group != 0 : group != previous;
        previous = group;
        if (!firstOfGroup) {
            continue;
        }
        if (group < 0 || group > kLastGroup) {
            if (outOfRange.empty()) {
                outOfRange = codes.gCodes.at(1, code).asText() + " (group " + std::to_string(group) + ")";
            }
            continue;
        }
        g_.data.gData.at(group + 2, 1) = Value::ofText(codes.gCodes.at(field, code).asText());
    }
    refresh();
    if (!outOfRange.empty()) {
        dialogs.messageBox("The code " + outOfRange +
                               " was not filled in: the grid has columns for groups 0 to " +
                               std::to_string(kLastGroup) + " only.",
                           kProgramTitle, Buttons::OK, Icon::Exclamation);
    }
}

void GridEditing::FilterMnu_Click() {
    GridLayout& grid = links_.dataFrm.FG1;
    if (view_.filterChecked()) {
        grid.showAllRows();
        view_.setFilterItem(false, kFilterCaption);
        refresh();
        return;
    }
    if (windows_.showFilterFrm) {
        windows_.showFilterFrm();
    }
    if (g_.coding.gFilterText.empty()) {
        return;
    }
    applyFilter();
    view_.setFilterItem(true, kFilterOnCaption);
    refresh();
}

void GridEditing::applyFilter() {
    GridLayout& grid = links_.dataFrm.FG1;
    const CodingState& coding = g_.coding;
    const bool hideMatches = coding.gFilterMode != 0;
    for (int row = 1; row <= rowCount(); ++row) {
        if (rowContains(g_.data, row, coding.gFilterText)) {
            grid.setRowHidden(row, hideMatches);
        } else if (!hideMatches) {
            grid.setRowHidden(row, true);
        }
    }
}

void GridEditing::HideColsMnu_Click() {
    if (view_.hideColsCaption().rfind("Hide", 0) == 0) {
        view_.setHideColsCaption(kUnhideCaption);
        const auto [first, last] = view_.selectedColumns();
        for (int column = std::max(first, 0); column <= std::min(last, kGridColumns - 1); ++column) {
            links_.dataFrm.FG1[column].hidden = true;
        }
    } else {
        links_.refreshDataGrid();
        view_.setHideColsCaption(kHideCaption);
    }
    refresh();
}

void GridEditing::PrintMnu_Click() {
    if (!printer_.setup()) {
        return;
    }
    printer_.beginRun();
    printer_.nameDocument(FileNameOf(g_.data.gFileName), platform::PageOrientation::Portrait);
    for (const std::string& line : gridPrintLines(g_, links_.dataFrm.FG1)) {
        printer_.printLine(line);
    }
    const platform::PrintOutcome outcome = printer_.endDoc();
    if (outcome.kind == platform::PrintOutcome::Kind::Failed) {
        links_.dialogs.messageBox("Error Printing: " + outcome.error, kErrorTitle, Buttons::OK,
                                  Icon::Critical);
    }
}

void GridEditing::RevertMnu_Click() {
    DataTable& d = g_.data;
    if (d.gFileName.empty() || d.gFileName == d.unconfirmedName) {
        links_.dialogs.messageBox("The data have not been saved yet: there is no saved file to go back to.",
                                  kProgramTitle, Buttons::OK, Icon::Information);
        return;
    }
    CodingWindowModel& window = links_.dataFrm;
    OpenData before(g_, window);
    if (!OpenDataFile(g_, links_)) {
        // The failure was said; what was open stays open, under its name.
        before.restore(g_, window);
    } else if (view_.filterChecked()) {
        // The rows read are others than those the filter hid: it hides by what they hold.
        window.FG1.showAllRows();
        applyFilter();
    }
    refresh();
}

void GridEditing::SortMnu_Click() {
    CodingState& coding = g_.coding;
    coding.gSortKey1.reset();
    coding.gSortKey2.reset();
    if (windows_.showSortFrm) {
        windows_.showSortFrm();
    }
    if (!coding.gSortKey1 && !coding.gSortKey2) {
        return;
    }
    const double key1 = coding.gSortKey1.value_or(0);
    const double key2 = coding.gSortKey2.value_or(0);
    if (key1 == -1 && key2 == -1) {
        return;
    }
    SortData(g_, links_, key1, key2);
}

void GridEditing::SortByTimeMnu_Click() {
    SortData(g_, links_, 1, 0);
}

} // namespace vc
