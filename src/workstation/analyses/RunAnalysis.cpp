#include "workstation/analyses/RunAnalysis.h"

#include "platform/NotAvailable.h"
#include "textfile/Files.h"
#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "textfile/TextCase.h"
#include "workstation/analyses/AnalysisKind.h"
#include "workstation/analyses/CheckDataFiles.h"
#include "workstation/analyses/FreqDurReport.h"
#include "workstation/analyses/InterObserverAgreement.h"
#include "workstation/core/ListFile.h"

#include <optional>

namespace ws {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using textfile::kFalse;
using textfile::kTrue;

const std::string kAgreementLabel = " Inter-observer Agreement Report";

bool blankName(const std::string& name) {
    return name.find_first_not_of(' ') == std::string::npos;
}

platform::FileDialogRequest inputFileRequest(bool listFile) {
    platform::FileDialogRequest request;
    request.flags = platform::kHideReadOnly;
    if (listFile) {
        request.title = "Pick the list file to open...";
        request.filter = "TALVOR List Files (*.lst)|*.lst|All Files (*.*)|*.*";
    } else {
        request.title = "Pick the data file to open...";
        request.filter =
            "TALVOR/VTRS Data Files (*.eve;*.qvd;*.txt;*.slt;*.odf)|*.eve;*.qvd;*.txt;*.slt;*.odf|"
            "All Files (*.*)|*.*";
    }
    return request;
}

// Whether the analysis the title names can be started at all in this program.
bool routeReady(AnalysisKind kind, const AnalysisRoutes& routes) {
    switch (kind) {
    case AnalysisKind::SecondAgreementFile:
    case AnalysisKind::DataFileChecking:
    case AnalysisKind::FrequencyAndDuration:
    case AnalysisKind::InterObserverAgreement:
        return true;
    case AnalysisKind::DataFileRecoding:
        return routes.showRecode && routes.fileRecode;
    case AnalysisKind::MultiGroup:
        return routes.multiLevSetup && routes.showMultilev && routes.multiGroupFreqDur;
    case AnalysisKind::Sequential:
        return static_cast<bool>(routes.showSequence);
    }
    return false;
}

void nameReport(const AnalysisChoices& choices, Global& g) {
    switch (choices.destination) {
    case ReportDestination::TextEditor:
        g.OutputFileName = g.DataFileName + ".txt";
        g.OutputKind = kTextOutput;
        break;
    case ReportDestination::Spreadsheet:
        g.OutputFileName = g.DataFileName + ".csv";
        g.OutputKind = kCsvOutput;
        break;
    case ReportDestination::NamedFile:
        g.OutputFileName = choices.namedReport;
        g.OutputKind = kNamedFileOutput;
        break;
    }
}

// False when the person gave up on a report that another program holds open.
bool clearOldReport(Global& g, platform::Platform& p, const RemoveReport& removeReport) {
    if (g.OutputKind == kNamedFileOutput) {
        return true; // a named report is appended to, run after run
    }
    while (removeReport(g.OutputFileName) == RemovalResult::InUse) {
        const Answer answer = p.dialogs.messageBox(
            "The output file is already open\r\nYou need to close it in your helper program.", "Oops!",
            Buttons::RetryCancel, Icon::None);
        if (answer != Answer::Retry) {
            g.AbortRun = kTrue;
            return false;
        }
    }
    return true;
}

// The list-of-lists flag lives only as long as the run, whichever way the run ends.
class ListOfListsScope {
public:
    explicit ListOfListsScope(Global& g) : g_(g) {}
    ListOfListsScope(const ListOfListsScope&) = delete;
    ListOfListsScope& operator=(const ListOfListsScope&) = delete;
    ~ListOfListsScope() { g_.ListOfListsActive = kFalse; }

private:
    Global& g_;
};

enum class PassEnd { Continue, EndRun };

PassEnd runOnePass(AnalysisKind kind, bool firstPass, std::int16_t& kappaMatrixWanted, Global& g,
                   platform::Platform& p, AnalysisStatus& status, const AnalysisRoutes& routes) {
    const bool everyPass = g.ListOfListsMode == kFalse;
    switch (kind) {
    case AnalysisKind::SecondAgreementFile:
        g.DataFileName = g.IOAFirstFileName + '\r' + g.DataFileName;
        status.setLabel(kAgreementLabel);
        status.redraw();
        InterObserverAgreement(g, p, status, kappaMatrixWanted);
        break;
    case AnalysisKind::DataFileChecking:
        CheckDataFiles(g, p, status);
        break;
    case AnalysisKind::DataFileRecoding: {
        // The window recodes only when asked; a list of lists carries its choice to the later lists.
        const bool recodedInWindow = (firstPass || everyPass) && routes.showRecode();
        if (g.AbortRun != kFalse) {
            return PassEnd::EndRun;
        }
        if (!recodedInWindow) {
            routes.fileRecode();
        }
        break;
    }
    case AnalysisKind::FrequencyAndDuration:
        FreqDurReport(g, p, status);
        break;
    case AnalysisKind::InterObserverAgreement:
        InterObserverAgreement(g, p, status, kappaMatrixWanted);
        status.setLabel(kAgreementLabel);
        break;
    case AnalysisKind::MultiGroup:
        if (firstPass || everyPass) {
            g.RunCancelled = kFalse;
            routes.multiLevSetup();
            if (g.RunCancelled != kFalse) {
                return PassEnd::EndRun;
            }
            routes.showMultilev();
        }
        if (g.AbortRun != kFalse) {
            return PassEnd::EndRun;
        }
        routes.multiGroupFreqDur();
        break;
    case AnalysisKind::Sequential:
        if (g.InputMode == kListFileInput) {
            const std::string type = listTypeOrNothing(g.DataFileName);
            if (type != "Interval Files" && type != kEventFilesList && type != "Toggle Files") {
                p.dialogs.messageBox("Not a valid list: " + g.DataFileName, "Error!", Buttons::OK,
                                     Icon::None);
                break;
            }
        }
        routes.showSequence();
        break;
    }
    return PassEnd::Continue;
}

} // namespace

void RunAnalysis(const AnalysisChoices& choices, Global& g, platform::Platform& p, AnalysisStatus& status,
                 const AnalysisRoutes& routes, const RemoveReport& removeReport) {
    g.RunCancelled = kFalse;
    g.ListOfListsMode = kFalse;
    g.AbortRun = kFalse;
    const AnalysisKind kind = analysisKindOf(status.label());
    if (!routeReady(kind, routes)) {
        platform::sayNotAvailable(p.dialogs, "The " + textfile::trimBlanks(status.label()), kProgramTitle);
        g.AbortRun = kTrue; // nothing ran, so there is no report to show
        return;
    }

    const std::string picked = p.dialogs.openFile(inputFileRequest(choices.listFile));
    if (blankName(picked)) {
        g.RunCancelled = kTrue;
        return;
    }
    // A typed name that names nothing must not cost the person the report of that name.
    if (!textfile::fileExists(picked)) {
        p.dialogs.messageBox(picked, "File Not Found", Buttons::OK, Icon::Exclamation);
        g.RunCancelled = kTrue;
        return;
    }
    g.DataFileName = picked;

    // The first file of a pair only waits for its partner; the second step owns the report.
    // This step writes none, so whatever the last run named must not be shown, whichever
    // way the second showing of the dialog ends.
    if (kind == AnalysisKind::InterObserverAgreement && !choices.listFile) {
        g.IOAFirstFileName = g.DataFileName;
        g.IOAFirstFileTaken = kTrue;
        g.OutputFileName.clear();
        g.AbortRun = kTrue;
        return;
    }

    ListOfListsScope listOfListsScope(g);
    g.OutputFileName.clear();
    if (choices.listFile) {
        g.InputMode = kListFileInput;
        g.SkipToPooled = choices.skipToPooled ? 1 : 0;
        if (listTypeOrNothing(g.DataFileName) == kListFilesList) {
            g.ListOfListsMode = kTrue;
            g.ListOfListsActive = kTrue;
        }
    } else {
        g.InputMode = kSingleFileInput;
        g.SkipToPooled = 0;
    }
    nameReport(choices, g);
    if (!clearOldReport(g, p, removeReport)) {
        return;
    }

    std::optional<ListFileReader> lists;
    int passes = 1;
    if (g.ListOfListsMode != kFalse) {
        try {
            lists.emplace(g.DataFileName);
            passes = lists->readCount();
        } catch (const textfile::RunError& e) {
            p.dialogs.messageBox(e.description() + " - " + g.DataFileName, "ERROR!", Buttons::OK,
                                 Icon::Exclamation);
            g.DataFileName.clear();
            return;
        }
    }

    g.AbortRun = kFalse;
    std::int16_t kappaMatrixWanted = kFalse;
    if ((kind == AnalysisKind::InterObserverAgreement && g.InputMode == kListFileInput) ||
        kind == AnalysisKind::SecondAgreementFile) {
        if (p.dialogs.messageBox("Do you want the Kappa Matrix in the file?", kProgramTitle, Buttons::YesNo,
                                 Icon::None) == Answer::Yes) {
            kappaMatrixWanted = kTrue;
        }
    }

    const std::string listOfLists = g.DataFileName;
    for (int pass = 1; pass <= passes; ++pass) {
        if (lists) {
            try {
                g.DataFileName = lists->readEntryField();
            } catch (const textfile::RunError& e) {
                // The list promised more entries than it holds.
                p.dialogs.messageBox(e.description() + " - " + listOfLists, "ERROR!", Buttons::OK,
                                     Icon::Exclamation);
                break;
            }
            // Each pass takes its entry as a list of data files. One that is a list of lists
            // again (the list itself, say) would fail every pass alike, with a box each time.
            if (listTypeOrNothing(g.DataFileName) == kListFilesList) {
                p.dialogs.messageBox("A list of lists cannot name a list of lists: " + g.DataFileName + "\r" +
                                         "The run stops here.",
                                     "ERROR!", Buttons::OK, Icon::Exclamation);
                break;
            }
            g.InputMode = kListFileInput;
        }
        if (runOnePass(kind, pass == 1, kappaMatrixWanted, g, p, status, routes) == PassEnd::EndRun) {
            return;
        }
        if (g.AbortRun != kFalse) {
            break;
        }
    }
    g.DataFileName.clear();
}

} // namespace ws
