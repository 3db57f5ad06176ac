#pragma once
// Loading and saving every workstation setting (application "OSTRAVEL").

#include "platform/Platform.h"
#include "workstation/core/Global.h"

namespace ws {

inline const std::string kSettingsApp = "OSTRAVEL";

void LoadSettings(Global& g, platform::Platform& p);
void SaveSettings(Global& g, platform::Platform& p);

} // namespace ws
