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

// A save that failed: the stage, then what went wrong.
inline void showSaveFailure(platform::Dialogs& dialogs, const std::string& stage,
                            const textfile::RunError& e) {
    dialogs.messageBox(stage + e.description(), kErrorTitle, platform::Buttons::OK, platform::Icon::Critical);
}

} // namespace vc
