#pragma once
// Printing an event file or a list file as plain lines under a short heading, one document each.

#include "platform/Platform.h"
#include "workstation/core/WorkstationSettings.h"

#include <string>

namespace ws {

// Both print nothing and say nothing when the file cannot be opened. A document that the
// printer could not print is reported in a message box; the result is false then, and when
// the person cancelled the printer's dialog, so that a series of prints stops.
bool PrintEventFile(const WorkstationSettings& s, platform::Platform& p, const std::string& path);
bool PrintListFile(const WorkstationSettings& s, platform::Platform& p, const std::string& path);

} // namespace ws
