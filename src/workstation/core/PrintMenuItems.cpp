#include "workstation/core/PrintMenuItems.h"

#include "textfile/RunError.h"
#include "workstation/core/ListFile.h"
#include "workstation/core/PrintFiles.h"

#include <optional>

namespace ws {

namespace {

const char* const kEventFilter = "TALVOR Event Files (*.eve)|*.eve|All Files(*.*)|*.*";
const char* const kListFilter = "TALVOR List Files (*.lst)|*.lst|All Files(*.*)|*.*";

// The chosen file, or "" when the pick was cancelled.
std::string pickFileToPrint(platform::Platform& p, const std::string& title, const std::string& filter) {
    platform::FileDialogRequest request;
    request.title = title;
    request.filter = filter;
    request.flags = platform::kOverwritePrompt | platform::kHideReadOnly;
    return p.dialogs.openFile(request);
}

std::string pickListToPrint(platform::Platform& p) {
    return pickFileToPrint(p, "Pick the list file to print...", kListFilter);
}

using PrintFile = bool (*)(const WorkstationSettings&, platform::Platform&, const std::string&,
                           WhenUnreadable);

// Prints one picked file as a run of its own; a cancelled pick ("") prints nothing.
void printPicked(const WorkstationSettings& s, platform::Platform& p, const std::string& path,
                 PrintFile print) {
    if (path.empty()) {
        return;
    }
    p.printer.beginRun();
    print(s, p, path, WhenUnreadable::Tell);
}

} // namespace

void PrintSetupItem(platform::Platform& p) {
    p.dialogs.printerSetup();
}

void PrintDataItem(const WorkstationSettings& s, platform::Platform& p) {
    printPicked(s, p, pickFileToPrint(p, "Pick the file to print...", kEventFilter), PrintEventFile);
}

void PrintListNamesItem(const WorkstationSettings& s, platform::Platform& p) {
    printPicked(s, p, pickListToPrint(p), PrintListFile);
}

void PrintListDataItem(const WorkstationSettings& s, platform::Platform& p) {
    const std::string path = pickListToPrint(p);
    if (path.empty()) {
        return;
    }
    std::optional<ListFileReader> list;
    std::int16_t count = 0;
    try {
        list.emplace(path);
        if (list->type() != kListFilesList && list->type() != kEventFilesList) {
            p.dialogs.messageBox("Not a valid list: " + path, "ERROR!", platform::Buttons::OK,
                                 platform::Icon::None);
            return;
        }
        count = list->readCount();
    } catch (const textfile::RunError& error) {
        tellUnreadable(p.dialogs, path, error);
        return;
    }
    p.printer.beginRun();
    try {
        for (int entry = 0; entry < count; ++entry) {
            // A cancelled printer dialog or a failed print ends the series.
            if (!PrintEventFile(s, p, list->readEntry())) {
                return;
            }
        }
    } catch (const textfile::RunError&) {
        // The list ended before its count.
    }
}

void wirePrinting(const WorkstationSettings& s, platform::Platform& p, MainWindowLinks& links) {
    links.printSetup = [&p] { PrintSetupItem(p); };
    links.printData = [&s, &p] { PrintDataItem(s, p); };
    links.printListNames = [&s, &p] { PrintListNamesItem(s, p); };
    links.printListData = [&s, &p] { PrintListDataItem(s, p); };
}

} // namespace ws
