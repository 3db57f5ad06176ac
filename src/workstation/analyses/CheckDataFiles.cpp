#include "workstation/analyses/CheckDataFiles.h"

#include "textfile/Files.h"
#include "textfile/NumberText.h"
#include "textfile/Paths.h"
#include "textfile/ReportText.h"
#include "textfile/RunError.h"
#include "workstation/analyses/EventFilesList.h"
#include "workstation/core/CodeRowIndex.h"
#include "workstation/core/EventFile.h"
#include "workstation/core/EventSlotWriter.h"
#include "workstation/core/ListFile.h"

#include <exception>

namespace ws {
namespace {

using platform::Buttons;
using platform::Icon;

constexpr int kPrintZone = 14;

// The column where the next print zone starts after the text written so far.
int nextZone(int column) {
    return ((column - 1) / kPrintZone + 1) * kPrintZone + 1;
}

// The one line a failure of the check leaves in the report: what went wrong, the file,
// then the number and the message in the next print zones.
std::string failureLine(const std::string& description, const std::string& fileName) {
    textfile::ReportText line;
    line.text(description + "-" + fileName);
    line.tab(nextZone(line.column())).text(textfile::printNumber(16));
    line.tab(nextZone(line.column())).text(description);
    return line.endLine().take();
}

void checkList(Global& g, platform::Platform& p, AnalysisStatus& status) {
    std::optional<ListFileReader> opened = openEventFilesList(g.DataFileName, p.dialogs);
    if (!opened) {
        return;
    }
    ListFileReader& list = *opened;
    g.InputMode = kSingleFileInput;
    list.walkEntries(list.readCount(), [&](int n, const std::string& entry) {
        status.setLabel("Checking: " + textfile::FileNameOnly(entry) + "-" + std::to_string(n));
        g.DataFileName = entry;
        std::string header;
        const bool clean = ReadEventFile(g, p, g.DataFileName, 1, header);
        textfile::appendToFile(g.OutputFileName,
                               (clean ? "No error in file:" : "Error in file:") + g.DataFileName + "\r\n");
        return true;
    });
}

} // namespace

void CheckDataFiles(Global& g, platform::Platform& p, AnalysisStatus& status) {
    status.setBusy(true);
    status.setLabel(" Checking file: " + g.DataFileName);
    status.redraw();
    try {
        if (g.InputMode != kListFileInput) {
            std::string header;
            ReadEventFile(g, p, g.DataFileName, 1, header);
        } else {
            checkList(g, p, status);
        }
    } catch (const std::exception& e) {
        const auto* runError = dynamic_cast<const textfile::RunError*>(&e);
        const std::string description = runError ? runError->description() : std::string(e.what());
        try {
            textfile::appendToFile(g.OutputFileName, failureLine(description, g.DataFileName));
        } catch (const textfile::RunError&) {
            // The report itself cannot be written: there is nowhere left to say it.
        }
    }
    status.setBusy(false);
}

void CheckSameSecondCodes(Global& g, platform::Platform& p, const std::string& fileName,
                          std::int16_t suppress) {
    const int oldEnd = g.EventTimes[0];
    if (oldEnd < 1 || oldEnd > kMaxEvents) {
        return;
    }
    const CodeRowIndex index(g);
    SlotWriter slot(g, 1);
    std::vector<std::string>& codes = slot.codesUpTo(oldEnd);
    std::vector<std::int32_t>& times = slot.timesUpTo(oldEnd);
    int end = oldEnd;
    // Each code is looked up once: the second code of a pair is the first of the next,
    // unless a removal moved the codes down.
    int row = index.rowOf(codes[1]);
    for (int i = 1; i <= oldEnd && i + 1 <= kMaxEvents; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const int nextRow = index.rowOf(codes[at + 1]);
        const bool sameGroupSameTime = row >= 1 && nextRow >= 1 && times[at] == times[at + 1] &&
                                       g.CodeTable.group(row) == g.CodeTable.group(nextRow);
        row = nextRow;
        if (!sameGroupSameTime) {
            continue;
        }
        if (suppress != 1) {
            const std::string message =
                "Two codes are in the same Group at the same second\r\n\r\nFile: " + fileName + "\r\nCodes " +
                codes[at] + " and " + codes[at + 1] + " Time:" + std::to_string(times[at]) + "\r\n" +
                codes[at + 1] + " will be used\r\n";
            p.dialogs.messageBox(message, "Warning...", Buttons::OK, Icon::Information);
        }
        for (int k = i; k < end; ++k) {
            const auto to = static_cast<std::size_t>(k);
            codes[to] = codes[to + 1];
            times[to] = times[to + 1];
        }
        // The old end keeps its code: the search below stops at the first end record.
        times[static_cast<std::size_t>(end)] = -1;
        --end;
        row = index.rowOf(codes[at + 1]);
    }
    for (int i = 1; i <= oldEnd; ++i) {
        if (codes[static_cast<std::size_t>(i)] == kSessionEndCode) {
            times[0] = i;
            break;
        }
    }
}

} // namespace ws
