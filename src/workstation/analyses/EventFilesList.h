#pragma once
// What the analyses that take a list of event files share: opening the list, refusing one
// of another type, and the box that ends a run on an unexpected failure.

#include "platform/Dialogs.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/core/AnalysisRun.h"
#include "workstation/core/ListFile.h"

#include <exception>
#include <optional>
#include <string>

namespace ws {

// The list, or nothing after a beep and "Not a valid list: " & the name & tail under "ERROR!".
std::optional<ListFileReader> openEventFilesList(const std::string& listName, platform::Dialogs& dialogs,
                                                 const std::string& tail = {});

// A run over the entries of a list of event files, as a report begins it.
struct EventFilesRun {
    std::string listName;
    ListFileReader list;
    int count = 0; // as the list states it
};

// Opens DataFileName as such a list (nothing, after openEventFilesList's box, for any other
// list); the run then reads each entry as a single file, with the progress bar shown.
std::optional<EventFilesRun> beginEventFilesRun(AnalysisRun& run, platform::Dialogs& dialogs,
                                                AnalysisStatus& status, const std::string& tail = {});

// "Error: Printing File: " & the file & "Print aborted..." under "ERROR!", after a beep. When
// the cause was a report that could not be written, the box goes on with its path and the
// system's reason, so the person knows where to look.
void showRunAborted(const std::string& dataFileName, platform::Dialogs& dialogs,
                    const std::exception* cause = nullptr);

} // namespace ws
