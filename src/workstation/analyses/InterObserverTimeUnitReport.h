#pragma once
// The time-unit matching section of one code group.

#include "textfile/ReportText.h"
#include "workstation/analyses/AgreementCounts.h"
#include "workstation/analyses/AgreementPair.h"
#include "workstation/core/CodeSet.h"
#include "workstation/core/WorkstationSettings.h"

#include <string>

namespace ws {

// Fixed-column text: a page header, then one line per code of the group; the page header
// is written again after every 44 code lines.
void writeTimeUnitText(textfile::ReportText& out, const CodeSet& set, const WorkstationSettings& settings,
                       const AgreementCounts& counts, const AgreementPair& pair, int group,
                       const std::string& date);
// The whole group as one comma-separated line.
void writeTimeUnitCsv(textfile::ReportText& out, const CodeSet& set, const AgreementCounts& counts,
                      const AgreementPair& pair, int group);

} // namespace ws
