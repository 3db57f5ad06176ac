#pragma once
// The sequential run driver: one pairing of givens and targets over one data file or
// every file of an "Event Files" list. Each file is read, counted, added into the pooled
// tables and written (unless the run skips to the pooled results); a list ends with the
// pooled output. Text reports for OutputKind 1, comma-separated rows otherwise, appended
// to OutputFileName.

#include "platform/Platform.h"
#include "platform/Random.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/core/Global.h"
#include "workstation/sequential/LagPairFiles.h"
#include "workstation/sequential/SequentialRun.h"

#include <cstdint>
#include <string>

namespace ws {

// `dataFileName` names a data file (inputMode kSingleFileInput) or a list (kListFileInput);
// DataFileName and InputMode of the shared state are neither read nor changed. `reuse`, when
// given, keeps the files of one press for its later pairings. A stop request (AbortRun) ends
// the run with nothing more written. `random` draws the resampling tests that gResample asks for.
void SeqAnalysisRun(Global& g, platform::Platform& p, platform::Random& random, AnalysisStatus& status,
                    SequentialRun& run, const std::string& dataFileName, std::int16_t inputMode,
                    LagPairFiles* reuse = nullptr);

} // namespace ws
