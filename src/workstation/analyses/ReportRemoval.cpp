#include "workstation/analyses/ReportRemoval.h"

#include "textfile/Files.h"

#include <cerrno>
#include <cstdio>

namespace ws {

RemovalResult removeReportFile(const std::string& path) {
    if (!textfile::fileExists(path)) {
        return RemovalResult::Removed;
    }
    if (std::remove(path.c_str()) == 0) {
        return RemovalResult::Removed;
    }
    switch (errno) {
    case EACCES:
    case EPERM:
    case EBUSY:
    case ETXTBSY:
    case EROFS:
        return RemovalResult::InUse;
    default:
        return RemovalResult::Failed;
    }
}

} // namespace ws
