#pragma once
// The workstation's shared state: settings, code table, event slots and the
// analysis run state. One instance, owned by the program and passed by reference.

#include "workstation/core/AnalysisRun.h"
#include "workstation/core/CodeSet.h"
#include "workstation/core/EventSlots.h"
#include "workstation/core/WorkstationSettings.h"

#include <cstdint>
#include <functional>
#include <string>

namespace ws {

// The one seam left in the shared state: the continuous-variable merge is not built yet,
// and tests stand in for it. Unset: no merge.
struct CoreHooks {
    // Merges the continuous variables of a data file into its slot after ReadEventFile has
    // read it (when gReadCont is set). A failure throws and fails the read.
    std::function<void(int slot, const std::string& fileName, std::string& header)> mergeContinuousData;
};

// The parts carry the members; a routine that needs one part takes that part.
struct Global : WorkstationSettings, CodeSet, EventSlots, AnalysisRun {
    std::string VersionText;
    // Edits of the open modal window not yet saved (true -1); that window clears it at load.
    std::int16_t UnsavedChanges = 0;
    CoreHooks hooks;
};

} // namespace ws
