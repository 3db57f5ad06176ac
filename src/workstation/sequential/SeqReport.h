#pragma once
// The two-by-two text report of one table: the givens and targets, the direction and lag,
// the four cells with proportions and expected values, two conditional probabilities and
// the four statistics, of one file's table or of a list's pooled table.

#include "workstation/sequential/SeqResampling.h"
#include "workstation/sequential/SequentialRun.h"

#include <string>
#include <string_view>

namespace ws {

// The report's lines, each ended with CR LF. `date` is mm-dd-yyyy; the " File:" line shows
// dataFileName after its last separator. A pooledFiles above 0 gives the pooled form. With
// `resampled`, the table's resampling test, its results follow the statistics.
std::string SeqReport(const SequentialRun& run, const SeqTable& table, const std::string& dataFileName,
                      const std::string& date, std::int16_t pooledFiles = 0,
                      const ResampleResult* resampled = nullptr);
// The same lines appended to `out`.
void appendSeqReport(std::string& out, const SequentialRun& run, const SeqTable& table,
                     const std::string& dataFileName, const std::string& date, std::int16_t pooledFiles,
                     const ResampleResult* resampled);

enum class SectionForm { TwoByTwo, Level };

// One table's lines from the title to the statistics; `fileText` follows " File:".
std::string seqSection(const SequentialRun& run, const SeqTable& table, const std::string& date,
                       const std::string& fileText, SectionForm form);
void appendSeqSection(std::string& out, const SequentialRun& run, const SeqTable& table,
                      const std::string& date, std::string_view fileText, SectionForm form);

// The lines after a resampling test: its counts with their p values, or the note that the
// table gave too little to resample.
std::string seqResamplingLines(const SequentialRun& run, std::int16_t pooledFiles,
                               const ResampleResult& result);

// A formatted number right-aligned in the report's 8 places; a longer text is written whole.
std::string seqField(const std::string& formatted);
void appendField(std::string& out, std::string_view formatted);

} // namespace ws
