#pragma once
// A lock beside a file that a program has open for writing back: "<file>.lock", holding the
// process id and host name of its holder. A second program that finds it refuses the file;
// a lock whose holder on this host has ended (a crash, a kill) is stale and taken over.
// The lock guards only against programs that take it too.

#include <string>

namespace platform {

class FileLock {
public:
    enum class Outcome {
        Taken,         // this lock now holds the file
        HeldElsewhere, // a running program holds it
        NotPossible,   // no lock file can be made there (a read-only folder): the file is not guarded
    };

    FileLock() = default;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock() { unlock(); }

    // Takes the lock of `path`, letting go of any other file this lock held first. Taking the
    // file this lock already holds changes nothing.
    Outcome lock(const std::string& path);
    // Removes the lock file, when this lock holds one.
    void unlock();
    bool holds(const std::string& path) const { return !held_.empty() && held_ == path; }

private:
    std::string held_;     // the file held; "" = none
    std::string lockPath_; // its lock file
};

// The lock file of a file.
std::string lockFileOf(const std::string& path);

} // namespace platform
