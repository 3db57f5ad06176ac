#pragma once
// What an item whose window or step the program has not wired in does, in both programs:
// it says so in a box, so no menu item or command is silently dead.

#include "platform/Dialogs.h"

#include <string>

namespace platform {

// "<subject> is not available yet." under the program's title.
void sayNotAvailable(Dialogs& dialogs, const std::string& subject, const std::string& programTitle);

} // namespace platform
