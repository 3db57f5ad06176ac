#pragma once
// What the analyses that take a list of event files share: opening the list, refusing one
// of another type, and the box that ends a run on an unexpected failure.

#include "platform/Dialogs.h"
#include "workstation/core/ListFile.h"

#include <optional>
#include <string>

namespace ws {

// The list, or nothing after a beep and "Not a valid list: " & the name & tail under "ERROR!".
std::optional<ListFileReader> openEventFilesList(const std::string& listName, platform::Dialogs& dialogs,
                                                 const std::string& tail = {});

// "Error: Printing File: " & the file & "Print aborted..." under "ERROR!", after a beep.
void showRunAborted(const std::string& dataFileName, platform::Dialogs& dialogs);

} // namespace ws
