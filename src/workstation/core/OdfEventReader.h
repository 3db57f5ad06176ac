#pragma once
// ODF text: a preamble, a "{start}" line, then one "time code" line per event, with
// "{susp}"/resume pairs cut out of the time line and "{end}" closing the file.

#include "workstation/core/DataFileRead.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ws {

// The time before a line's first blank or comma: seconds with a point become hundredths
// when convertTimes is set. A time that is no number throws RunError 13.
std::int32_t OdfLineTime(std::string_view line, std::int16_t convertTimes);
// The code after a line's first blank or comma, trimmed; "None" for a line with neither.
std::string OdfLineCode(std::string_view line);

// A line's time and its code, trimmed, as a view of the line: OdfLineTime and OdfLineCode of
// it, the line looked through once.
struct OdfLine {
    std::int32_t time = 0;
    std::string_view code;
};
OdfLine splitOdfLine(std::string_view line, std::int16_t convertTimes);

// Reads an ODF file into the slot as ReadEventFile asks; a clean file with the copy setting
// on names its copy's base in the result.
EventReadResult readOdfFile(const DataFileRead& read);

} // namespace ws
