#include "workstation/analyses/KappaMatrixReport.h"

#include "textfile/NumberMask.h"
#include "textfile/Paths.h"
#include "textfile/TextForms.h"
#include "textfile/Utf8Text.h"
#include "workstation/analyses/AgreementReportText.h"
#include "workstation/analyses/InterObserverTimeUnits.h"
#include "workstation/analyses/KappaStatistics.h"

#include <cstddef>

namespace ws {
namespace {

using textfile::formatMask;

constexpr std::size_t kCodeWidth = 7;

// A code right-aligned in 7 characters; a longer code keeps its last 7.
std::string codeColumn(const std::string& code) {
    const std::size_t width = textfile::characterCount(code);
    if (width >= kCodeWidth) {
        return std::string(textfile::lastCharacters(code, kCodeWidth));
    }
    return std::string(kCodeWidth - width, ' ') + code;
}

std::string cell(std::int32_t units) {
    return formatMask(units, " ######0");
}

std::string figure(float value) {
    return formatMask(value, " #.#####0", textfile::Precision::Single);
}

std::vector<int> codesInEitherFile(const CodeSet& set, const AgreementCounts& counts, int group) {
    std::vector<int> taken;
    for (const int row : codesOfGroup(set, group)) {
        if (std::int64_t{counts.WindowCounts(row, kFrq1)} + counts.WindowCounts(row, kFrq2) != 0) {
            taken.push_back(row);
        }
    }
    return taken;
}

} // namespace

void writeKappaMatrixText(textfile::ReportText& out, const CodeSet& set, const AgreementCounts& counts,
                          const AgreementPair& pair, int group, const std::string& date) {
    out.line();
    out.line(std::string(80, '*'));
    out.line(" Time Unit Matching Inter-observer Agreement Matrix - Date: " + date);
    out.line();
    writeGroupFileLines(out, pair, group);
    out.line();

    const std::vector<int> taken = codesInEitherFile(set, counts, group);
    out.text("       ");
    for (const int column : taken) {
        out.text(codeColumn(set.CodeTable.code(column)));
    }
    out.endLine();
    for (const int row : taken) {
        out.text(codeColumn(set.CodeTable.code(row)));
        for (const int column : taken) {
            out.right(cell(counts.CodeMatrix(row, column)), 7);
        }
        out.endLine();
    }

    out.line();
    out.text("   Agreement: ").right(cell(counts.MatrixAgreement), 8).endLine();
    out.text("Disagreement: ").right(cell(counts.MatrixTotal - counts.MatrixAgreement), 8).endLine();
    out.text("     A/(A+D): ");
    if (counts.MatrixTotal == 0) {
        out.text("Undefined");
    } else {
        out.right(figure(singleRatio(counts.MatrixAgreement, counts.MatrixTotal)), 8);
    }
    out.endLine();
    out.text("       Kappa: ").right(figure(counts.GroupKappa), 8).endLine();
    out.line();
}

void writeKappaMatrixCsv(textfile::ReportText& out, const CodeSet& set, const WorkstationSettings& settings,
                         const AgreementCounts& counts, const AgreementPair& pair, int group) {
    out.line();
    out.line(quoted("Kappa Matrix") + "," + quoted(textfile::FileNameOnly(pair.name1)) + "," +
             quoted(textfile::FileNameOnly(pair.name2)) + "," +
             quoted(textfile::FileNameOnly(settings.Code_File)));

    const std::vector<int> codes = codesOfGroup(set, group);
    out.text(quoted(""));
    for (const int column : codes) {
        out.text("," + quoted(set.CodeTable.code(column)));
    }
    out.endLine();
    for (const int row : codes) {
        out.text(quoted(set.CodeTable.code(row)));
        for (const int column : codes) {
            out.text("," + textfile::printNumber(counts.CodeMatrix(row, column)));
        }
        out.endLine();
    }

    out.line();
    out.text(quoted("Summary:") + "," + textfile::doubleText(counts.MatrixAgreement) + "," +
             textfile::doubleText(counts.MatrixTotal - counts.MatrixAgreement) + ",");
    if (counts.MatrixTotal == 0) {
        out.text(quoted("Undefined"));
    } else {
        out.text(textfile::doubleText(static_cast<double>(counts.MatrixAgreement) / counts.MatrixTotal));
    }
    out.text("," + textfile::singleText(counts.GroupKappa)).endLine();
    out.line();
}

} // namespace ws
