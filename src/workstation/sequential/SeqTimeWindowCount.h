#pragma once
// Time-window counting of the file in event slot 1: its time units go through the
// second-by-second and yes/no files beside the data file, or, when the run kills its scrap
// files, are counted in memory so that no file of those names is written or removed.

#include "platform/Platform.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/core/Global.h"
#include "workstation/sequential/SequentialRun.h"
#include "workstation/sequential/WindowIntervals.h"

#include <cstdint>
#include <string>

namespace ws {

// A scratch file that could not be written or read.
struct ScratchFileError {
    std::string path;
    std::string reason;
};

// `dataFileName` names the file in slot 1: the scratch files stand beside it.
// Re-creates gSeqTable and fills it with one count per time unit. Sets SecBySecFileName.
// Throws ScratchFileError when a scratch file cannot be written or read.
// With the scrap files killed the count comes from the file's code intervals, taken from
// `kept` when it holds the file and kept there otherwise; `known`, when given, holds the
// rows of slot 1's records.
void SeqCountTimeWindow(SequentialRun& run, Global& g, platform::Platform& p, AnalysisStatus& status,
                        const std::string& dataFileName, WindowIntervalFiles* kept = nullptr,
                        SlotRows known = {});
// Whether the count of the data file needs no read of it: its intervals are kept.
bool timeWindowFileKept(const SequentialRun& run, const std::string& dataFileName,
                        const WindowIntervalFiles* kept);
// The same per level of levelGroup; returns the level count.
std::int16_t SeqCountTimeWindowLevel(SequentialRun& run, Global& g, platform::Platform& p,
                                     AnalysisStatus& status, const std::string& dataFileName,
                                     std::int16_t levelGroup);

} // namespace ws
