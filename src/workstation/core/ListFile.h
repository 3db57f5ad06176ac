#pragma once
// List files (.lst): a type line, an entry count, then one path per line.

#include "textfile/FieldReader.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ws {

inline const std::string kEventFilesList = "Event Files";
inline const std::string kListFilesList = "List Files";

// Reads a list file the way the analyses do: the type as one field, the count as a
// 16-bit number, the entries as whole lines on demand. Failures throw textfile::RunError.
class ListFileReader {
public:
    explicit ListFileReader(const std::string& path);
    const std::string& type() const { return type_; }
    // Reads the count line (call once, after the type).
    std::int16_t readCount();
    // The next entry as a whole line.
    std::string readEntry() { return reader_.readLine(); }
    // The next entry read as a comma-delimited field (cut at a comma).
    std::string readEntryField() { return reader_.readText(); }
    // The one walk over a list's entries: each of the next `count` entries, numbered from 1,
    // goes to `step` in order until a step answers false (the walk then gives false). With
    // `shortListEnds` a list holding fewer entries than its count ends at its last one;
    // otherwise the missing entry throws as readEntry does.
    bool walkEntries(int count, const std::function<bool(int number, const std::string& entry)>& step,
                     bool shortListEnds = false);

private:
    textfile::FieldReader reader_;
    std::string type_;
};

// Just the type line of a list file (throws textfile::RunError when it cannot be read).
std::string readListType(const std::string& path);
// The type line, or "" when the file cannot be read as a list: a caller asking whether a
// file is a list of some type takes "cannot be read" as "not that type".
std::string listTypeOrNothing(const std::string& path);

// The bytes of a list file: the type and the count in print form, then each entry as it
// stands, every line ended with CR LF.
std::string listFileBytes(const std::string& type, const std::vector<std::string>& entries);
// Saves a list file whole (the old file stays as it was when that fails: RunError 75).
void writeListFile(const std::string& path, const std::string& type, const std::vector<std::string>& entries);

} // namespace ws
