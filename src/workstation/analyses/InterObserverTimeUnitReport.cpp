#include "workstation/analyses/InterObserverTimeUnitReport.h"

#include "textfile/NumberMask.h"
#include "textfile/Paths.h"
#include "textfile/TextForms.h"
#include "workstation/analyses/AgreementReportText.h"
#include "workstation/analyses/InterObserverTimeUnits.h"
#include "workstation/analyses/KappaStatistics.h"

namespace ws {
namespace {

using textfile::formatMask;

constexpr int kLinesAfterHeader = 11;
constexpr int kLinesPerPage = 55;

void writePageHeader(textfile::ReportText& out, const WorkstationSettings& settings,
                     const AgreementPair& pair, int group, const std::string& date) {
    out.line();
    out.line(std::string(80, '*'));
    out.line(" Time Unit Matching Inter-observer Agreement Report - Date: " + date);
    out.line();
    writeGroupFileLines(out, pair, group);
    out.line("   Code File: " + textfile::FileNameOnly(settings.Code_File));
    out.line();
    out.text(" Code").tab(8).text("    Dur1").tab(16).text("    Dur2").tab(24).text(" Occ Agr");
    out.tab(32).text("  NO Agr").tab(40).text("  Disagr").tab(48).text(" OARatio").tab(56).text(" NARatio");
    out.tab(64).text(" A/(A+D)").tab(72).text("  Kappa").endLine();
    out.line(std::string(79, '-'));
}

std::string count(std::int32_t value) {
    return formatMask(value, "########0");
}

std::string ratio(float value) {
    return formatMask(value, "0.0000", textfile::Precision::Single);
}

} // namespace

void writeTimeUnitText(textfile::ReportText& out, const CodeSet& set, const WorkstationSettings& settings,
                       const AgreementCounts& counts, const AgreementPair& pair, int group,
                       const std::string& date) {
    writePageHeader(out, settings, pair, group, date);
    int lineCount = kLinesAfterHeader;
    for (const int row : codesOfGroup(set, group)) {
        const CodeAgreementFigures f = figuresOfCode(counts.TimeUnitCounts, row);
        out.text(" " + set.CodeTable.code(row));
        out.tab(9).right(count(f.dur1), 7);
        out.tab(16).right(count(f.dur2), 8);
        out.tab(24).right(count(f.occAgr), 8);
        out.tab(32).right(count(f.noAgr), 8);
        out.tab(40).right(count(f.disagr), 8);
        out.tab(48).right(ratio(f.oaRatio), 8);
        out.tab(56).right(ratio(f.naRatio), 8);
        out.tab(64).right(ratio(f.agreementRatio), 8);
        out.tab(72).right(ratio(f.kappa), 8);
        out.endLine();
        if (++lineCount == kLinesPerPage) {
            writePageHeader(out, settings, pair, group, date);
            lineCount = kLinesAfterHeader;
        }
    }
}

void writeTimeUnitCsv(textfile::ReportText& out, const CodeSet& set, const AgreementCounts& counts,
                      const AgreementPair& pair, int group) {
    out.text(quoted("Time Unit Matching Method Group: ") + "," + textfile::printNumber(group) + ",");
    out.text(quoted(textfile::FileNameOnly(pair.name1)) + "," + quoted(pair.header1) + ",");
    out.text(quoted(textfile::FileNameOnly(pair.name2)) + "," + quoted(pair.header2));
    for (const int row : codesOfGroup(set, group)) {
        const CodeAgreementFigures f = figuresOfCode(counts.TimeUnitCounts, row);
        out.text("," + quoted(set.CodeTable.code(row)));
        for (const std::int32_t count : {f.dur1, f.dur2, f.occAgr, f.noAgr, f.disagr}) {
            out.text("," + textfile::printNumber(count));
        }
        for (const float figure : {f.oaRatio, f.naRatio, f.agreementRatio, f.kappa}) {
            out.text("," + printSingle(figure));
        }
    }
    out.endLine();
}

} // namespace ws
