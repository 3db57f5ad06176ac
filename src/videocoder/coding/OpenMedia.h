#pragma once
// Opening a player window for the main window's items, and the players' own "Open...".

#include "platform/Dialogs.h"
#include "videocoder/coding/PlayerLinks.h"

namespace vc {

inline const std::string kMediaFileTitle = "Select the media file to open";
inline constexpr int kMediaDialogFlags = platform::kFileMustExist | platform::kHideReadOnly;

// A player's "Open...": the chosen file, or the kept name when the choice is blank.
std::string askForMediaFile(platform::Dialogs& dialogs, const std::string& kept);

// Shows the player window; a failure of its load is reported here.
void openPlayer(const PlayerLinks& players, PlayerKind kind, platform::Dialogs& dialogs);
// Every player command reports a failure as this lead and the failure's description.
inline const std::string kVideoControlErrorLead = "Error in video control:";
void showVideoControlError(platform::Dialogs& dialogs, const std::string& description);

} // namespace vc
