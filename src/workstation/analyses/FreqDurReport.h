#pragma once
// The frequency and duration report: for one event file or every file of a list, how
// often each code occurs and how long it is on, and for a list the pooled figures.
// Appends to OutputFileName, as text (OutputKind kTextOutput) or comma-separated rows.

#include "platform/Platform.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/core/Global.h"

namespace ws {

void FreqDurReport(Global& g, platform::Platform& p, AnalysisStatus& status);

} // namespace ws
