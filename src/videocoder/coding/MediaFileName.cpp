#include "videocoder/coding/MediaFileName.h"

#include "textfile/RunError.h"

#include <cerrno>
#include <climits>
#include <sys/stat.h>

namespace vc {

bool mediaFileExists(const std::string& name) {
    if (name.find('\0') != std::string::npos) {
        throw textfile::RunError(kBadFileNameError, "Bad file name or number");
    }
    struct stat info {};
    if (::stat(name.c_str(), &info) == 0) {
        return S_ISREG(info.st_mode);
    }
    if (errno == ENAMETOOLONG) {
        throw textfile::RunError(kBadFileNameError, "Bad file name or number");
    }
    return false;
}

} // namespace vc
