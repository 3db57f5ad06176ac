#pragma once
// The window method's report section of one pair.

#include "textfile/ReportText.h"
#include "workstation/analyses/AgreementCounts.h"
#include "workstation/analyses/AgreementPair.h"
#include "workstation/core/CodeSet.h"
#include "workstation/core/WorkstationSettings.h"

#include <string>

namespace ws {

// Fixed-column text: a header, one line per code that occurred, the totals. The totals
// are 16-bit; a total past 32767 fails with an overflow after the lines written so far.
void writeWindowText(textfile::ReportText& out, const CodeSet& set, const WorkstationSettings& settings,
                     const AgreementCounts& counts, const AgreementPair& pair, const std::string& date);
// One comma-separated line with every code row, used or not.
void writeWindowCsv(textfile::ReportText& out, const CodeSet& set, const WorkstationSettings& settings,
                    const AgreementCounts& counts, const AgreementPair& pair);

} // namespace ws
