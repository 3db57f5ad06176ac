#include "videocoder/coding/OpenMedia.h"

#include "textfile/RunError.h"
#include "videocoder/core/FileDialogs.h"
#include "videocoder/core/TextCase.h"

namespace vc {

using platform::Buttons;
using platform::Icon;

std::string askForMediaFile(platform::Dialogs& dialogs, const std::string& kept) {
    platform::FileDialogRequest request;
    request.title = kMediaFileTitle;
    request.filter = kMediaFilter;
    request.flags = kMediaDialogFlags;
    const std::string chosen = dialogs.openFile(request);
    return isBlank(chosen) ? kept : chosen;
}

void showVideoControlError(platform::Dialogs& dialogs, const std::string& description) {
    dialogs.messageBox(kVideoControlErrorLead + description, kErrorTitle, Buttons::OK, Icon::Critical);
}

void openPlayer(const PlayerLinks& players, PlayerKind kind, platform::Dialogs& dialogs) {
    try {
        players.showPlayer(kind);
    } catch (const textfile::RunError& e) {
        showVideoControlError(dialogs, e.description());
    }
}

} // namespace vc
