#include "workstation/sequential/SeqReport.h"

#include "textfile/NumberMask.h"
#include "textfile/Paths.h"
#include "textfile/TextForms.h"
#include "workstation/sequential/SeqStatistics.h"

#include <algorithm>
#include <array>

namespace ws {
namespace {

using textfile::formatMask;
using textfile::Precision;

constexpr std::size_t kFieldWidth = 8;
// A count line's " p=" starts at column 20.
constexpr std::size_t kCountColumn = 19;

std::string single(float value, const char* mask) {
    return formatMask(value, mask, Precision::Single);
}

std::string directionWord(const SequentialRun& run) {
    return run.gForward != 0 ? "forward" : "backward";
}

void codesLine(std::string& out, const std::vector<std::string>& codes, int count) {
    for (int k = 1; k <= count; ++k) {
        out += ' ';
        out += codes.at(static_cast<std::size_t>(k));
    }
}

struct CellFigures {
    std::array<std::array<float, 3>, 3> proportion{};
    std::array<std::array<float, 3>, 3> expected{};
    std::array<std::array<float, 3>, 3> expectedProportion{};
};

CellFigures cellFigures(const SeqTable& t) {
    CellFigures f;
    const auto n = static_cast<float>(t[0][0]);
    if (n == 0) {
        return f;
    }
    for (int i = 0; i <= kNo; ++i) {
        for (int j = 0; j <= kNo; ++j) {
            f.proportion[i][j] = static_cast<float>(t[i][j]) / n;
        }
    }
    float expectedSum = 0;
    for (int i = kYes; i <= kNo; ++i) {
        for (int j = kYes; j <= kNo; ++j) {
            f.expected[i][j] = static_cast<float>(static_cast<double>(t[0][j]) * t[i][0]) / n;
            expectedSum += f.expected[i][j];
        }
    }
    if (expectedSum != 0) {
        for (int i = kYes; i <= kNo; ++i) {
            for (int j = kYes; j <= kNo; ++j) {
                f.expectedProportion[i][j] = f.expected[i][j] / expectedSum;
            }
        }
    }
    return f;
}

float ratio(std::int32_t numerator, std::int32_t denominator) {
    return denominator == 0 ? 0.0f : static_cast<float>(numerator) / static_cast<float>(denominator);
}

} // namespace

std::string seqField(const std::string& formatted) {
    if (formatted.size() >= kFieldWidth) {
        return formatted;
    }
    return std::string(kFieldWidth - formatted.size(), ' ') + formatted;
}

std::string seqSection(const SequentialRun& run, const SeqTable& t, const std::string& date,
                       const std::string& fileText, SectionForm form) {
    const std::string eol(textfile::kLineEnd);
    const std::string direction = directionWord(run);
    const bool lags = run.gEventLags != 0;
    // The two-by-two report writes its lag words with the "&" of their menu captions.
    const std::string lagWord = form == SectionForm::TwoByTwo ? "Lags&" : "Lags";

    std::string out;
    out += eol;
    out += (form == SectionForm::TwoByTwo ? " *** Sequential Analysis Results *** Date: "
                                          : " *** Multi-Group Sequential Analysis Results *** Date: ") +
           date + eol;
    out += eol;
    out += " File:" + fileText + eol;
    out += eol;
    out += " Givens: N =" + textfile::joinedNumber(run.gGivenCount) + eol;
    codesLine(out, run.gGivens, run.gGivenCount);
    out += eol;
    out += eol;
    out += " Targets: N =" + textfile::joinedNumber(run.gTargetCount) + eol;
    codesLine(out, run.gTargets, run.gTargetCount);
    out += eol;
    out += eol;
    out += " Analysis was " + direction + " from the Given(s), based on " +
           (lags ? "event " + lagWord : std::string("a time window")) + eol;
    out += (lags ? " The number of " + lagWord + " " + direction + " was:"
                 : " The number of time units " + direction + " was:") +
           textfile::printNumber(run.gLagCount) + eol;
    out += eol;

    const CellFigures f = cellFigures(t);
    const SeqStatistics s = seqStatistics(t, KappaExpectation::WholeNumber);
    out += " (G,T)    Freq   (Prob)  ExpFreq (ExpProb)" + eol;
    static constexpr std::array<const char*, 4> kLabels{" (Y,Y)", " (Y,N)", " (N,Y)", " (N,N)"};
    for (int cell = 0; cell < 4; ++cell) {
        const int i = cell < 2 ? kYes : kNo;
        const int j = cell % 2 == 0 ? kYes : kNo;
        out += kLabels[static_cast<std::size_t>(cell)];
        out += seqField(formatMask(t[i][j], "######0"));
        out += " (" + single(f.proportion[i][j], "0.0000") + ") ";
        out += seqField(single(f.expected[i][j], "######0.0"));
        out += " (" + single(f.expectedProportion[i][j], "0.0000") + ")" + eol;
    }
    out += eol;
    out += " Conditional probabilities (Applicable stats are on the 1st one)" + eol;
    out += eol;
    out += " (Y,Y)|(Y,Y)+(Y,N) " + single(ratio(t[kYes][kYes], t[kYes][0]), "0.00000") + eol;
    out += " (Y,Y)|(Y,Y)+(N,Y) " + single(ratio(t[kYes][kYes], t[0][kYes]), "0.00000") + eol;
    out += eol;
    out += " Statistics:" + eol;
    out += eol;
    out += " Allison Liker's Z:" + seqField(single(s.Z, "##0.0000")) + eol;
    out += "       Pearson's r:" + seqField(single(s.r, "##0.0000")) + eol;
    out += "          Yule's Q:" + seqField(single(s.Q, "##0.0000")) + eol;
    out += " Transformed Kappa:" + seqField(single(s.K, "##0.0000")) + eol;
    out += eol;
    return out;
}

std::string SeqReport(const SequentialRun& run, const SeqTable& t, const std::string& dataFileName,
                      const std::string& date, std::int16_t pooledFiles, const ResampleResult* resampled) {
    std::string out = seqSection(run, t, date, textfile::FileNameOnly(dataFileName), SectionForm::TwoByTwo);
    if (resampled != nullptr) {
        out += seqResamplingLines(run, pooledFiles, *resampled);
    }
    return out;
}

std::string seqResamplingLines(const SequentialRun& run, std::int16_t pooledFiles,
                               const ResampleResult& result) {
    const std::string eol(textfile::kLineEnd);
    if (result.outcome != ResampleOutcome::Completed) {
        return eol + ResampleUnfinishedLine + eol + eol;
    }
    const bool pooled = pooledFiles > 0;
    const double total = run.gResampleCount;
    const auto countLine = [&](const char* label, int row, int column) {
        // Pooled counts are singles and are divided as singles; per-file counts are whole.
        const Precision precision = pooled ? Precision::Single : Precision::Double;
        const double count = result.counts[row][column];
        const double p =
            pooled ? static_cast<float>(count) / static_cast<float>(run.gResampleCount) : count / total;
        std::string line = label + formatMask(count, "###0", precision);
        line.resize(std::max<std::size_t>(line.size(), kCountColumn), ' ');
        return line + " p=" + formatMask(p, "0.####", precision) + eol;
    };
    const std::string pooledLines =
        pooled ? eol + " N of pooled files was:" + textfile::printNumber(pooledFiles) + eol : std::string();
    // One block per row of the counts: the (Y,Y) frequency, then Yule's Q.
    const auto rowBlock = [&](const char* compared, int row) {
        return " Of " + std::to_string(run.gResampleCount) + " resamplings, the number of resampled runs" +
               eol + compared + eol + pooledLines + eol + countLine(" < Observed:", row, 1) +
               countLine(" = Observed:", row, 2) + countLine(" > Observed:", row, 3) + eol;
    };
    std::string out = " Resampling results:" + eol + eol;
    out += rowBlock(" where the (Y,Y) sequential frequency was:", 1);
    out += rowBlock(" where the Yule's Q was:", 2);
    return out;
}

} // namespace ws
