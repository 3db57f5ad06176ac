#include "textfile/Files.h"

#include "textfile/RunError.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace textfile {
namespace {

namespace fs = std::filesystem;

// An open descriptor closed on every path out, so a failed save leaks nothing.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    bool close() { return ::close(release()) == 0; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// One read of at most `room` bytes: 0 only at the file's end.
std::size_t readSome(int fd, char* into, std::size_t room) {
    for (;;) {
        const ssize_t n = ::read(fd, into, room);
        if (n >= 0) {
            return static_cast<std::size_t>(n);
        }
        if (errno != EINTR) {
            throw RunError(kPathFileAccessError);
        }
    }
}

// Reads until the end of the file into `bytes` after its first `filled` bytes, in as few reads
// as its size allows. The size is only a hint: a file may grow while it is read, and pipes and
// some system files report none.
void readToEnd(int fd, std::size_t expectedSize, std::string& bytes, std::size_t filled) {
    constexpr std::size_t kMinimumStep = 4096;
    // A spare byte: no growing to find the end. Resized, not assigned: a buffer kept from the
    // file before is not filled again where the read overwrites it.
    bytes.resize(std::max(expectedSize, filled) + 1);
    for (;;) {
        if (filled == bytes.size()) {
            bytes.resize(std::max(bytes.size() * 2, kMinimumStep));
        }
        const std::size_t n = readSome(fd, bytes.data() + filled, bytes.size() - filled);
        if (n == 0) {
            break;
        }
        filled += n;
    }
    bytes.resize(filled);
}

// The rename itself reaches the disk only when the folder is flushed too; a failure
// here does not undo a save that already took place.
void syncFolderOf(const std::string& path) {
    const fs::path folder = fs::path(path).parent_path();
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The system takes a name up to its first NUL byte: a name holding one would reach the file
// its first bytes name, so it names no file at all.
bool holdsNul(const std::string& path) {
    return path.find('\0') != std::string::npos;
}

// A save that failed, with the system's reason for it.
[[noreturn]] void throwSaveFailure(int error) {
    throw RunError(kPathFileAccessError, describeError(kPathFileAccessError), std::strerror(error));
}

} // namespace

std::string temporaryNameFor(const std::string& path) {
    return path + ".saving";
}

bool fileExists(const std::string& path) {
    std::error_code error;
    return !holdsNul(path) && fs::is_regular_file(path, error);
}

std::size_t byteOrderMarkLength(std::string_view bytes) {
    return bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0;
}

std::string readWholeFile(const std::string& path) {
    std::string bytes;
    readWholeFileInto(path, bytes);
    return bytes;
}

void readWholeFileInto(const std::string& path, std::string& bytes) {
    FileReadInSteps file(path);
    file.readRest(bytes, 0);
}

FileReadInSteps::FileReadInSteps(const std::string& path) {
    if (holdsNul(path)) {
        throw RunError(kPathFileAccessError);
    }
    // Not blocking: opening a FIFO must not wait for a writer before it can be refused.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (file.get() < 0) {
        // A path that cannot be looked at counts as missing, as the existence test always took
        // it; a file that is there but will not open is unreadable.
        throw RunError(::stat(path.c_str(), &info) != 0 ? kFileNotFound : kPathFileAccessError);
    }
    // Only a regular file has an end to read to: a device may never end and a FIFO may
    // never be written.
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        throw RunError(kPathFileAccessError);
    }
    expectedSize_ = static_cast<std::size_t>(info.st_size);
    fd_ = file.release();
}

FileReadInSteps::~FileReadInSteps() {
    ::close(fd_);
}

void FileReadInSteps::readStart(std::string& bytes, std::size_t count) {
    bytes.resize(count);
    std::size_t filled = 0;
    while (filled < count) {
        const std::size_t n = readSome(fd_, bytes.data() + filled, count - filled);
        if (n == 0) {
            break;
        }
        filled += n;
    }
    bytes.resize(filled);
}

void FileReadInSteps::readRest(std::string& bytes, std::size_t kept) {
    readToEnd(fd_, expectedSize_, bytes, kept);
}

// Straight to the descriptor: a stream's buffer would only copy the bytes once more
// before the one write they need.
FileWriteError::FileWriteError(std::string path, std::string reason)
    : RunError(kPathFileAccessError), path_(std::move(path)), reason_(std::move(reason)) {}

void appendToFile(const std::string& path, const std::string& bytes) {
    if (holdsNul(path)) {
        throw RunError(kPathFileAccessError);
    }
    Descriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666));
    if (file.get() < 0) {
        throw FileWriteError(path, std::strerror(errno));
    }
    if (!writeAll(file.get(), bytes)) {
        throw FileWriteError(path, std::strerror(errno));
    }
    if (!file.close()) {
        throw FileWriteError(path, std::strerror(errno));
    }
}

std::string savedFileOf(const std::string& path) {
    // As many links as the system itself follows before it gives up on a loop.
    constexpr int kMostLinks = 40;
    if (holdsNul(path)) {
        throw RunError(kPathFileAccessError);
    }
    fs::path file = path;
    for (int links = 0;; ++links) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(file, error))) {
            return file.string();
        }
        if (links == kMostLinks) {
            throw RunError(kPathFileAccessError);
        }
        const fs::path target = fs::read_symlink(file, error);
        if (error) {
            throw RunError(kPathFileAccessError);
        }
        file = target.is_absolute() ? target : file.parent_path() / target;
    }
}

// One temporary name per target: a save killed half way leaves at most this one file,
// which the next save of the same target truncates and reuses.
// Created with mode 0666 so the umask applies as to any new file; never through a link.
AtomicFileWriter::AtomicFileWriter(const std::string& path)
    : target_(savedFileOf(path)), tempPath_(temporaryNameFor(target_)) {
    fd_ = ::open(tempPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd_ < 0) {
        throwSaveFailure(errno);
    }
    // Keep the person's permissions on a file that already exists.
    struct stat old {};
    if (::stat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(fd_, old.st_mode & 07777);
    }
}

AtomicFileWriter::~AtomicFileWriter() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(tempPath_.c_str());
    }
}

void AtomicFileWriter::write(std::string_view bytes) {
    if (fd_ < 0) {
        throw RunError(kPathFileAccessError);
    }
    if (!writeAll(fd_, bytes)) {
        throwSaveFailure(errno);
    }
}

SaveReport AtomicFileWriter::commit() {
    SaveReport report;
    struct stat old {};
    report.separatedFromHardLinks =
        ::stat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode) && old.st_nlink > 1;
    const int fd = fd_;
    fd_ = -1;
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    const bool saved = ::close(fd) == 0 && synced && ::rename(tempPath_.c_str(), target_.c_str()) == 0;
    if (!saved) {
        const int error = errno;
        ::unlink(tempPath_.c_str());
        throwSaveFailure(error);
    }
    syncFolderOf(target_);
    return report;
}

SaveReport saveFileAtomically(const std::string& path, const std::string& bytes) {
    AtomicFileWriter file(path);
    file.write(bytes);
    return file.commit();
}

std::string reportDate(int year, int month, int day) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d", month, day, year);
    return text;
}

} // namespace textfile
