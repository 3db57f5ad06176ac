#pragma once
// What the data-file and code-set procedures share of their dialogs and save failures.

#include "platform/Dialogs.h"
#include "textfile/RunError.h"

#include <string>

namespace vc {

// Open dialogs: overwrite prompt, hide read-only, the file must exist.
inline constexpr int kFileDialogFlags =
    platform::kOverwritePrompt | platform::kHideReadOnly | platform::kFileMustExist;
// Save dialogs never require the named file to exist.
inline constexpr int kSaveDialogFlags = platform::kOverwritePrompt | platform::kHideReadOnly;

inline const std::string kErrorTitle = "VTRS Error";

// The media dialogs (the main window's and the players' own "Open..."): what the player plays
// first, then every file, so a file of a kind not listed can still be chosen.
inline const std::string kMediaFilter =
    "Media Files (*.mp4;*.m4v;*.mov;*.mkv;*.webm;*.avi;*.mpg;*.mpeg;*.m2v;*.vob;*.ts;*.m2ts;*.mts;"
    "*.wmv;*.asf;*.ogv;*.ogg;*.flv;*.3gp;*.dv;*.mp3;*.wav;*.m4a;*.aac;*.flac;*.opus;*.wma)"
    "|*.mp4;*.m4v;*.mov;*.mkv;*.webm;*.avi;*.mpg;*.mpeg;*.m2v;*.vob;*.ts;*.m2ts;*.mts;"
    "*.wmv;*.asf;*.ogv;*.ogg;*.flv;*.3gp;*.dv;*.mp3;*.wav;*.m4a;*.aac;*.flac;*.opus;*.wma"
    "|All Files (*.*)|*.*";

// A failure's description, then the file and what the system or the input said of it.
inline std::string failureText(const std::string& stage, const textfile::RunError& e,
                               const std::string& path) {
    std::string text = stage + e.description() + "\r\nFile: " + path;
    if (!e.reason().empty()) {
        text += "\r\n" + e.reason();
    }
    return text;
}

// A save that failed: the stage, what went wrong, the file and the system's reason.
inline void showSaveFailure(platform::Dialogs& dialogs, const std::string& stage, const textfile::RunError& e,
                            const std::string& path) {
    dialogs.messageBox(failureText(stage, e, path), kErrorTitle, platform::Buttons::OK,
                       platform::Icon::Critical);
}

} // namespace vc
