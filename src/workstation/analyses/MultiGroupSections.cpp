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
        if (IsCombinationChecked(tree, combos.ComboNames[i])) {
            checked_[i] = 1;
            ++checkedRows_;
            checkedBytes_ += combos.ComboNames[i].size();
        }
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
                                     int pageLength) {
    textfile::ReportText heads;
    heading(heads, date, nameLine, headerLine);
    const std::string headingBlock = heads.take();
    constexpr auto kBeforeColumn = static_cast<std::size_t>(kCombinationColumn - 1);
    constexpr std::size_t kWidestCount = 12; // "-2147483648 "
    constexpr std::size_t kRowBytesBesideText = kWidestCount + 2 * textfile::kLineEnd.size() + kBeforeColumn;
    // The section is written straight into room for the most it can hold, then taken out.
    const std::size_t headings =
        1 + checkedRows_ / static_cast<std::size_t>(std::max(1, pageLength - kHeadingLines));
    const std::size_t most =
        headings * headingBlock.size() + checkedBytes_ + checkedRows_ * kRowBytesBesideText;
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
    for (std::size_t i = 1; i < checked_.size(); ++i) {
        if (!written(counts, i)) {
            continue;
        }
        // The count in print form, then the text at its column, on a line of its own when the
        // count reaches past it.
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
