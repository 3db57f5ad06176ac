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

OutputForm FormOf(const Global& g) {
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

void WriteWindowSection(const Global& g, platform::Platform& p, const AgreementCounts& counts,
                        const AgreementPair& pair) {
    const OutputForm form = FormOf(g);
    if (form == kNoOutput) {
        return;
    }
    AppendReportSection(g.OutputFileName, [&](textfile::ReportText& out) {
        if (form == kCsvForm) {
            WriteWindowCsv(out, g, g, counts, pair);
        } else {
            WriteWindowText(out, g, g, counts, pair, AgreementReportDate(p.clock));
        }
    });
}

void WriteGroupSections(const Global& g, platform::Platform& p, const AgreementCounts& counts,
                        const AgreementPair& pair, int group, std::int16_t kappaMatrixWanted) {
    const OutputForm form = FormOf(g);
    if (form == kNoOutput) {
        return;
    }
    AppendReportSection(g.OutputFileName, [&](textfile::ReportText& out) {
        if (form == kCsvForm) {
            WriteTimeUnitCsv(out, g, counts, pair, group);
        } else {
            WriteTimeUnitText(out, g, g, counts, pair, group, AgreementReportDate(p.clock));
        }
    });
    if (kappaMatrixWanted == 0) {
        return;
    }
    AppendReportSection(g.OutputFileName, [&](textfile::ReportText& out) {
        if (form == kCsvForm) {
            WriteKappaMatrixCsv(out, g, g, counts, pair, group);
        } else {
            WriteKappaMatrixText(out, g, counts, pair, group, AgreementReportDate(p.clock));
        }
    });
}

void MatchTimeUnits(Global& g, platform::Platform& p, AgreementCounts& counts, const AgreementPair& pair,
                    std::int16_t kappaMatrixWanted) {
    RemoveGroupZeroEvents(g, g, 1);
    RemoveGroupZeroEvents(g, g, 2);
    CollectGroups(g, g, counts);
    for (std::size_t i = 0; i < counts.GroupList.size(); ++i) {
        const int group = counts.GroupList[i];
        if (counts.GroupPresent[i] == 0 || group == 0) {
            continue;
        }
        MatchGroupUnits(g, g, counts, group);
        SumGroupMatrix(counts);
        WriteGroupSections(g, p, counts, pair, group, kappaMatrixWanted);
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
    CountWindowAgreement(g, g, counts, pair.window);
    WriteWindowSection(g, p, counts, pair);
    MatchTimeUnits(g, p, counts, pair, kappaMatrixWanted);
    return true;
}

} // namespace ws
