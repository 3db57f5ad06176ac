#include "workstation/analyses/InterObserverPair.h"

#include "workstation/analyses/AgreementPair.h"
#include "workstation/analyses/AgreementReportText.h"
#include "workstation/analyses/InterObserverTimeUnitReport.h"
#include "workstation/analyses/InterObserverTimeUnits.h"
#include "workstation/analyses/InterObserverWindowMethod.h"
#include "workstation/analyses/InterObserverWindowReport.h"
#include "workstation/analyses/KappaMatrixReport.h"
#include "workstation/core/EventFile.h"

#include <cstddef>

namespace ws {
namespace {

enum OutputForm { kNoOutput, kTextForm, kCsvForm };

OutputForm formOf(const Global& g) {
    switch (g.OutputKind) {
    case kTextOutput:
        return kTextForm;
    case kCsvOutput:
    case kNamedFileOutput:
        return kCsvForm;
    default:
        return kNoOutput;
    }
}

void writeWindowSection(const Global& g, platform::Platform& p, const AgreementCounts& counts,
                        const AgreementPair& pair) {
    const OutputForm form = formOf(g);
    if (form == kNoOutput) {
        return;
    }
    appendReportSection(g.OutputFileName, [&](textfile::ReportText& out) {
        if (form == kCsvForm) {
            writeWindowCsv(out, g, g, counts, pair);
        } else {
            writeWindowText(out, g, g, counts, pair, agreementReportDate(p.clock));
        }
    });
}

void writeGroupSections(const Global& g, platform::Platform& p, const AgreementCounts& counts,
                        const AgreementPair& pair, int group, std::int16_t kappaMatrixWanted) {
    const OutputForm form = formOf(g);
    if (form == kNoOutput) {
        return;
    }
    appendReportSection(g.OutputFileName, [&](textfile::ReportText& out) {
        if (form == kCsvForm) {
            writeTimeUnitCsv(out, g, counts, pair, group);
        } else {
            writeTimeUnitText(out, g, g, counts, pair, group, agreementReportDate(p.clock));
        }
    });
    if (kappaMatrixWanted == 0) {
        return;
    }
    appendReportSection(g.OutputFileName, [&](textfile::ReportText& out) {
        if (form == kCsvForm) {
            writeKappaMatrixCsv(out, g, g, counts, pair, group);
        } else {
            writeKappaMatrixText(out, g, counts, pair, group, agreementReportDate(p.clock));
        }
    });
}

void matchTimeUnits(Global& g, platform::Platform& p, AgreementCounts& counts, const AgreementPair& pair,
                    std::int16_t kappaMatrixWanted) {
    removeGroupZeroEvents(g, g, 1);
    removeGroupZeroEvents(g, g, 2);
    collectGroups(g, g, counts);
    for (std::size_t i = 0; i < counts.GroupList.size(); ++i) {
        const int group = counts.GroupList[i];
        if (counts.GroupPresent[i] == 0 || group == 0) {
            continue;
        }
        matchGroupUnits(g, g, counts, group);
        sumGroupMatrix(counts);
        writeGroupSections(g, p, counts, pair, group, kappaMatrixWanted);
        counts.ResetTimeUnitCounts();
    }
}

} // namespace

bool AnalysePair(Global& g, platform::Platform& p, AgreementCounts& counts, const std::string& name1,
                 const std::string& name2, std::int16_t kappaMatrixWanted) {
    counts.ResetAllCounts();
    AgreementPair pair{name1, name2, {}, {}, g.gIOAWindow};
    if (!ReadEventFile(g, p, pair.name1, 1, pair.header1) ||
        !ReadEventFile(g, p, pair.name2, 2, pair.header2)) {
        return false;
    }
    countWindowAgreement(g, g, counts, pair.window);
    writeWindowSection(g, p, counts, pair);
    matchTimeUnits(g, p, counts, pair, kappaMatrixWanted);
    return true;
}

} // namespace ws
