#include "workstation/analyses/InterObserverWindowReport.h"

#include "textfile/NumberMask.h"
#include "textfile/Numeric.h"
#include "textfile/Paths.h"
#include "textfile/TextForms.h"
#include "textfile/Utf8Text.h"
#include "workstation/analyses/AgreementReportText.h"
#include "workstation/analyses/KappaStatistics.h"

#include <cstdint>

namespace ws {
namespace {

using textfile::FileNameOnly;
using textfile::formatMask;

constexpr std::size_t kDescriptionWidth = 15;

void writeWindowHeader(textfile::ReportText& out, const WorkstationSettings& settings,
                       const AgreementPair& pair, const std::string& date) {
    out.line();
    out.line(std::string(80, '*'));
    out.line(" Window Method Inter-observer Agreement Report - Date: " + date +
             "   Window Size:" + textfile::joinedNumber(settings.gIOAWindow));
    out.line();
    out.line(" File name 1: " + FileNameOnly(pair.name1));
    out.line(" " + pair.header1);
    out.line(" File name 2: " + FileNameOnly(pair.name2));
    out.line(" " + pair.header2);
    out.line("   Code File: " + FileNameOnly(settings.Code_File));
    out.line();
    out.text(" Code").tab(16).text("Frq1").tab(26).text("Frq2").tab(34).text("Agrmt.");
    out.tab(43).text("Disgrmt.").tab(53).text("A/(A+D)").tab(62).text("Description").endLine();
    out.line(std::string(78, '-'));
}

// Frq1, Frq2, agreements, disagreements and the ratio at tabs 10 to 50, then the tab to 62.
void writeFigures(textfile::ReportText& out, std::int32_t frq1, std::int32_t frq2, std::int32_t agreements,
                  std::int32_t disagreements) {
    const std::int32_t figures[] = {frq1, frq2, agreements, disagreements};
    int column = 10;
    for (const std::int32_t figure : figures) {
        out.tab(column).right(formatMask(figure, "########0"), 10);
        column += 10;
    }
    const float ratio = singleRatio(agreements, std::int64_t{agreements} + disagreements);
    out.tab(50).right(formatMask(ratio, "0.00000", textfile::Precision::Single), 10);
    out.tab(62);
}

// The text totals are 16-bit counters.
void addToTotal(std::int16_t& total, std::int32_t count) {
    total = textfile::toInt16(static_cast<double>(total) + count);
}

} // namespace

void writeWindowText(textfile::ReportText& out, const CodeSet& set, const WorkstationSettings& settings,
                     const AgreementCounts& counts, const AgreementPair& pair, const std::string& date) {
    writeWindowHeader(out, settings, pair, date);
    std::int16_t totalFrq1 = 0, totalFrq2 = 0, totalAgreements = 0, totalDisagreements = 0;
    const CountTable& w = counts.WindowCounts;
    for (int row = 1; row <= counts.numCodes; ++row) {
        if (std::int64_t{w(row, kAgreements)} + w(row, kDisagreements) != 0) {
            out.text(" " + set.CodeTable.code(row));
            writeFigures(out, w(row, kFrq1), w(row, kFrq2), w(row, kAgreements), w(row, kDisagreements));
            out.text(textfile::firstCharacters(set.CodeTable.description(row), kDescriptionWidth)).endLine();
        }
        addToTotal(totalFrq1, w(row, kFrq1));
        addToTotal(totalFrq2, w(row, kFrq2));
        addToTotal(totalAgreements, w(row, kAgreements));
        addToTotal(totalDisagreements, w(row, kDisagreements));
    }
    if (totalAgreements + totalDisagreements != 0) {
        out.line();
        out.text(" TOTALS");
        writeFigures(out, totalFrq1, totalFrq2, totalAgreements, totalDisagreements);
        out.endLine();
    }
}

void writeWindowCsv(textfile::ReportText& out, const CodeSet& set, const WorkstationSettings& settings,
                    const AgreementCounts& counts, const AgreementPair& pair) {
    out.text(quoted("Window Method") + ", 0,");
    out.text(quoted(FileNameOnly(pair.name1)) + "," + quoted(pair.header1) + ",");
    out.text(quoted(FileNameOnly(pair.name2)) + "," + quoted(pair.header2) + ",");
    out.text(quoted(FileNameOnly(settings.Code_File)));
    const CountTable& w = counts.WindowCounts;
    for (int row = 1; row <= counts.numCodes; ++row) {
        out.text("," + quoted(set.CodeTable.code(row)));
        for (const int column : {kFrq1, kFrq2, kAgreements, kDisagreements}) {
            out.text("," + textfile::printNumber(w(row, column)));
        }
    }
    out.endLine();
}

} // namespace ws
