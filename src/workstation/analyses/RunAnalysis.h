#pragma once
// The runner behind the analysis dialog's pick button: asks for the data or list file,
// names and clears the report, sets the run state and starts the analysis that the
// dialog's title names.

#include "platform/Platform.h"
#include "workstation/analyses/AnalysisRoutes.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/analyses/ReportRemoval.h"
#include "workstation/core/Global.h"
#include "workstation/core/ProgramTitle.h"

#include <string>

namespace ws {

enum class ReportDestination {
    TextEditor,  // Option5: <data file>.txt
    Spreadsheet, // Option6: <data file>.csv
    NamedFile,   // Option7: the file in Text1, appended to
};

// What the person chose in the analysis dialog.
struct AnalysisChoices {
    bool listFile = false;     // Option4 rather than Option1
    bool skipToPooled = false; // Check1
    ReportDestination destination = ReportDestination::TextEditor;
    std::string namedReport; // Text1
};

// The title is read from the status (Label1); progress goes to it as well.
void RunAnalysis(const AnalysisChoices& choices, Global& g, platform::Platform& p, AnalysisStatus& status,
                 const AnalysisRoutes& routes, const RemoveReport& removeReport = removeReportFile);

} // namespace ws
