#pragma once
// The current code set: its table of codes and the names of groups 0..48.

#include "workstation/core/CodeTable.h"

#include <array>
#include <cstdint>
#include <string>

namespace ws {

struct CodeSet {
    std::int16_t NumCodes = 0;
    CodeTableData CodeTable;
    std::array<std::string, 50> GroupNames;
    // The file the table was last read from; empty while none was. Code_File goes back to it
    // when a file is refused, so reports never name a file whose codes are not the ones counted.
    std::string fileInUse;
};

} // namespace ws
