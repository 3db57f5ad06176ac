#pragma once
// Data-file checking: one event file or every file of a list read through the reader,
// which appends each data error to the report, with a verdict line per listed file.
// And the same-second check the multi-group analysis runs on each file it reads.

#include "platform/Platform.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/core/Global.h"

#include <cstdint>
#include <string>

namespace ws {

void CheckDataFiles(Global& g, platform::Platform& p, AnalysisStatus& status);

// Of two events of one group at the same time in slot 1 the later stays and the earlier is
// removed; each removal is told in a box unless suppress is 1.
void CheckSameSecondCodes(Global& g, platform::Platform& p, const std::string& fileName,
                          std::int16_t suppress);

} // namespace ws
