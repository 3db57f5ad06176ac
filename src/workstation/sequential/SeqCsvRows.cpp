#include "workstation/sequential/SeqCsvRows.h"

#include "textfile/TextForms.h"
#include "workstation/sequential/SeqStatistics.h"

namespace ws {
namespace {

void countCells(const std::string& title, const std::vector<std::string>& codes, int count,
                std::string& out) {
    out += title + textfile::joinedNumber(count) + " ";
    for (int k = 1; k <= count; ++k) {
        out += "|" + codes.at(static_cast<std::size_t>(k));
    }
}

std::string tableFields(textfile::WriteLine& line, const SeqTable& t, const ResampleFields* resampled) {
    const SeqStatistics s = seqStatistics(t, KappaExpectation::Unrounded);
    line.number(t[kYes][kYes])
        .number(t[kYes][kNo])
        .number(t[kNo][kYes])
        .number(t[kNo][kNo])
        .single(s.Z)
        .single(s.r)
        .single(s.Q)
        .single(s.K);
    if (resampled != nullptr) {
        for (const double count : *resampled) {
            line.number(count);
        }
    }
    return line.str();
}

} // namespace

std::string seqCsvHeaderCells(const SequentialRun& run) {
    std::string out;
    countCells(" Givens: N =", run.gGivens, run.gGivenCount, out);
    out += "|";
    countCells(" Targets: N =", run.gTargets, run.gTargetCount, out);
    out += "|,";
    return out;
}

std::string seqCsvRow(const std::string& fileName, const SeqTable& table, const ResampleFields* resampled) {
    textfile::WriteLine line;
    line.text(fileName);
    return tableFields(line, table, resampled);
}

std::string seqCsvLevelRow(const std::string& fileName, const std::string& levelCode, const SeqTable& table,
                           const ResampleFields* resampled) {
    textfile::WriteLine line;
    line.text(fileName).text(levelCode);
    return tableFields(line, table, resampled);
}

} // namespace ws
