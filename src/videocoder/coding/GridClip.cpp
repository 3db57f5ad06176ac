#include "videocoder/coding/GridClip.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace vc {

using textfile::Value;

namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

std::vector<std::string_view> lines(std::string_view text) {
    if (!text.empty() && text.back() == '\n') {
        text.remove_suffix(1);
        if (!text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
        }
    }
    std::vector<std::string_view> rows = split(text, '\n');
    for (std::string_view& row : rows) {
        if (!row.empty() && row.back() == '\r') {
            row.remove_suffix(1);
        }
    }
    return rows;
}

// A cell as an edit leaves it: cleared cells hold Null.
Value edited(std::string_view text) {
    return text.empty() ? Value::null() : Value::ofText(std::string(text));
}

} // namespace

std::string gridClip(const CellTable& gData, const GridRange& range) {
    std::string text;
    for (int row = range.row1; row <= range.row2; ++row) {
        if (row > range.row1) {
            text += "\r\n";
        }
        for (int column = range.col1; column <= range.col2; ++column) {
            if (column > range.col1) {
                text += '\t';
            }
            text += gData.at(column + 1, row).asText();
        }
    }
    return text;
}

void pasteGridClip(CellTable& gData, int dataRows, const GridRange& range, const std::string& text) {
    const int lastColumn = gData.columns() - 1;
    int row = range.row1;
    for (std::string_view line : lines(text)) {
        if (row > dataRows) {
            return;
        }
        int column = range.col1;
        for (std::string_view cell : split(line, '\t')) {
            if (column > lastColumn) {
                break;
            }
            if (row >= 1 && column >= 0) {
                gData.at(column + 1, row) = edited(cell);
            }
            ++column;
        }
        ++row;
    }
}

void eraseGridRange(CellTable& gData, int dataRows, const GridRange& range) {
    const int lastRow = std::min(range.row2, dataRows);
    const int lastColumn = std::min(range.col2, gData.columns() - 1);
    for (int row = std::max(range.row1, 1); row <= lastRow; ++row) {
        for (int column = std::max(range.col1, 0); column <= lastColumn; ++column) {
            gData.at(column + 1, row) = Value::null();
        }
    }
}

} // namespace vc
