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
// Writes to a temporary file in the same folder, flushes it to disk and renames it over
// the target, so the old file stays whole when anything fails. Throws RunError 75.
void saveFileAtomically(const std::string& path, const std::string& bytes);
// The one temporary file a save of path writes first (reused by every save of path).
std::string temporaryNameFor(const std::string& path);

// mm-dd-yyyy, the date form of every report heading.
std::string reportDate(int year, int month, int day);

} // namespace textfile
