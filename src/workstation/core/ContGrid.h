#pragma once
// The rules that turn continuous measures into codes: rows 1..99 of CSV column, "Min Value",
// "Max Value" and code, kept in ContVarGrid.csv beside the code set.

#include "platform/Dialogs.h"

#include <array>
#include <optional>
#include <string>

namespace ws {

struct CodeSet;

inline constexpr int kContGridRows = 99;

struct ContGridData {
    enum Column { CsvColumn = 0, MinValue = 1, MaxValue = 2, TalvorCode = 3 };
    // Rows 0..100; row 0 and row 100 stay empty.
    std::array<std::array<std::string, 4>, kContGridRows + 2> cells{};
};

// ContVarGrid.csv in the folder of the code-set file.
std::string contGridFileName(const std::string& codeFile);
// Reads the rules file beside codeFile into the grid, row by row; a short file sets the cells
// it holds and leaves the rest. No file changes nothing.
void ReadContGrid(ContGridData& grid, const std::string& codeFile);
// Why the rules cannot be used with this code set: a rule (a row with a "Min Value") whose
// code, an empty one included, is not in the code set, named by its row. Nothing when every
// rule's code is there.
std::optional<std::string> ruleCodeRefusal(const ContGridData& grid, const CodeSet& codeSet);
// Why the rules cannot be saved as they stand: a cell holding a double quote, which the file's
// quoted fields cannot carry (it would read back cut), named by its row.
std::optional<std::string> unsavableCell(const ContGridData& grid);
// Saves rows 1..99 beside codeFile, whole or not at all; a save that fails says so.
bool SaveContGrid(const ContGridData& grid, const std::string& codeFile, platform::Dialogs& dialogs);

} // namespace ws
