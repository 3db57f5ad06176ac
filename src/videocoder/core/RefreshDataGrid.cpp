#include "videocoder/core/RefreshDataGrid.h"

#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "videocoder/core/FileDialogs.h"
#include "videocoder/core/TextCase.h"
#include "videocoder/core/TimeConversion.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace vc {
namespace {

using textfile::RunError;

inline constexpr int kCommentsColumn = 49;
inline constexpr int kStartTimeField = 9;
// A code's group column must be one of the grid's: groups 0 to 48 (and -1, the time column).
inline constexpr int kLastGridColumn = 49;
inline constexpr std::size_t kMaxGroups = 50;

bool on(std::int16_t flag) {
    return flag != 0;
}

// A group number cell read as the classic 16-bit integer: text must be a number.
std::int16_t groupOf(const textfile::Value& cell) {
    if (cell.isText() && !textfile::isNumeric(cell.text)) {
        throw RunError(textfile::kTypeMismatch);
    }
    return textfile::toInt16(cell.asNumber());
}

GridColumn& gridColumn(GridLayout& grid, int column) {
    if (column < 0 || column > kLastGridColumn) {
        throw RunError(textfile::kSubscriptOutOfRange);
    }
    return grid[column];
}

void showComments(GridLayout& grid) {
    grid[kCommentsColumn].hidden = false;
    grid[kCommentsColumn].comboList.clear();
    grid[kCommentsColumn].title = "Comments";
}

void dressTranscript(Globals& g, CodingWindowModel& window) {
    GridLayout& grid = window.FG1;
    for (int c = 0; c <= 2; ++c) {
        grid[c].hidden = false;
    }
    for (int c = 3; c <= 10; ++c) {
        grid[c].hidden = true;
    }
    std::vector<std::string> items;
    const CodeSet& codes = g.codeSet;
    for (int code = 1; code <= codes.gCodeCount; ++code) {
        items.push_back(codes.gCodes.at(1, code).asText() + " - " + codes.gCodes.at(2, code).asText());
    }
    window.port().setCodeList(items);
}

void dressGroupColumns(Globals& g, CoderLinks& links) {
    GridLayout& grid = links.dataFrm.FG1;
    std::vector<std::int16_t> groups;
    for (int code = 1; code <= g.codeSet.gCodeCount; ++code) {
        const std::int16_t group = groupOf(g.codeSet.gCodes.at(3, code));
        if (std::find(groups.begin(), groups.end(), group) == groups.end()) {
            if (groups.size() == kMaxGroups) {
                throw RunError(textfile::kSubscriptOutOfRange);
            }
            groups.push_back(group);
        }
    }
    for (int column = 1; column <= kCommentsColumn; ++column) {
        const bool used = std::find(groups.begin(), groups.end(), column - 1) != groups.end();
        grid[column].hidden = !used;
    }
    for (int column = 1; column < kCommentsColumn; ++column) {
        grid[column].comboList.clear();
        const std::string& description = links.codeFrmGroups.at(g, column - 1);
        if (!trimBlanks(description).empty()) {
            grid[column].title = description;
        }
    }
    grid[kCommentsColumn].comboList.clear();
}

void fixIntervalTimes(Globals& g, const std::string& startTime) {
    const VideoSettings& s = g.settings;
    const bool frames = s.FrameDisplay == 2 || s.FrameDisplay == 3;
    const double base = frames ? TimecodeToFrames(startTime, s) : TimeTextToSeconds(startTime, s);
    const int rows = textfile::toInt32(g.data.gRowCount.asNumber());
    for (int r = 1; r <= rows; ++r) {
        const double value = base + r * s.gIntSeconds;
        g.data.gData.at(1, r) =
            textfile::Value::ofText(frames ? FramesToTimecode(value, s) : SecondsToClockText(value, s));
    }
}

void fillPickLists(Globals& g, GridLayout& grid) {
    const bool descriptions = g.settings.gEditInCell == 3;
    for (int code = 1; code <= g.codeSet.gCodeCount; ++code) {
        const std::string item = g.codeSet.gCodes.at(descriptions ? 2 : 1, code).asText();
        if (!trimBlanks(item).empty()) {
            GridColumn& column = gridColumn(grid, groupOf(g.codeSet.gCodes.at(3, code)) + 1);
            column.comboList += item + "|";
        }
    }
    for (int column = 1; column <= kCommentsColumn; ++column) {
        grid[column].comboList += " |";
    }
}

void dress(Globals& g, CoderLinks& links) {
    CodingWindowModel& window = links.dataFrm;
    window.ensureLoaded(g);
    GridLayout& grid = window.FG1;
    const VideoSettings& s = g.settings;

    grid[0].hidden = false;
    armAutoSaveTimer(s, window.port());

    const std::string& type = g.data.gDataType;
    if (type == "TRANSCRIPT") {
        dressTranscript(g, window);
        return;
    }
    if (type != "EVENTS") {
        return;
    }
    const bool codeSet = !g.codeSet.gCodeFileName.empty();
    if (codeSet) {
        dressGroupColumns(g, links);
    } else {
        const int columns = textfile::toInt32(g.data.gColCount.asNumber());
        for (int column = 0; column < columns; ++column) {
            gridColumn(grid, column).hidden = false;
        }
    }
    if (on(s.gCommentField)) {
        showComments(grid);
    }
    if (on(s.gIntMode) && on(s.gIntTimeFix)) {
        fixIntervalTimes(g, window.Text1[kStartTimeField]);
    }
    if (!codeSet || s.gEditInCell == 1) {
        return;
    }
    fillPickLists(g, grid);
    if (on(s.gCommentField)) {
        showComments(grid);
    }
}

} // namespace

void armAutoSaveTimer(const VideoSettings& s, CodingWindowPort& window) {
    if (on(s.gAutoSave) && s.gSaveTimerDuration > 0) {
        window.setAutoSave(true, textfile::toInt32(static_cast<double>(s.gSaveTimerDuration) * 1000));
    } else {
        window.setAutoSave(false, 0);
    }
}

void RefreshDataGrid(Globals& g, CoderLinks& links) {
    try {
        dress(g, links);
    } catch (const RunError& e) {
        links.dialogs.messageBox("Error Adjusting Grid:" + e.description(), kErrorTitle,
                                 platform::Buttons::OK, platform::Icon::None);
    }
}

} // namespace vc
