#pragma once
// The two-by-two text report of one table: the givens and targets, the direction and lag,
// the four cells with proportions and expected values, two conditional probabilities and
// the four statistics, of one file's table or of a list's pooled table.

#include "workstation/sequential/SequentialRun.h"

#include <string>

namespace ws {

// The report's lines, each ended with CR LF. `date` is mm-dd-yyyy; the " File:" line shows
// dataFileName after its last separator.
std::string SeqReport(const SequentialRun& run, const SeqTable& table, const std::string& dataFileName,
                      const std::string& date);

// A formatted number right-aligned in the report's 8 places; a longer text is written whole.
std::string seqField(const std::string& formatted);

} // namespace ws
