#pragma once
// The multi-group analysis: for one event file or every file of a list, how many time units
// each combination of the chosen groups' codes holds, per file and pooled.

#include "platform/Platform.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/analyses/CodeCombinations.h"
#include "workstation/analyses/GraphDrawing.h"
#include "workstation/analyses/MultilevTree.h"
#include "workstation/analyses/SecBySecCounter.h"
#include "workstation/analyses/SecBySecFile.h"
#include "workstation/core/Global.h"

#include <functional>
#include <string>
#include <vector>

namespace ws {

inline const std::string kCountBrokenMessage =
    "Program is broken in the count sec by sec routine. Call Ovrin!";

// Shows the graph window modally for a counted file.
using ShowGraph = std::function<void(const GraphFile& file)>;

// The whole run over DataFileName as the runner left it.
void MultiGroupFreqDur(Global& g, platform::Platform& p, AnalysisStatus& status, const MultilevModel& tree,
                       const ShowGraph& showGraph);

} // namespace ws
