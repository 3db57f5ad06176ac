#pragma once
// The File menu's printing items: printer set-up, an event file, a list file, a list's files.

#include "platform/Platform.h"
#include "workstation/core/MainWindowLinks.h"
#include "workstation/core/WorkstationSettings.h"

namespace ws {

void PrintSetupItem(platform::Platform& p);
void PrintDataItem(const WorkstationSettings& s, platform::Platform& p);
void PrintListNamesItem(const WorkstationSettings& s, platform::Platform& p);
void PrintListDataItem(const WorkstationSettings& s, platform::Platform& p);

// Sets the main window's four printing links.
void wirePrinting(const WorkstationSettings& s, platform::Platform& p, MainWindowLinks& links);

} // namespace ws
