#pragma once
// The Kappa matrix of one code group (observer 1's codes as rows, observer 2's as columns,
// in time units) and the group's summary.

#include "textfile/ReportText.h"
#include "workstation/analyses/AgreementCounts.h"
#include "workstation/analyses/AgreementPair.h"
#include "workstation/core/CodeSet.h"
#include "workstation/core/WorkstationSettings.h"

#include <string>

namespace ws {

// Text: only the codes that occur in either file (by the window method's Frq1 and Frq2).
void writeKappaMatrixText(textfile::ReportText& out, const CodeSet& set, const AgreementCounts& counts,
                          const AgreementPair& pair, int group, const std::string& date);
// Comma-separated: every code of the group. With no unit coded by both observers the
// ratio of the summary line is "Undefined".
void writeKappaMatrixCsv(textfile::ReportText& out, const CodeSet& set, const WorkstationSettings& settings,
                         const AgreementCounts& counts, const AgreementPair& pair, int group);

} // namespace ws
