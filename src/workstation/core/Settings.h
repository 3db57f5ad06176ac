#pragma once
// Loading and saving every workstation setting (application "OSTRAVEL"), by the table of
// SettingsTable.h.

#include "platform/Platform.h"
#include "workstation/core/Global.h"
#include "workstation/core/MainWindowPlacement.h"
#include "workstation/core/SettingsTable.h"

#include <functional>

namespace ws {

// Windows above the core that loading and saving reach; the program wires them in.
// An unset call does nothing.
struct SettingsCalls {
    std::function<void()> readContGrid;   // the continuous-variable rules, after the code set
    std::function<void()> unloadSequence; // both load afresh next time, with what was stored
    std::function<void()> unloadMultilev;
};

// Reads every value with its default, places the main window (when there is one), opens
// the code set and reads the continuous-variable rules.
void LoadSettings(Global& g, platform::Platform& p, MainWindowPlacement* mainWindow = nullptr,
                  const SettingsCalls& calls = {});
// Writes every written value and the main window's placement in one save, unloading the
// sequential and multi-group windows on the way.
void SaveSettings(Global& g, platform::Platform& p, MainWindowPlacement* mainWindow = nullptr,
                  const SettingsCalls& calls = {});
// The stand-alone collector's reading: the values marked for it, with their defaults.
// Reads only: no value is written, no window placed, no code set opened.
void loadSettingsReadOnly(WorkstationSettings& s, platform::SettingsStore& store);

} // namespace ws
