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

// Stored state and geometry of the main window, in twips (15 per pixel).
struct WindowPlacement {
    std::int16_t state = 0; // 0 normal, 1 minimised, 2 maximised
    std::int16_t left = 0, top = 0, width = 9135, height = 6900;
    // False when only the state is to be applied: position and size stay as they are
    // (a stored minimised or maximised state brings no usable rectangle).
    bool withGeometry = true;
};

// What the core reaches in windows that are built above it; the program wires them.
// Unset hooks do nothing.
struct CoreHooks {
    // The code-set editor's group grid: the name of group g (0..48) at row g + 1, column 1.
    std::function<void(int group, const std::string& name)> putGroupNameInGrid;
    std::function<std::string(int group)> groupNameFromGrid; // unset: GroupNames as they are
    std::function<void()> readContGrid;                      // continuous-variable rules
    // Merges the continuous variables of a data file into its slot after ReadEventFile has
    // read it (when gReadCont is set). Unset: no merge. A failure throws and fails the read.
    std::function<void(int slot, const std::string& fileName, std::string& header)> mergeContinuousData;
    std::function<void()> unloadSequence;
    std::function<void()> unloadMultilev;
    std::function<void(const WindowPlacement&)> applyMainWindowPlacement;
    std::function<WindowPlacement()> currentMainWindowPlacement;
};

// The parts carry the members; a routine that needs one part takes that part.
struct Global : WorkstationSettings, CodeSet, EventSlots, AnalysisRun {
    std::string VersionText;
    CoreHooks hooks;
};

} // namespace ws
