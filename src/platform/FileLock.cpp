#include "platform/FileLock.h"

#include <cerrno>
#include <csignal>
#include <fstream>

#include <fcntl.h>
#include <unistd.h>

namespace platform {
namespace {

std::string hostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) {
        return {};
    }
    return name;
}

std::string holderText() {
    return std::to_string(::getpid()) + "\n" + hostName() + "\n";
}

// A lock made whole in one step: written under a name of its own, then linked to the lock's
// name, which fails when the lock is there already. No program ever reads a half-written lock.
enum class Made { Made, Exists, Failed };

Made makeLock(const std::string& lockPath) {
    const std::string draft = lockPath + "." + std::to_string(::getpid());
    const int fd = ::open(draft.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) {
        return Made::Failed;
    }
    const std::string text = holderText();
    const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(fd);
    Made made = Made::Failed;
    if (written) {
        made = ::link(draft.c_str(), lockPath.c_str()) == 0 ? Made::Made
               : errno == EEXIST                            ? Made::Exists
                                                            : Made::Failed;
    }
    ::unlink(draft.c_str());
    return made;
}

// A lock is stale when its holder on this host runs no more. One that cannot be read, or
// that names no process, was left by no running program of ours either. A holder on
// another host cannot be asked, so its lock stands.
bool isStale(const std::string& lockPath) {
    std::ifstream in(lockPath);
    if (!in) {
        return false; // gone meanwhile: the next attempt sees
    }
    long pid = 0;
    std::string host;
    if (!(in >> pid) || pid <= 0) {
        return true;
    }
    in >> host;
    if (host != hostName()) {
        return false;
    }
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

} // namespace

std::string lockFileOf(const std::string& path) {
    return path + ".lock";
}

FileLock::Outcome FileLock::lock(const std::string& path) {
    if (holds(path)) {
        return Outcome::Taken;
    }
    unlock();
    const std::string lockPath = lockFileOf(path);
    for (int attempt = 0; attempt < 2; ++attempt) {
        switch (makeLock(lockPath)) {
        case Made::Made:
            held_ = path;
            lockPath_ = lockPath;
            return Outcome::Taken;
        case Made::Failed:
            return Outcome::NotPossible;
        case Made::Exists:
            if (!isStale(lockPath)) {
                return Outcome::HeldElsewhere;
            }
            ::unlink(lockPath.c_str());
            break;
        }
    }
    return Outcome::HeldElsewhere;
}

void FileLock::unlock() {
    if (held_.empty()) {
        return;
    }
    ::unlink(lockPath_.c_str());
    held_.clear();
    lockPath_.clear();
}

} // namespace platform
