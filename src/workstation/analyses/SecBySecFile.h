#pragma once
// The second-by-second file (.SBS): one record per time unit of the events in slot 1, from
// the first event to the end record, holding for each listed group the code on in that
// unit or "None". The states can also be taken straight from memory, unit by unit.

#include "platform/Platform.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/analyses/MultilevTree.h"
#include "workstation/core/Global.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace ws {

// Sorts slot 1 by time with the suite's exchange steps; equal times are never exchanged
// with each other directly.
void SortEventsByTime(Global& g);

// The file of a data file: its name cut at the first "." of its file-name part, + ".SBS".
std::string SecBySecFileNameOf(const std::string& dataFileName);

// One record's states, by listed group, valid only during the call.
using SecBySecStates = std::vector<const std::string*>;
// The same record as code-table rows, by listed group: the row whose code is on, 0 for "None".
using SecBySecRows = std::vector<int>;
using SecBySecSink = std::function<void(std::int32_t time, const SecBySecStates& states)>;
// States that hold for `units` units in a row from `time` on.
using SecBySecStretchSink = std::function<void(std::int32_t time, std::int32_t units,
                                               const SecBySecStates& states, const SecBySecRows& rows)>;

struct SecBySecRequest {
    std::span<const std::int16_t> groups; // the listed groups, 0..50, in column order
    // The frequency-only marks of this tree apply as well as group 0's; none: group 0 only.
    const MultilevModel* treeMarks = nullptr;
};

// Walks the units of slot 1 (in time order, end record last), handing each record to the
// sink; shows progress and lets the window system in at most every 50 ms. False when
// AbortRun stopped the walk.
bool WalkSecBySecStates(Global& g, platform::Platform& p, AnalysisStatus& status,
                        const SecBySecRequest& request, const SecBySecSink& sink);

// The same walk a stretch of equal records at a time: the states change only at event times
// and after the one unit of a frequency-only code. Progress, the window system and AbortRun
// are seen between stretches.
bool WalkSecBySecStretches(Global& g, platform::Platform& p, AnalysisStatus& status,
                           const SecBySecRequest& request, const SecBySecStretchSink& sink);

// Writes the file (replacing one there, whole: a failed write leaves the old file), handing
// each record to alsoTo as well. False when AbortRun stopped it: the file then holds the
// records written before the stop. Throws RunError 75 when the file cannot be written, 9 for
// a group outside 0..50.
bool WriteSecBySecFile(Global& g, platform::Platform& p, AnalysisStatus& status, const std::string& sbsFile,
                       const SecBySecRequest& request, const SecBySecSink& alsoTo = {});
// The same file written a stretch at a time, each stretch handed to alsoTo as well.
bool WriteSecBySecStretches(Global& g, platform::Platform& p, AnalysisStatus& status,
                            const std::string& sbsFile, const SecBySecRequest& request,
                            const SecBySecStretchSink& alsoTo);

} // namespace ws
