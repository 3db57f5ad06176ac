#pragma once
// How the stand-alone collector reads the workstation's settings and code set: without
// writing the store and without asking for a file.

#include "platform/Platform.h"
#include "workstation/core/Global.h"

#include <string>

namespace collector {

// Reads Code_File as it stands. A file that is missing or cannot be read whole leaves an
// empty code set, and a message box says so (typed entry still works).
void readStandaloneCodeSet(ws::Global& g, platform::Platform& p, const std::string& title);
// The stored settings (read only), then the code set.
void readStandaloneSettings(ws::Global& g, platform::Platform& p, const std::string& title);

} // namespace collector
