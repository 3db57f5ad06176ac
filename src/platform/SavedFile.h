#pragma once
// The save of a file a person keeps, as every window does it: whole, through
// textfile::saveFileAtomically, and with a word to the person when the save parts the file
// from its other hard links.

#include "platform/Dialogs.h"
#include "textfile/Files.h"

#include <string>

namespace platform {

// The text of the box that says a save parted path from its other hard links.
std::string separatedLinksText(const std::string& path);
inline constexpr const char* kSeparatedLinksTitle = "File Saved";

// Saves bytes to path whole (throws RunError 75 as saveFileAtomically does). When path had
// other hard links, which keep the old contents, one box says so; the next save of the same
// name finds it alone and says nothing.
textfile::SaveReport saveKeptFile(Dialogs& dialogs, const std::string& path, const std::string& bytes);

} // namespace platform
