#pragma once
// Edits that fixture cases make to gData between opening a file and using it, as key=value
// lines of their case.txt.

#include "videocoder/core/Globals.h"

#include <map>
#include <string>

namespace vctest {

// "null", "empty", "text:<t>" or "number:<n>".
inline textfile::Value cellValue(const std::string& written) {
    using textfile::Value;
    if (written == "null") {
        return Value::null();
    }
    if (written == "empty") {
        return Value::empty();
    }
    if (written.rfind("text:", 0) == 0) {
        return Value::ofText(written.substr(5));
    }
    return Value::ofNumber(std::stod(written.substr(7)));
}

// rows=<n> grows gData and sets gRowCount to that number; colcount=<n> sets gColCount;
// cell.<column>.<row>=<value>.
inline void applyEdits(vc::DataTable& d, const std::map<std::string, std::string>& settings) {
    using textfile::Value;
    if (const auto rows = settings.find("rows"); rows != settings.end()) {
        d.gData.resizeRows(std::stoi(rows->second));
        d.gRowCount = Value::ofNumber(std::stoi(rows->second));
    }
    if (const auto columns = settings.find("colcount"); columns != settings.end()) {
        d.gColCount = Value::ofNumber(std::stoi(columns->second));
    }
    for (const auto& [key, value] : settings) {
        if (key.rfind("cell.", 0) == 0) {
            const auto dot = key.find('.', 5);
            d.gData.at(std::stoi(key.substr(5, dot - 5)), std::stoi(key.substr(dot + 1))) = cellValue(value);
        }
    }
}

} // namespace vctest
