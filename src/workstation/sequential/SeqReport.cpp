#include "workstation/sequential/SeqReport.h"

#include "textfile/NumberMask.h"
#include "textfile/NumberText.h"
#include "textfile/Paths.h"
#include "textfile/TextForms.h"
#include "workstation/sequential/SeqStatistics.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace ws {
namespace {

using textfile::formatMask;
using textfile::Precision;

constexpr std::size_t kFieldWidth = 8;
// A count line's " p=" starts at column 20.
constexpr std::size_t kCountColumn = 19;

void appendSingle(std::string& out, float value, std::string_view mask) {
    textfile::appendMask(out, value, mask, Precision::Single);
}

// A single through `mask`, right-aligned in the report's 8 places: the digits go straight
// into `out` and the blanks are put before them once their width is known.
void appendSingleField(std::string& out, float value, std::string_view mask) {
    const std::size_t start = out.size();
    appendSingle(out, value, mask);
    const std::size_t width = out.size() - start;
    if (width < kFieldWidth) {
        out.insert(start, kFieldWidth - width, ' ');
    }
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
    std::string out;
    appendField(out, formatted);
    return out;
}

void appendField(std::string& out, std::string_view formatted) {
    if (formatted.size() < kFieldWidth) {
        out.append(kFieldWidth - formatted.size(), ' ');
    }
    out += formatted;
}

namespace {

// A count through "######0": its digits, a "-" before them when below zero.
void appendCountField(std::string& out, std::int32_t count) {
    char digits[16];
    appendField(out, std::string_view(digits, std::to_chars(digits, digits + sizeof digits, count).ptr));
}

// joinedNumber of a whole number: its print form without the blank after it.
void appendJoinedNumber(std::string& out, std::int32_t value) {
    textfile::appendPrintNumber(out, value);
    out.pop_back();
}

void appendDirectionAndLag(std::string& out, const SequentialRun& run, SectionForm form) {
    const std::string_view eol(textfile::kLineEnd);
    const std::string_view direction = run.gForward != 0 ? "forward" : "backward";
    const bool lags = run.gEventLags != 0;
    // The two-by-two report writes its lag words with the "&" of their menu captions.
    const std::string_view lagWord = form == SectionForm::TwoByTwo ? "Lags&" : "Lags";
    out += " Analysis was ";
    out += direction;
    out += " from the Given(s), based on ";
    if (lags) {
        out += "event ";
        out += lagWord;
    } else {
        out += "a time window";
    }
    out += eol;
    if (lags) {
        out += " The number of ";
        out += lagWord;
        out += ' ';
    } else {
        out += " The number of time units ";
    }
    out += direction;
    out += " was:";
    textfile::appendPrintNumber(out, run.gLagCount);
    out += eol;
}

} // namespace

void appendSeqSection(std::string& out, const SequentialRun& run, const SeqTable& t, const std::string& date,
                      std::string_view fileText, SectionForm form) {
    const std::string_view eol(textfile::kLineEnd);
    out += eol;
    out += form == SectionForm::TwoByTwo ? " *** Sequential Analysis Results *** Date: "
                                         : " *** Multi-Group Sequential Analysis Results *** Date: ";
    out += date;
    out += eol;
    out += eol;
    out += " File:";
    out += fileText;
    out += eol;
    out += eol;
    out += " Givens: N =";
    appendJoinedNumber(out, run.gGivenCount);
    out += eol;
    codesLine(out, run.gGivens, run.gGivenCount);
    out += eol;
    out += eol;
    out += " Targets: N =";
    appendJoinedNumber(out, run.gTargetCount);
    out += eol;
    codesLine(out, run.gTargets, run.gTargetCount);
    out += eol;
    out += eol;
    appendDirectionAndLag(out, run, form);
    out += eol;

    const CellFigures f = cellFigures(t);
    const SeqStatistics s = seqStatistics(t, KappaExpectation::WholeNumber);
    out += " (G,T)    Freq   (Prob)  ExpFreq (ExpProb)";
    out += eol;
    static constexpr std::array<const char*, 4> kLabels{" (Y,Y)", " (Y,N)", " (N,Y)", " (N,N)"};
    for (int cell = 0; cell < 4; ++cell) {
        const int i = cell < 2 ? kYes : kNo;
        const int j = cell % 2 == 0 ? kYes : kNo;
        out += kLabels[static_cast<std::size_t>(cell)];
        appendCountField(out, t[i][j]);
        out += " (";
        appendSingle(out, f.proportion[i][j], "0.0000");
        out += ") ";
        appendSingleField(out, f.expected[i][j], "######0.0");
        out += " (";
        appendSingle(out, f.expectedProportion[i][j], "0.0000");
        out += ')';
        out += eol;
    }
    out += eol;
    out += " Conditional probabilities (Applicable stats are on the 1st one)";
    out += eol;
    out += eol;
    out += " (Y,Y)|(Y,Y)+(Y,N) ";
    appendSingle(out, ratio(t[kYes][kYes], t[kYes][0]), "0.00000");
    out += eol;
    out += " (Y,Y)|(Y,Y)+(N,Y) ";
    appendSingle(out, ratio(t[kYes][kYes], t[0][kYes]), "0.00000");
    out += eol;
    out += eol;
    out += " Statistics:";
    out += eol;
    out += eol;
    const auto statistic = [&](const char* label, float value) {
        out += label;
        appendSingleField(out, value, "##0.0000");
        out += eol;
    };
    statistic(" Allison Liker's Z:", s.Z);
    statistic("       Pearson's r:", s.r);
    statistic("          Yule's Q:", s.Q);
    statistic(" Transformed Kappa:", s.K);
    out += eol;
}

std::string seqSection(const SequentialRun& run, const SeqTable& t, const std::string& date,
                       const std::string& fileText, SectionForm form) {
    std::string out;
    appendSeqSection(out, run, t, date, fileText, form);
    return out;
}

void appendSeqReport(std::string& out, const SequentialRun& run, const SeqTable& t,
                     const std::string& dataFileName, const std::string& date, std::int16_t pooledFiles,
                     const ResampleResult* resampled) {
    appendSeqSection(out, run, t, date, textfile::FileNameOnly(dataFileName), SectionForm::TwoByTwo);
    if (resampled != nullptr) {
        out += seqResamplingLines(run, pooledFiles, *resampled);
    }
}

std::string SeqReport(const SequentialRun& run, const SeqTable& t, const std::string& dataFileName,
                      const std::string& date, std::int16_t pooledFiles, const ResampleResult* resampled) {
    std::string out;
    appendSeqReport(out, run, t, dataFileName, date, pooledFiles, resampled);
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
