#pragma once
// Reads a second-by-second file back: a time value and then one quoted text per group
// column, record after record, to the end of the file.

#include <cstdint>
#include <string>
#include <vector>

namespace ws {

struct SecBySecRecord {
    std::int32_t time = 0;
    std::vector<std::string> codes; // one per group column
};

// Throws textfile::RunError: 53 for a missing file, 62 for a record cut short, 13 or 6 for
// a time that is no 32-bit number.
std::vector<SecBySecRecord> ReadSecBySecFile(const std::string& path, int groupCount);
std::vector<SecBySecRecord> ReadSecBySecBytes(std::string bytes, int groupCount);

} // namespace ws
