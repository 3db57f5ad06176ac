#include "workstation/sequential/SeqSearch.h"

#include "textfile/Paths.h"
#include "textfile/RunError.h"
#include "workstation/core/EventFile.h"
#include "workstation/core/ListFile.h"
#include "workstation/sequential/LagScan.h"
#include "workstation/sequential/SeqCount.h"

#include <algorithm>
#include <optional>

namespace ws {
namespace {

void record(const std::string& code, std::vector<std::string>& targets) {
    if (std::find(targets.begin(), targets.end(), code) == targets.end()) {
        targets.push_back(code);
    }
}

bool searchFile(Global& g, platform::Platform& p, const SequentialRun& run, const std::string& fileName,
                std::vector<std::string>& targets) {
    std::string header;
    if (!ReadEventFile(g, p, fileName, 1, header)) {
        return false; // the reader has written its error lines
    }
    SeqSearchFile(run, g, targets);
    return true;
}

void refuseList(platform::Dialogs& dialogs, const std::string& listName) {
    dialogs.beep();
    dialogs.messageBox("Not a valid list: " + listName, "ERROR!", platform::Buttons::OK,
                       platform::Icon::None);
}

void searchList(Global& g, platform::Platform& p, AnalysisStatus& anal, const SequentialRun& run,
                const std::string& listName, std::vector<std::string>& targets) {
    std::optional<ListFileReader> list;
    try {
        list.emplace(listName);
    } catch (const textfile::RunError&) {
        // a list that cannot be opened is no list of event files either
    }
    if (!list || list->type() != kEventFilesList) {
        refuseList(p.dialogs, listName);
        return;
    }
    std::int16_t count = 0;
    try {
        count = list->readCount();
    } catch (const textfile::RunError&) {
        return; // no count: no entries
    }
    // A list shorter than its count ends at its last entry.
    list->walkEntries(
        count,
        [&](int k, const std::string& entry) {
            anal.setLabel("Processing file:" + textfile::FileNameOnly(listName) + "-" +
                          textfile::FileNameOnly(entry) + "-" + std::to_string(k));
            return searchFile(g, p, run, entry, targets);
        },
        true);
}

} // namespace

void SeqSearchFile(const SequentialRun& run, const Global& g, std::vector<std::string>& targets) {
    const int end = g.EventTimes[0];
    const int lastEvent = end >= 1 && end <= kMaxEvents ? end - 1 : 0;
    const LagScan scan = lagScan(lastEvent, run.gLagCount, run.gForward != 0);
    const auto& codes = g.EventCodes;
    for (std::int64_t i = scan.first; scan.holds(i); i += scan.step) {
        std::int64_t j = i + scan.offset;
        if (isEventPosition(j, lastEvent) && codes[static_cast<std::size_t>(j)] == kGapCode) {
            // A given whose target would be the gap has none: the scan goes on past the gap,
            // never backwards, so a lag pointing against the scan still ends.
            const std::int64_t past = j + scan.step;
            i = scan.step > 0 ? std::max(past, i + 1) : std::min(past, i - 1);
            j = i + scan.offset;
        }
        if (!isEventPosition(i, lastEvent) || !isEventPosition(j, lastEvent)) {
            continue;
        }
        std::string given = codes[static_cast<std::size_t>(i)];
        if (IsGivenCode(run, given)) {
            record(codes[static_cast<std::size_t>(j)], targets);
        }
    }
}

void SeqSearchRun(Global& g, platform::Platform& p, AnalysisStatus& anal, const SequentialRun& run,
                  const std::string& dataFileName, std::int16_t inputMode,
                  std::vector<std::string>& targets) {
    anal.setLabel("Processing file:" + textfile::FileNameOnly(dataFileName));
    if (inputMode == kListFileInput) {
        searchList(g, p, anal, run, dataFileName, targets);
    } else {
        searchFile(g, p, run, dataFileName, targets);
    }
}

} // namespace ws
