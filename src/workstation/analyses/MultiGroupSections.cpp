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
constexpr auto kBeforeColumn = static_cast<std::size_t>(kCombinationColumn - 1);
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
    rowAt_.assign(n + 2, 0);
    for (std::size_t i = 1; i <= n; ++i) {
        rowAt_[i] = rows_.size();
        if (IsCombinationChecked(tree, combos.ComboNames[i])) {
            checked_[i] = 1;
            checkedAt_.push_back(i);
            rows_.append(kBeforeColumn, ' ');
            rows_ += combos.ComboNames[i];
            rows_ += textfile::kLineEnd;
        }
    }
    rowAt_[n + 1] = rows_.size();
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
                                     int pageLength) {
    textfile::ReportText heads;
    heading(heads, date, nameLine, headerLine);
    const std::string headingBlock = heads.take();
    constexpr std::size_t kWidestCount = 12; // "-2147483648 "
    // The section is written straight into room for the most it can hold, then taken out. A
    // count too wide for its column stands on a line of its own before the row.
    const std::size_t headings =
        1 + checkedAt_.size() / static_cast<std::size_t>(std::max(1, pageLength - kHeadingLines));
    const std::size_t most = headings * headingBlock.size() + rows_.size() +
                             checkedAt_.size() * (kWidestCount + textfile::kLineEnd.size());
    if (room_.size() < most) {
        room_.resize(most);
    }
    char* at = room_.data();
    const auto put = [&at](std::string_view bytes) {
        std::memcpy(at, bytes.data(), bytes.size());
        at += bytes.size();
    };
    put(headingBlock);
    int lines = kHeadingLines;
    for (const std::size_t i : checkedAt_) {
        if (withoutZeros_ && counts[i] == 0) {
            continue;
        }
        // The count in print form over the row's blanks, or on a line of its own when it
        // reaches past them.
        const std::int32_t count = counts[i];
        char digits[kWidestCount + 1];
        digits[0] = count < 0 ? '-' : ' ';
        char* end = std::to_chars(digits + 1, digits + kWidestCount,
                                  count < 0 ? -static_cast<std::int64_t>(count) : count)
                        .ptr;
        *end++ = ' ';
        const auto used = static_cast<std::size_t>(end - digits);
        const std::string_view row = std::string_view(rows_).substr(rowAt_[i], rowAt_[i + 1] - rowAt_[i]);
        if (used > kBeforeColumn) {
            put(std::string_view(digits, used));
            put(textfile::kLineEnd);
            put(row);
        } else {
            std::memcpy(at, row.data(), row.size());
            std::memcpy(at, digits, used);
            at += row.size();
        }
        if (++lines == pageLength) {
            put(headingBlock);
            lines = kHeadingLines;
        }
    }
    return std::string(room_.data(), at);
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
