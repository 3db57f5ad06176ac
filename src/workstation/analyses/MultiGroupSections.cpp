#include "workstation/analyses/MultiGroupSections.h"

#include "textfile/NumberText.h"
#include "textfile/ReportText.h"
#include "textfile/TextForms.h"

namespace ws {
namespace {

constexpr int kCombinationColumn = 12;
constexpr int kHeadingLines = 7;

void heading(textfile::ReportText& out, const std::string& date, const std::string& nameLine,
             const std::string& headerLine) {
    out.line();
    out.line("  Multilevel Frequency and Duration Report          Date:" + date);
    out.line();
    out.line(nameLine);
    out.line(headerLine);
    out.line();
    out.text("Count").tab(kCombinationColumn).line("Code Combination");
    out.line(std::string(75, '-'));
}

} // namespace

std::vector<bool> checkedCombinations(const CodeCombinations& combos, const MultilevModel& tree) {
    std::vector<bool> checked(static_cast<std::size_t>(combos.count()) + 1, false);
    for (int i = 1; i <= combos.count(); ++i) {
        checked[static_cast<std::size_t>(i)] =
            IsCombinationChecked(tree, combos.ComboNames[static_cast<std::size_t>(i)]);
    }
    return checked;
}

MultiGroupSections::MultiGroupSections(const CodeCombinations& combos, const MultilevModel& tree)
    : combos_(combos), withoutZeros_(tree.options.Check4 != 0), checked_(checkedCombinations(combos, tree)) {
    const auto n = static_cast<std::size_t>(combos.count());
    rowTails_.resize(n + 1);
    csvTitles_.resize(n + 1);
    for (std::size_t i = 1; i <= n; ++i) {
        rowTails_[i] = combos.ComboNames[i] + std::string(textfile::kLineEnd);
        csvTitles_[i] = ",\"C-" + combos.ComboNames[i] + "\"";
    }
    if (!withoutZeros_) {
        csvTitleRow_ = "\"FileName\"";
        for (std::size_t i = 1; i <= n; ++i) {
            if (checked_[i]) {
                csvTitleRow_ += csvTitles_[i];
            }
        }
        csvTitleRow_ += textfile::kLineEnd;
    }
}

bool MultiGroupSections::written(const std::vector<std::int32_t>& counts, std::size_t i) const {
    return checked_[i] && (!withoutZeros_ || counts[i] != 0);
}

std::string MultiGroupSections::text(const std::vector<std::int32_t>& counts, const std::string& date,
                                     const std::string& nameLine, const std::string& headerLine,
                                     int pageLength) const {
    textfile::ReportText heads;
    heading(heads, date, nameLine, headerLine);
    const std::string headingBlock = heads.take();
    std::string out = headingBlock;
    int lines = kHeadingLines;
    constexpr auto kBeforeColumn = static_cast<std::size_t>(kCombinationColumn - 1);
    for (std::size_t i = 1; i < rowTails_.size(); ++i) {
        if (!written(counts, i)) {
            continue;
        }
        // The count in print form, then the text at its column, on a line of its own when
        // the count reaches past it.
        const std::size_t start = out.size();
        textfile::appendPrintNumber(out, counts[i]);
        const std::size_t used = out.size() - start;
        if (used > kBeforeColumn) {
            out += textfile::kLineEnd;
            out.append(kBeforeColumn, ' ');
        } else {
            out.append(kBeforeColumn - used, ' ');
        }
        out += rowTails_[i];
        if (++lines == pageLength) {
            out += headingBlock;
            lines = kHeadingLines;
        }
    }
    return out;
}

std::string MultiGroupSections::csv(const std::vector<std::int32_t>& counts, const std::string& rowName,
                                    bool titleRow) const {
    std::string out;
    if (titleRow && !withoutZeros_) {
        out = csvTitleRow_;
    } else if (titleRow) {
        out = "\"FileName\"";
        for (std::size_t i = 1; i < csvTitles_.size(); ++i) {
            if (written(counts, i)) {
                out += csvTitles_[i];
            }
        }
        out += textfile::kLineEnd;
    }
    out += "\"" + rowName + "\"";
    for (std::size_t i = 1; i < csvTitles_.size(); ++i) {
        if (written(counts, i)) {
            out += ',';
            textfile::appendPrintNumber(out, counts[i]);
        }
    }
    return out + std::string(textfile::kLineEnd);
}

} // namespace ws
