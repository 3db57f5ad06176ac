#include "workstation/analyses/EventFilesList.h"

#include "textfile/Files.h"

namespace ws {

std::optional<ListFileReader> openEventFilesList(const std::string& listName, platform::Dialogs& dialogs,
                                                 const std::string& tail) {
    ListFileReader list(listName);
    if (list.type() != kEventFilesList) {
        dialogs.beep();
        dialogs.messageBox("Not a valid list: " + listName + tail, "ERROR!", platform::Buttons::OK,
                           platform::Icon::None);
        return std::nullopt;
    }
    return list;
}

void showRunAborted(const std::string& dataFileName, platform::Dialogs& dialogs,
                    const std::exception* cause) {
    std::string text = "Error: Printing File: " + dataFileName + "\r" + "Print aborted...";
    if (const auto* unwritten = dynamic_cast<const textfile::FileWriteError*>(cause)) {
        text += "\rCannot write " + unwritten->path() + "\r" + unwritten->reason();
    }
    dialogs.beep();
    dialogs.messageBox(text, "ERROR!", platform::Buttons::OK, platform::Icon::None);
}

} // namespace ws
