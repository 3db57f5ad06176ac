#pragma once
// Printing an event file or a list file as plain lines under a short heading, one document each.

#include "platform/Platform.h"
#include "textfile/RunError.h"
#include "workstation/core/WorkstationSettings.h"

#include <string>

namespace ws {

// What a print does with a file it cannot open: a file the person picked is told in a box, an
// entry of a list being printed is passed over.
enum class WhenUnreadable { Skip, Tell };

// Both print nothing when the file cannot be opened. A document that the printer could not
// print is reported in a message box; the result is false then, and when the person cancelled
// the printer's dialog, so that a series of prints stops.
bool PrintEventFile(const WorkstationSettings& s, platform::Platform& p, const std::string& path,
                    WhenUnreadable whenUnreadable = WhenUnreadable::Skip);
bool PrintListFile(const WorkstationSettings& s, platform::Platform& p, const std::string& path,
                   WhenUnreadable whenUnreadable = WhenUnreadable::Skip);
// The box that tells why a file picked for printing cannot be read.
void tellUnreadable(platform::Dialogs& dialogs, const std::string& path, const textfile::RunError& error);

} // namespace ws
