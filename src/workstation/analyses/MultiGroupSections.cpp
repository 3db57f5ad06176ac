#include "workstation/analyses/MultiGroupSections.h"

#include "textfile/NumberText.h"
#include "textfile/ReportText.h"
#include "textfile/TextForms.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>

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

MultiGroupSections::MultiGroupSections(const CodeCombinations& combos, const MultilevModel& tree)
    : combos_(combos), withoutZeros_(tree.options.Check4 != 0) {
    const auto n = static_cast<std::size_t>(combos.count());
    checked_.assign(n + 1, 0);
    for (std::size_t i = 1; i <= n; ++i) {
        checked_[i] = IsCombinationChecked(tree, combos.ComboNames[i]) ? 1 : 0;
        namesBytes_ += combos.ComboNames[i].size();
    }
    if (!withoutZeros_) {
        csvTitleRow_ = "\"FileName\"";
        for (std::size_t i = 1; i <= n; ++i) {
            if (checked_[i] != 0) {
                appendCsvTitle(csvTitleRow_, i);
            }
        }
        csvTitleRow_ += textfile::kLineEnd;
    }
}

void MultiGroupSections::appendCsvTitle(std::string& out, std::size_t i) const {
    out += ",\"C-";
    out += combos_.ComboNames[i];
    out += '"';
}

std::string MultiGroupSections::text(const std::vector<std::int32_t>& counts, const std::string& date,
                                     const std::string& nameLine, const std::string& headerLine,
                                     int pageLength) const {
    textfile::ReportText heads;
    heading(heads, date, nameLine, headerLine);
    const std::string headingBlock = heads.take();
    constexpr auto kBeforeColumn = static_cast<std::size_t>(kCombinationColumn - 1);
    constexpr std::size_t kWidestCount = 12; // "-2147483648 "
    constexpr std::size_t kRowBytesBesideText = kWidestCount + 2 * textfile::kLineEnd.size() + kBeforeColumn;
    // The section is written straight into room for the most it can hold, then cut to size.
    const std::size_t rows = checked_.size() - 1;
    const std::size_t headings = 1 + rows / static_cast<std::size_t>(std::max(1, pageLength - kHeadingLines));
    std::string out(headings * headingBlock.size() + namesBytes_ + rows * kRowBytesBesideText, ' ');
    char* at = out.data();
    const auto put = [&at](std::string_view bytes) {
        std::memcpy(at, bytes.data(), bytes.size());
        at += bytes.size();
    };
    put(headingBlock);
    int lines = kHeadingLines;
    for (std::size_t i = 1; i <= rows; ++i) {
        if (!written(counts, i)) {
            continue;
        }
        // The count in print form, then the text at its column (the room holds blanks), on a
        // line of its own when the count reaches past it.
        const std::int32_t count = counts[i];
        char* const start = at;
        *at++ = count < 0 ? '-' : ' ';
        at = std::to_chars(at, at + kWidestCount, count < 0 ? -static_cast<std::int64_t>(count) : count).ptr;
        *at++ = ' ';
        const auto used = static_cast<std::size_t>(at - start);
        if (used > kBeforeColumn) {
            put(textfile::kLineEnd);
            std::memset(at, ' ', kBeforeColumn);
            at += kBeforeColumn;
        } else {
            std::memset(at, ' ', kBeforeColumn - used);
            at += kBeforeColumn - used;
        }
        put(combos_.ComboNames[i]);
        put(textfile::kLineEnd);
        if (++lines == pageLength) {
            put(headingBlock);
            lines = kHeadingLines;
        }
    }
    out.resize(static_cast<std::size_t>(at - out.data()));
    return out;
}

std::string MultiGroupSections::csv(const std::vector<std::int32_t>& counts, const std::string& rowName,
                                    bool titleRow) const {
    std::string out;
    if (titleRow && !withoutZeros_) {
        out = csvTitleRow_;
    } else if (titleRow) {
        out = "\"FileName\"";
        for (std::size_t i = 1; i < checked_.size(); ++i) {
            if (written(counts, i)) {
                appendCsvTitle(out, i);
            }
        }
        out += textfile::kLineEnd;
    }
    out += "\"" + rowName + "\"";
    for (std::size_t i = 1; i < checked_.size(); ++i) {
        if (written(counts, i)) {
            out += ',';
            textfile::appendPrintNumber(out, counts[i]);
        }
    }
    return out + std::string(textfile::kLineEnd);
}

} // namespace ws
