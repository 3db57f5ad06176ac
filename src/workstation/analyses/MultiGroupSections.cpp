#include "workstation/analyses/MultiGroupSections.h"

#include "textfile/NumberText.h"
#include "textfile/ReportText.h"

namespace ws {
namespace {

constexpr int kCombinationColumn = 12;

bool written(const MultiGroupSection& section, int i) {
    const auto at = static_cast<std::size_t>(i);
    const bool checked = section.checked ? (*section.checked)[at]
                                         : IsCombinationChecked(section.tree, section.combos.ComboNames[at]);
    return checked && (section.tree.options.Check4 == 0 || section.counts[at] != 0);
}

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

std::string multiGroupTextSection(const MultiGroupSection& section, const std::string& date,
                                  const std::string& nameLine, const std::string& headerLine,
                                  int pageLength) {
    textfile::ReportText out;
    heading(out, date, nameLine, headerLine);
    int lines = 7;
    for (int i = 1; i <= section.combos.count(); ++i) {
        if (!written(section, i)) {
            continue;
        }
        out.text(textfile::printNumber(section.counts[static_cast<std::size_t>(i)]))
            .tab(kCombinationColumn)
            .line(section.combos.ComboNames[static_cast<std::size_t>(i)]);
        if (++lines == pageLength) {
            heading(out, date, nameLine, headerLine);
            lines = 7;
        }
    }
    return out.take();
}

std::string multiGroupCsvSection(const MultiGroupSection& section, const std::string& rowName,
                                 bool titleRow) {
    std::string out;
    if (titleRow) {
        out += "\"FileName\"";
        for (int i = 1; i <= section.combos.count(); ++i) {
            if (written(section, i)) {
                out += ",\"C-" + section.combos.ComboNames[static_cast<std::size_t>(i)] + "\"";
            }
        }
        out += "\r\n";
    }
    out += "\"" + rowName + "\"";
    for (int i = 1; i <= section.combos.count(); ++i) {
        if (written(section, i)) {
            out += "," + textfile::printNumber(section.counts[static_cast<std::size_t>(i)]);
        }
    }
    return out + "\r\n";
}

} // namespace ws
