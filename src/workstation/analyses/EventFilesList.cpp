#include "workstation/analyses/EventFilesList.h"

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

void showRunAborted(const std::string& dataFileName, platform::Dialogs& dialogs) {
    dialogs.beep();
    dialogs.messageBox("Error: Printing File: " + dataFileName + "\r" + "Print aborted...", "ERROR!",
                       platform::Buttons::OK, platform::Icon::None);
}

} // namespace ws
