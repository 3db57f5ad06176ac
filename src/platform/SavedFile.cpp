#include "platform/SavedFile.h"

namespace platform {

std::string separatedLinksText(const std::string& path) {
    return "Saved " + path +
           ".\r\nThe file had other hard links: they keep the old contents, and only this name "
           "holds what was saved.";
}

textfile::SaveReport saveKeptFile(Dialogs& dialogs, const std::string& path, const std::string& bytes) {
    const textfile::SaveReport report = textfile::saveFileAtomically(path, bytes);
    if (report.separatedFromHardLinks) {
        dialogs.messageBox(separatedLinksText(path), kSeparatedLinksTitle, Buttons::OK, Icon::Information);
    }
    return report;
}

} // namespace platform
