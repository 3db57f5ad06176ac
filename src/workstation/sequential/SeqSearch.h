#pragma once
// The search for targets: the codes met at the lag from an occurrence of a given, over the
// current event file or every file of an event-file list, appended to a targets list that
// never holds a code twice. It counts nothing and writes no report of its own.

#include "platform/Platform.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/core/Global.h"
#include "workstation/sequential/SequentialRun.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ws {

// Scans event slot 1 with gGivens(1..gGivenCount), gForward and gLagCount.
void SeqSearchFile(const SequentialRun& run, const Global& g, std::vector<std::string>& targets);
// Searches dataFileName as a single file or, with inputMode kListFileInput, as a list; a file
// that cannot be read ends the search there.
void SeqSearchRun(Global& g, platform::Platform& p, AnalysisStatus& anal, const SequentialRun& run,
                  const std::string& dataFileName, std::int16_t inputMode, std::vector<std::string>& targets);

} // namespace ws
