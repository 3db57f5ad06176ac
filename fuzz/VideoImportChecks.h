#pragma once
// What the video coder's import fuzz targets check after a reader took or refused any bytes:
// gRowCount counts the rows gData holds, gData stays 50 columns wide and the column count
// within it.

#include "FuzzSupport.h"

#include "textfile/RunError.h"
#include "videocoder/core/DataFile.h"

#include <string_view>

namespace fuzz {

// Open data of one empty row and three columns, of the given type.
inline void openData(vc::DataTable& table, const char* type) {
    vc::ClearData(table);
    table.gColCount = textfile::Value::ofNumber(3);
    table.gDataType = type;
}

template <class Read> void readAndCheck(vc::DataTable& table, Read&& read) {
    try {
        read();
    } catch (const textfile::RunError&) {
    }
    if (table.gRowCount.asNumber() != table.gData.rows()) {
        propertyFailed("gRowCount is not the rows gData holds");
    }
    if (table.gData.columns() != vc::kDataColumns || table.gColCount.asNumber() > vc::kDataColumns) {
        propertyFailed("an import went past 50 columns");
    }
}

} // namespace fuzz
