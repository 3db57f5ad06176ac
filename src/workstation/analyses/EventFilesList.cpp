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

std::optional<EventFilesRun> beginEventFilesRun(AnalysisRun& run, platform::Dialogs& dialogs,
                                                AnalysisStatus& status, const std::string& tail) {
    std::string listName = run.DataFileName;
    std::optional<ListFileReader> opened = openEventFilesList(listName, dialogs, tail);
    if (!opened) {
        return std::nullopt;
    }
    run.InputMode = kSingleFileInput;
    const int count = opened->readCount();
    status.showProgress(true);
    return EventFilesRun{std::move(listName), std::move(*opened), count};
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
