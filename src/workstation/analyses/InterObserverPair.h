#pragma once
// One pair of observers' files through both methods of the agreement analysis.

#include "platform/Platform.h"
#include "workstation/analyses/AgreementCounts.h"
#include "workstation/core/Global.h"

#include <cstdint>
#include <string>

namespace ws {

// Reads name1 into slot 1 and name2 into slot 2, then appends the window method's section
// and, group by group, the time-unit section and (when wanted) the Kappa matrix to the
// report. False when the reader refused a file: its error lines are the pair's only output.
// Other failures throw.
bool AnalysePair(Global& g, platform::Platform& p, AgreementCounts& counts, const std::string& name1,
                 const std::string& name2, std::int16_t kappaMatrixWanted);

} // namespace ws
