#include "workstation/analyses/FreqDurSections.h"

#include "textfile/NumberMask.h"
#include "textfile/Paths.h"
#include "textfile/ReportText.h"
#include "textfile/TextForms.h"
#include "textfile/Utf8Text.h"

#include <charconv>
#include <string_view>

namespace ws {
namespace {

constexpr int kPageLength = 55;
constexpr int kLinesAfterHeading = 7;
constexpr double kNoDenominator = 999.9;
constexpr std::size_t kDescriptionWidth = 32;
constexpr std::string_view kRule =
    "---------------------------------------------------------------------------";
static_assert(kRule.size() == 75);

// A whole number through "########0": its digits, a "-" before them below zero.
class WholeText {
public:
    explicit WholeText(std::int64_t value)
        : size_(static_cast<std::size_t>(std::to_chars(digits_, digits_ + sizeof digits_, value).ptr -
                                         digits_)) {}
    std::string_view text() const { return {digits_, size_}; }

private:
    char digits_[24];
    std::size_t size_;
};

double percentOf(std::int64_t part, std::int64_t whole) {
    return whole == 0 ? kNoDenominator : static_cast<double>(part) / static_cast<double>(whole) * 100.0;
}

std::int64_t frequencySum(const CodeSet& set, const FreqDurFigures& figures) {
    std::int64_t sum = 0;
    for (int row = 1; row <= set.NumCodes; ++row) {
        sum += figures.frequency[static_cast<std::size_t>(row)];
    }
    return sum;
}

class TextSection {
public:
    TextSection(const WorkstationSettings& settings, const FreqDurFigures& figures, const std::string& date)
        : settings_(settings), figures_(figures), date_(date) {}

    void pageHeading() {
        out_.text(" Frequency and Duration Report     Date:").line(date_);
        out_.line();
        out_.text(" File name: ").line(textfile::FileNameOnly(figures_.fileName));
        out_.text(" Code file: ").line(textfile::FileNameOnly(settings_.Code_File));
        out_.text(" ").line(figures_.header);
        out_.line();
        out_.text(" Code").tab(15).text("Frequency %").tab(35).text("Duration %").tab(48).text("Descriptor");
        out_.endLine();
        out_.line(kRule);
        lines_ = kLinesAfterHeading;
    }

    void codeRow(const FreqDurCounter& counter, int row, std::int64_t sum) {
        const int group = counter.groupOf(row);
        const auto frequency = figures_.frequency[static_cast<std::size_t>(row)];
        const auto duration = figures_.duration[static_cast<std::size_t>(row)];
        if (group == 0 ? frequency == 0 : static_cast<std::int64_t>(frequency) + duration == 0) {
            return;
        }
        out_.text(" ").text(counter.codeOf(row)).tab(10).right(WholeText(frequency).text(), 10);
        out_.tab(21);
        if (group == 0) {
            out_.right(textfile::formatMask(percentOf(frequency, sum), "########0.0"), 5);
        } else {
            out_.right(textfile::formatMask(percentOf(frequency, sum), "##0.0"), 5);
            out_.tab(30).right(WholeText(duration).text(), 10);
            out_.tab(41).right(textfile::formatMask(percentOf(duration, figures_.timeBase), "##0.0"), 5);
        }
        out_.tab(47).text(textfile::firstCharacters(counter.descriptionOf(row), kDescriptionWidth)).endLine();
        if (++lines_ >= kPageLength) {
            pageHeading();
        }
    }

    void totals(std::int64_t sum) {
        out_.line();
        out_.text("Totals").tab(10).right(WholeText(sum).text(), 10);
        out_.tab(30).right(WholeText(figures_.timeBase).text(), 10).endLine();
    }

    textfile::ReportText& out() { return out_; }

private:
    const WorkstationSettings& settings_;
    const FreqDurFigures& figures_;
    const std::string& date_;
    textfile::ReportText out_;
    int lines_ = 0;
};

} // namespace

std::string freqDurTextSection(const CodeSet& set, const WorkstationSettings& settings,
                               const FreqDurCounter& counter, const FreqDurFigures& figures,
                               const std::string& date, bool pooled) {
    TextSection section(settings, figures, date);
    const std::int64_t sum = frequencySum(set, figures);
    section.pageHeading();
    for (int row = 1; row <= set.NumCodes; ++row) {
        section.codeRow(counter, row, sum);
    }
    section.totals(sum);
    if (!pooled) {
        section.out().line();
    }
    return section.out().take();
}

std::string freqDurCsvHeading(const CodeSet& set, const FreqDurCounter& counter) {
    std::string line = "\"FileName\", \"CodeFile\", \"Header\"";
    for (int row = 1; row <= set.NumCodes; ++row) {
        const std::string code = set.CodeTable.code(row);
        line += ",\"F" + code + "\"";
        if (counter.groupOf(row) != 0) {
            line += ",\"D" + code + "\"";
        }
    }
    return line + std::string(textfile::kLineEnd);
}

std::string freqDurCsvRow(const CodeSet& set, const WorkstationSettings& settings,
                          const FreqDurCounter& counter, const FreqDurFigures& figures) {
    std::string line = "\"" + textfile::FileNameOnly(figures.fileName) + "\",\"" +
                       textfile::FileNameOnly(settings.Code_File) + "\",\"" + figures.header + "\"";
    for (int row = 1; row <= set.NumCodes; ++row) {
        line += "," + textfile::printNumber(figures.frequency[static_cast<std::size_t>(row)]);
        if (counter.groupOf(row) != 0) {
            line += "," + textfile::printNumber(figures.duration[static_cast<std::size_t>(row)]);
        }
    }
    return line + std::string(textfile::kLineEnd);
}

} // namespace ws
