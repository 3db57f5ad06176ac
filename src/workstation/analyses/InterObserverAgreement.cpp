#include "workstation/analyses/InterObserverAgreement.h"

#include "textfile/Paths.h"
#include "textfile/RunError.h"
#include "textfile/TextForms.h"
#include "workstation/analyses/AgreementCounts.h"
#include "workstation/analyses/InterObserverPair.h"
#include "workstation/core/ListFile.h"

#include <cmath>
#include <new>
#include <stdexcept>

namespace ws {
namespace {

using textfile::FileNameOnly;

// Error numbers for failures that carry none of their own.
constexpr int kOutOfMemory = 7;
constexpr int kInternalError = 51;

void reportFatalError(platform::Platform& p, int number) {
    p.dialogs.beep();
    p.dialogs.messageBox("Fatal error in IOA Routine\rCall Pell Dask and Report IOA Error #" +
                             textfile::joinedNumber(number),
                         "ERROR!", platform::Buttons::OK, platform::Icon::None);
}

void runList(Global& g, platform::Platform& p, AnalysisStatus& status, AgreementCounts& counts,
             std::int16_t kappaMatrixWanted) {
    ListFileReader list(g.DataFileName);
    if (list.type() != kEventFilesList) {
        p.dialogs.beep();
        p.dialogs.messageBox("Not a valid list: " + FileNameOnly(g.DataFileName), "ERROR!",
                             platform::Buttons::OK, platform::Icon::None);
        return;
    }
    g.InputMode = kSingleFileInput;
    const int pairs = list.readCount() / 2;
    status.showProgress(true);
    for (int i = 1; i <= pairs; ++i) {
        const std::string name1 = list.readEntry();
        const std::string name2 = list.readEntry();
        status.setLabel("Processing file(s): |" + FileNameOnly(name1) + "|" + FileNameOnly(name2) + "-" +
                        std::to_string(i));
        status.redraw();
        if (!AnalysePair(g, p, counts, name1, name2, kappaMatrixWanted)) {
            return;
        }
        status.setProgress(static_cast<int>(std::nearbyint(100.0 * i / pairs)));
    }
}

void runSinglePair(Global& g, platform::Platform& p, AgreementCounts& counts,
                   std::int16_t kappaMatrixWanted) {
    std::string name1, name2;
    splitPairNames(g.DataFileName, name1, name2);
    AnalysePair(g, p, counts, name1, name2, kappaMatrixWanted);
}

} // namespace

void splitPairNames(const std::string& joined, std::string& name1, std::string& name2) {
    const auto split = joined.find('\r');
    if (split == std::string::npos) {
        throw textfile::RunError(textfile::kInvalidArgument);
    }
    name1 = joined.substr(0, split);
    name2 = joined.substr(split + 1);
}

void InterObserverAgreement(Global& g, platform::Platform& p, AnalysisStatus& status,
                            std::int16_t kappaMatrixWanted) {
    try {
        AgreementCounts counts(g.NumCodes);
        status.setBusy(true);
        status.enablePick(false);
        status.setLabel("Processing file(s):" + FileNameOnly(g.DataFileName));
        status.redraw();
        if (g.InputMode == kListFileInput) {
            runList(g, p, status, counts, kappaMatrixWanted);
        } else {
            runSinglePair(g, p, counts, kappaMatrixWanted);
        }
    } catch (const textfile::RunError& error) {
        reportFatalError(p, error.number());
    } catch (const std::bad_alloc&) {
        reportFatalError(p, kOutOfMemory);
    } catch (const std::out_of_range&) {
        reportFatalError(p, textfile::kSubscriptOutOfRange);
    } catch (const std::exception&) {
        reportFatalError(p, kInternalError);
    }
    status.setBusy(false);
}

} // namespace ws
