#include "workstation/tools/ListEditSession.h"

#include "platform/SavedFile.h"
#include "textfile/Paths.h"
#include "textfile/RunError.h"
#include "workstation/core/ListFile.h"

#include <algorithm>
#include <cctype>

namespace ws {
namespace {

using platform::Buttons;
using platform::Icon;

const std::string kUntitled = "Untitled";

bool isUntitled(const std::string& name) {
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower == "untitled";
}

// A list file keeps one entry a line: a name holding a line end would read back as other
// entries, and one holding a NUL byte would open the file its first bytes name.
bool entryFitsAList(const std::string& name) {
    return name.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

platform::FileDialogRequest listDialog(const char* title, const char* filter, int flags) {
    platform::FileDialogRequest request;
    request.title = title;
    request.filter = filter;
    request.flags = flags;
    return request;
}

} // namespace

std::string ListEditSession::caption() const {
    return "List Editor (" + textfile::FileNameOnly(ListName) + ")";
}

bool ListEditSession::IsInList(const std::string& name) const {
    return std::find(entries.begin(), entries.end(), name) != entries.end();
}

void ListEditSession::ClearList() {
    entries.clear();
    selected = -1;
}

void ListEditSession::saveList(bool askForName) {
    SaveFailed = false;
    if (entries.empty()) {
        ListChanged = false;
        return;
    }
    // An untitled list is never written under the name "Untitled", changed or not.
    if (askForName || isUntitled(ListName)) {
        DialogCancelled = false;
        const std::string chosen = dialogs_.saveFile(
            listDialog("Name the list file...", "TALVOR List Files (*.lst)|*.lst|All Files(*.*)|*.*",
                       platform::kOverwritePrompt | platform::kHideReadOnly));
        if (chosen.empty()) {
            DialogCancelled = true;
            return;
        }
        ListName = textfile::companionName(chosen, ".lst");
    }
    try {
        platform::saveKeptFile(dialogs_, ListName,
                               listFileBytes(listOfLists ? kListFilesList : kEventFilesList, entries));
        ListChanged = false;
    } catch (const textfile::RunError&) {
        dialogs_.beep();
        dialogs_.messageBox("Error Saving " + ListName + "\r", "ERROR!", Buttons::OK, Icon::None);
        DialogCancelled = true;
        SaveFailed = true;
    }
}

void ListEditSession::OpenList() {
    DialogCancelled = false;
    if (ListName.empty() || isUntitled(ListName)) {
        const std::string chosen = dialogs_.openFile(
            listDialog("Pick the list file to open...", "TALVOR List Files (*.lst)|*.lst|All Files (*.*)|*.*",
                       platform::kHideReadOnly));
        if (chosen.empty()) {
            DialogCancelled = true;
            return;
        }
        ListName = chosen;
    }
    try {
        ListFileReader list(ListName); // any type is taken; the check mark stays as it is
        for (int n = list.readCount(); n > 0; --n) {
            entries.push_back(list.readEntry());
        }
        ListChanged = false;
    } catch (const textfile::RunError&) {
        dialogs_.beep();
        dialogs_.messageBox("Error loading " + textfile::FileNameOnly(ListName) + "\r" +
                                "Untitled will be used...",
                            "ERROR!", Buttons::OK, Icon::None);
        ListName = kUntitled;
        DialogCancelled = true;
    }
}

void ListEditSession::newList() {
    if (ListChanged) {
        SaveList();
        if (DialogCancelled) {
            return;
        }
    }
    ClearList();
    ListName = kUntitled;
    ListChanged = false;
}

void ListEditSession::open() {
    if (ListChanged) {
        SaveList();
        // Opening would throw the unsaved list away.
        if (DialogCancelled) {
            return;
        }
    }
    ListName = "untitled";
    ClearList();
    OpenList();
}

void ListEditSession::saveAs() {
    const std::string remembered = ListName;
    saveList(true);
    if (DialogCancelled && !SaveFailed) {
        ListName = remembered;
    }
    DialogCancelled = false;
}

bool ListEditSession::exit() {
    if (ListChanged) {
        SaveList();
        if (SaveFailed) {
            return false;
        }
    }
    ListChanged = false;
    return true;
}

void ListEditSession::addFile() {
    DialogCancelled = false;
    const std::string chosen = dialogs_.openFile(listDialog(
        "Pick the file to add to the list...",
        "TALVOR Readable Files (*.eve;*.qvd;*.txt;*.slt)|*.eve;*.qvd;*.txt;*.slt|All Files(*.*)|*.*",
        platform::kOverwritePrompt | platform::kHideReadOnly));
    if (chosen.empty()) {
        DialogCancelled = true;
        return;
    }
    if (!acceptsEntry(chosen)) {
        DialogCancelled = true;
        return;
    }
    entries.push_back(chosen);
    selected = static_cast<int>(entries.size()) - 1;
    ListChanged = true;
}

bool ListEditSession::acceptsEntry(const std::string& name) {
    if (entryFitsAList(name)) {
        return true;
    }
    dialogs_.beep();
    dialogs_.messageBox("A list cannot keep a file name that holds a line break or a NUL byte:\r" + name,
                        "ERROR!", Buttons::OK, Icon::None);
    return false;
}

void ListEditSession::dropFiles(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        if (!IsInList(path) && acceptsEntry(path)) {
            entries.push_back(path);
            ListChanged = true;
        }
    }
}

void ListEditSession::deleteEntry() {
    if (selected >= 0 && selected < static_cast<int>(entries.size())) {
        entries.erase(entries.begin() + selected);
        selected = -1;
    }
    ListChanged = true;
}

void ListEditSession::moveUp() {
    if (selected >= 1 && selected < static_cast<int>(entries.size())) {
        textfile::SwapValues(entries[selected], entries[selected - 1]);
        --selected;
        ListChanged = true;
    }
}

void ListEditSession::moveDown() {
    if (selected >= 0 && selected + 1 < static_cast<int>(entries.size())) {
        textfile::SwapValues(entries[selected], entries[selected + 1]);
        ++selected;
        ListChanged = true;
    }
}

void ListEditSession::toggleListOfLists() {
    listOfLists = !listOfLists;
    ListChanged = true;
}

void ListEditSession::help() {
    const std::string end = "\r\n";
    const std::string text = "List Editor Help" + end + end +
                             " The list editor lets you make lists of event files to " + end +
                             " process with the different Talvor analyses. " + end + end +
                             " You can drag files from the Windows Explorer folder " + end +
                             " onto the list area to put files in the list quickly. " + end + end +
                             " The toolbar buttons have pop-up tool tips that explain " + end +
                             " what they do if you hover over each button with the mouse.  " + end +
                             " The buttons mimic the drop down menu options." + end + end +
                             " If the list file is a list of list files be sure the " + end +
                             " 'List of List Files' menu item is checked on the Edit Menu " + end +
                             " when you save the list." + end + end;
    dialogs_.messageBox(text, "List Editor", Buttons::OK, Icon::Information);
}

} // namespace ws
