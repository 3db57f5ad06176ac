#pragma once
// The video coder's data files (.qvd), EVENTS type: one event per coded cell at its row's
// time, codes found by code or description, column groups plain or joined into one code.

#include "textfile/QvdRow.h"
#include "workstation/core/DataFileRead.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ws {

// The fields a row is split into, 1..100.
inline constexpr int kVintroFields = textfile::kQvdRowFields;
using VintroRow = textfile::QvdRow;

// Splits one row into fields 1 and up: commas end fields and quotes are dropped, except in
// the last column (columnCount), which takes the rest of the line unchanged. Fields up to
// columnCount that the row lacks are empty. A row with more fields than the array holds
// throws RunError 9. The fields are valid while the line and the row are.
void SplitVintroLine(std::string_view line, VintroRow& row, std::int16_t columnCount);

// Imports a data file into the slot as ReadEventFile asks. Messages go to the read's
// dialogs; the result is clean when the file was read.
EventReadResult ImportVintroFile(const DataFileRead& read);

} // namespace ws
