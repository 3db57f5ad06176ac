#pragma once
// The workstation's help screens: message boxes shown one after another.

#include "platform/Dialogs.h"

namespace ws {

// Access keys, quick keys, dialog boxes; Cancel on the first two screens ends the tour.
void HelpKeys(platform::Dialogs& dialogs);
void HelpMouse(platform::Dialogs& dialogs);
void HelpInterface(platform::Dialogs& dialogs);

} // namespace ws
