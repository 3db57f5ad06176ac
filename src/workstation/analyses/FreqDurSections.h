#pragma once
// The sections of the frequency and duration report: fixed-column text and
// comma-separated rows, one file's figures or the pooled ones.

#include "workstation/analyses/FreqDurCounts.h"
#include "workstation/core/CodeSet.h"
#include "workstation/core/WorkstationSettings.h"

#include <cstdint>
#include <span>
#include <string>

namespace ws {

struct FreqDurFigures {
    std::string fileName;                    // shown without its folder
    std::string header;                      // the file's header line, or "Pooled"
    std::span<const std::int32_t> frequency; // by code-table row
    std::span<const std::int32_t> duration;
    std::int32_t timeBase = 0; // the file's end time, or the pooled time
};

// Page heading, code rows (a new heading every 55 counted lines) and totals; a file's
// section ends with one more empty line, the pooled section does not.
std::string freqDurTextSection(const CodeSet& set, const WorkstationSettings& settings,
                               const FreqDurCounter& counter, const FreqDurFigures& figures,
                               const std::string& date, bool pooled);

std::string freqDurCsvHeading(const CodeSet& set, const FreqDurCounter& counter);
std::string freqDurCsvRow(const CodeSet& set, const WorkstationSettings& settings,
                          const FreqDurCounter& counter, const FreqDurFigures& figures);

} // namespace ws
