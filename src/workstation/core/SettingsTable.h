#pragma once
// Every stored value of the workstation, once: its section, its name, the member that
// holds it, and who reads and writes it. LoadSettings reads the table in its order,
// SaveSettings writes the values marked written, and the stand-alone collector's loader
// reads the values marked for it.

#include "workstation/core/WorkstationSettings.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace ws {

inline const std::string kSettingsApp = "OSTRAVEL";

// The main window's state and geometry go here in the order: a step of its own, since
// the stored state decides which of the other values are read.
struct PlacementStep {};
// Entry n of ColumnGroupStates ("CG_n").
struct ColumnGroupState {
    int n = 0;
};

using SettingMember = std::variant<std::int16_t WorkstationSettings::*, float WorkstationSettings::*,
                                   std::string WorkstationSettings::*, ColumnGroupState, PlacementStep>;

struct SettingEntry {
    std::string section;
    std::string name;
    SettingMember member;
    bool written = true;    // FramesPerSecond is only ever read
    bool standAlone = true; // the stand-alone collector reads it too
};

// In the order LoadSettings reads them.
const std::vector<SettingEntry>& workstationSettingsTable();

} // namespace ws
