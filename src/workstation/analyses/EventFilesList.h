#pragma once
// What the analyses that take a list of event files share: opening the list, refusing one
// of another type, and the box that ends a run on an unexpected failure.

#include "platform/Dialogs.h"
#include "workstation/core/ListFile.h"

#include <exception>
#include <optional>
#include <string>

namespace ws {

// The list, or nothing after a beep and "Not a valid list: " & the name & tail under "ERROR!".
std::optional<ListFileReader> openEventFilesList(const std::string& listName, platform::Dialogs& dialogs,
                                                 const std::string& tail = {});

// "Error: Printing File: " & the file & "Print aborted..." under "ERROR!", after a beep. When
// the cause was a report that could not be written, the box goes on with its path and the
// system's reason, so the person knows where to look.
void showRunAborted(const std::string& dataFileName, platform::Dialogs& dialogs,
                    const std::exception* cause = nullptr);

} // namespace ws
