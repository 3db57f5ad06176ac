#include "workstation/tools/MergerCode.h"

#include "textfile/FieldReader.h"
#include "textfile/Files.h"
#include "textfile/Paths.h"
#include "textfile/RunError.h"
#include "textfile/TextForms.h"
#include "workstation/core/ProgramTitle.h"

#include <algorithm>
#include <cctype>

namespace ws {
namespace {

using platform::Buttons;
using platform::Icon;

std::string upperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void sorry(platform::Dialogs& dialogs, const std::string& text) {
    dialogs.messageBox(text, "Sorry", Buttons::OK, Icon::Exclamation);
}

} // namespace

MergerCode::MergerCode() : MergeCodes(kMaxMergeEvents + 1), MergeTimes(kMaxMergeEvents + 1) {}

bool MergerCode::ReadMergeSource(const std::string& fileName, platform::Dialogs& dialogs) {
    try {
        textfile::FieldReader reader = textfile::FieldReader::fromFile(fileName);
        if (upperCase(reader.readText()) != "EVENTS") {
            sorry(dialogs,
                  fileName + " is not a TALVOR event file.  The merger can only merge TALVOR event files.");
            return false;
        }
        reader.readLine(); // the header
        for (;;) {
            std::string code = reader.readText();
            const double time = reader.readNumber();
            if (trimmed(code) == "-500") {
                MergeEndTime = std::max(MergeEndTime, time);
                return true;
            }
            if (MergeCount >= kMaxMergeEvents) {
                sorry(dialogs, fileName + " brings its group past " + std::to_string(kMaxMergeEvents) +
                                   " events, the most the merger can sort in one group.");
                return false;
            }
            ++MergeCount;
            MergeCodes[static_cast<std::size_t>(MergeCount)] = std::move(code);
            MergeTimes[static_cast<std::size_t>(MergeCount)] = time;
        }
    } catch (const textfile::RunError& e) {
        if (e.number() == textfile::kInputPastEndOfFile) {
            sorry(dialogs, fileName + " ends without its -500 record, so it cannot be merged.");
        } else {
            sorry(dialogs, e.description() + " - " + fileName);
        }
        return false;
    }
}

void MergerCode::SortMergedEvents() {
    const int n = static_cast<int>(MergeTimes[0]);
    for (int i = 1; i <= n - 1; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            if (MergeTimes[static_cast<std::size_t>(i)] > MergeTimes[static_cast<std::size_t>(j)]) {
                textfile::SwapValues(MergeTimes[static_cast<std::size_t>(i)],
                                     MergeTimes[static_cast<std::size_t>(j)]);
                textfile::SwapValues(MergeCodes[static_cast<std::size_t>(i)],
                                     MergeCodes[static_cast<std::size_t>(j)]);
            }
        }
    }
}

std::string MergerCode::mergedFileBytes(const std::string& firstInput, const std::string& mergedAt) const {
    const std::string end(textfile::kLineEnd);
    std::string bytes = "Events" + end;
    bytes += "First file in group: " + textfile::FileNameOnly(firstInput) + " Merged:" + mergedAt + end;
    const int n = static_cast<int>(MergeTimes[0]);
    for (int i = 1; i <= n; ++i) {
        bytes += MergeCodes[static_cast<std::size_t>(i)] + "," +
                 textfile::printNumber(MergeTimes[static_cast<std::size_t>(i)]) + end;
    }
    bytes += "-500," + textfile::printNumber(MergeEndTime) + end;
    return bytes;
}

bool MergeGroups(const std::vector<MergeGroup>& groups, platform::Platform& p, const MergeProgress& progress,
                 int& groupsWritten) {
    groupsWritten = 0;
    progress.label("Processing list...");
    MergerCode merge;
    for (const MergeGroup& group : groups) {
        if (groupsWritten == kMaxMergeGroups) {
            sorry(p.dialogs, group.output + " is past the " + std::to_string(kMaxMergeGroups) +
                                 " output groups the merger takes in one run.");
            return false;
        }
        if (static_cast<int>(group.inputs.size()) > kMaxMergeFiles) {
            sorry(p.dialogs, group.output + " has more than the " + std::to_string(kMaxMergeFiles) +
                                 " input files the merger takes in one group.");
            return false;
        }
        progress.label("Creating " + textfile::FileNameOnly(group.output));
        merge.MergeCount = 0;
        merge.MergeEndTime = 0;
        const int files = static_cast<int>(group.inputs.size());
        for (int k = 1; k <= files; ++k) {
            progress.percent(100 * k / files);
            if (!merge.ReadMergeSource(group.inputs[static_cast<std::size_t>(k - 1)], p.dialogs)) {
                return false;
            }
        }
        merge.MergeTimes[0] = merge.MergeCount;
        merge.SortMergedEvents();
        const platform::DateTime now = p.clock.now();
        const std::string mergedAt = p.clock.shortDateText(now) + " " + p.clock.shortTimeText(now);
        const std::string firstInput = group.inputs.empty() ? std::string() : group.inputs.front();
        try {
            textfile::saveFileAtomically(group.output, merge.mergedFileBytes(firstInput, mergedAt));
        } catch (const textfile::RunError& e) {
            sorry(p.dialogs, e.description() + " - " + group.output);
            return false;
        }
        ++groupsWritten;
    }
    return true;
}

} // namespace ws
