#pragma once
// Continuous measures merged into a read slot: each CSV sample that falls in a rule's range
// becomes that rule's code at the sample's time.

#include "platform/Platform.h"
#include "workstation/core/Global.h"

#include <string>
#include <vector>

namespace ws {

inline constexpr int kMaxCsvFields = 255;

// Fields 1..n of a CSV line, taken exactly as they stand between commas; element 0 holds n
// in print form. More than 255 fields throw RunError 9.
std::vector<std::string> SplitCsvLine(const std::string& line);

// Merges the CSV beside fileName into the slot, which holds its end record. Failures throw
// for the reader's read-error handler; no CSV at all is told in a box and changes nothing.
void MergeContinuousData(Global& g, platform::Platform& p, int slot, const std::string& fileName,
                         const std::string& header);

} // namespace ws
