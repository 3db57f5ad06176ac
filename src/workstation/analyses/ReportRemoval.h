#pragma once
// Deleting the previous report before a run. Kept behind a function so a test can
// make the deletion fail the way a report held open by another program does.

#include <functional>
#include <string>

namespace ws {

enum class RemovalResult {
    Removed, // deleted, or there was nothing to delete
    InUse,   // the file is there but may not be deleted now (access refused, busy)
    Failed,  // any other failure
};

using RemoveReport = std::function<RemovalResult(const std::string& path)>;

// Deletes the file when one of that name exists.
RemovalResult removeReportFile(const std::string& path);

} // namespace ws
