#pragma once
// Reading data files into an event slot, and the small services other readers share.

#include "platform/Platform.h"
#include "workstation/core/Global.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ws {

class CodeRowIndex;

// Reads a data file in the format gFileFormat chooses into slot 1 or 2. Data errors are
// appended to OutputFileName; true only when the file was read to its end record cleanly.
// Throws only when OutputFileName itself cannot be appended to (RunError 75).
bool ReadEventFile(Global& g, platform::Platform& p, const std::string& fileName, int slot,
                   std::string& header);
// ReadEventFile that also leaves in rows[i] the row `index` (an index of the current code
// table) gives the code of record i, for the records before the end record: the reader
// looks every code up anyway, so a caller that counts by row need not again. The rows are
// only whole when the read is.
bool ReadEventFile(Global& g, platform::Platform& p, const std::string& fileName, int slot,
                   std::string& header, const CodeRowIndex& index, std::vector<int>& rows);

} // namespace ws
