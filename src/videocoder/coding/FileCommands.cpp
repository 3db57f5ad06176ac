// The file commands of the command set: save, save as, export and opening the media.
#include "videocoder/coding/CodingCommands.h"

#include "textfile/RunError.h"
#include "videocoder/coding/MediaFileName.h"
#include "videocoder/coding/OpenMedia.h"
#include "videocoder/core/DataFile.h"
#include "videocoder/core/FileNames.h"
#include "videocoder/core/TextCase.h"

namespace vc {

using platform::Buttons;
using platform::Icon;

void CodingCommands::renewCaption() {
    grid_.setCaption(mediaFileExists(g_.data.gFileName) ? FileNameOf(g_.data.gFileName) : std::string());
}

void CodingCommands::save() {
    SaveDataFile(g_, coder_);
    renewCaption();
}

// Asks for a name; a cancelled dialog keeps the old one.
void CodingCommands::saveAs() {
    const std::string kept = g_.data.gFileName;
    g_.data.gFileName.clear();
    SaveDataFile(g_, coder_);
    if (g_.data.gFileName.empty()) {
        g_.data.gFileName = kept;
    }
    renewCaption();
}

void CodingCommands::exportData() {
    SaveDataFile(g_, coder_);
    if (!links_.ExportData) {
        return notAvailable("export");
    }
    links_.ExportData();
}

void CodingCommands::openMedia(PlayerKind kind) {
    std::string& name = g_.data.gVideoFileName;
    if (g_.open.gVideoOpen == kFalse) {
        if (name.empty()) {
            name = window_.Text1[kMediaField];
        }
        if (name.empty()) {
            if (!links_.OpenMovieMnu_Click) {
                return notAvailable("media dialog");
            }
            links_.OpenMovieMnu_Click();
            if (name.empty()) {
                return;
            }
        }
    }
    if (differencesOf(kind).mediaFileTested && !mediaFileExists(name)) {
        services_.dialogs.messageBox(name + " not found", "File Load Error", Buttons::OK, Icon::Information);
        name.clear();
        return;
    }
    openPlayer(players_, kind, services_.dialogs);
}

} // namespace vc
