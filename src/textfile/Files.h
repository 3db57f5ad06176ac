#pragma once
// Whole-file reads, appends and safe saves. Failures throw RunError.

#include "textfile/RunError.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace textfile {

bool fileExists(const std::string& path); // a regular file of that name exists
// A name holding a NUL byte names no file: reading it throws RunError 75, as saving to it does.
// Throws RunError 53 when missing, 75 when unreadable or not a regular file (a device,
// a FIFO, a folder), which is refused without reading from it.
std::string readWholeFile(const std::string& path);
// readWholeFile() into `bytes`, whose buffer a reader of many files keeps from one to the next.
void readWholeFileInto(const std::string& path, std::string& bytes);
// A file read in two steps, its start and then the rest, so that a caller can use the start
// before the rest is in. It is opened and refused as readWholeFile() opens and refuses it.
class FileReadInSteps {
public:
    explicit FileReadInSteps(const std::string& path);
    ~FileReadInSteps();
    FileReadInSteps(const FileReadInSteps&) = delete;
    FileReadInSteps& operator=(const FileReadInSteps&) = delete;

    // The size the file had when it was opened: a hint, as a file may grow while it is read.
    std::size_t expectedSize() const { return expectedSize_; }
    // The file's first `count` bytes into `bytes`; fewer only when the file ends sooner.
    void readStart(std::string& bytes, std::size_t count);
    // The rest of the file into `bytes` after its first `kept` bytes: those of the start, or
    // none for a whole read into a buffer kept from a file before.
    void readRest(std::string& bytes, std::size_t kept);

private:
    int fd_ = -1;
    std::size_t expectedSize_ = 0;
};
// 3 when the bytes begin with a UTF-8 byte-order mark, which editors put before a text's
// first line and readers step over; otherwise 0.
std::size_t byteOrderMarkLength(std::string_view bytes);
// RunError 75 that also keeps the file it could not write and the system's reason.
class FileWriteError : public RunError {
public:
    FileWriteError(std::string path, std::string reason);
    const std::string& path() const { return path_; }
    const std::string& reason() const { return reason_; }

private:
    std::string path_;
    std::string reason_;
};

// Appends bytes, creating the file when needed; throws FileWriteError when it cannot.
void appendToFile(const std::string& path, const std::string& bytes);

// What a save tells its caller beyond success.
struct SaveReport {
    // The file had other hard links: they keep the old bytes, and the saved name alone holds
    // the new ones (a whole-file save never writes into the old file's bytes).
    bool separatedFromHardLinks = false;
};

// A kept file written in parts: the parts go to the temporary file of the save and commit()
// puts them in place whole. Dropped without commit(), it leaves the old file as it was.
// A path that is a symbolic link is saved through it: the link stays, its target (in the
// target's folder, under the target's name) gets the new bytes. Failures throw RunError 75.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(const std::string& path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    void write(std::string_view bytes);
    // Flushes the bytes to disk and renames them over the target.
    SaveReport commit();

private:
    std::string target_; // the path the link names, followed to its end
    std::string tempPath_;
    int fd_ = -1;
};

// Writes to a temporary file in the same folder, flushes it to disk and renames it over
// the target, so the old file stays whole when anything fails. Throws RunError 75.
SaveReport saveFileAtomically(const std::string& path, const std::string& bytes);
// The one temporary file a save of path writes first (reused by every save of path).
std::string temporaryNameFor(const std::string& path);
// The file a save of path writes: path itself, or the end of the chain of symbolic links
// it starts (a link's relative target counts from the link's folder). Throws RunError 75
// for a chain that does not end.
std::string savedFileOf(const std::string& path);

// mm-dd-yyyy, the date form of every report heading.
std::string reportDate(int year, int month, int day);

} // namespace textfile
