#pragma once
// The workstation's shared state: settings, code table, event slots and the
// analysis run state. One instance, owned by the program and passed by reference.

#include "workstation/core/AnalysisRun.h"
#include "workstation/core/CodeSet.h"
#include "workstation/core/ContGrid.h"
#include "workstation/core/EventSlots.h"
#include "workstation/core/WorkstationSettings.h"

#include <cstdint>
#include <string>

namespace ws {

// The parts carry the members; a routine that needs one part takes that part.
struct Global : WorkstationSettings, CodeSet, EventSlots, AnalysisRun {
    std::string VersionText;
    // Edits of the open modal window not yet saved (true -1); that window clears it at load.
    std::int16_t UnsavedChanges = 0;
    // The continuous-variable rules the merge uses, as last read from their file.
    ContGridData ContGrid;
};

} // namespace ws
