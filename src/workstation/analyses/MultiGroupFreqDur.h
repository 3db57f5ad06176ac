#pragma once
// The multi-group analysis: for one event file or every file of a list, how many time units
// each combination of the chosen groups' codes holds, per file and pooled.

#include "platform/Platform.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/analyses/CodeCombinations.h"
#include "workstation/analyses/GraphDrawing.h"
#include "workstation/analyses/MultilevTree.h"
#include "workstation/analyses/SecBySecFile.h"
#include "workstation/core/Global.h"

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace ws {

inline const std::string kCountBrokenMessage =
    "Program is broken in the count sec by sec routine. Call Ovrin!";

// Counts records into the combinations: the chosen groups' texts of a record, joined by "/"
// (empty texts left out), name the combination to count.
class SecBySecCounter {
public:
    explicit SecBySecCounter(const CodeCombinations& combos);
    // Counts `units` equal records. False when their combination is in no entry (nothing is
    // counted then).
    bool count(const SecBySecStates& states, std::vector<std::int32_t>& counts, std::int32_t units = 1);

private:
    std::vector<int> chosenColumns_; // the columns that make up a combination, in order
    std::unordered_map<std::string, int> entryOf_;
    std::string text_;
};

// Shows the graph window modally for a counted file.
using ShowGraph = std::function<void(const GraphFile& file)>;

// The whole run over DataFileName as the runner left it.
void MultiGroupFreqDur(Global& g, platform::Platform& p, AnalysisStatus& status, const MultilevModel& tree,
                       const ShowGraph& showGraph);

} // namespace ws
