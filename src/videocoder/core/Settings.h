#pragma once
// Moving the video coder's settings between memory and the per-user store
// (application "Vintrosa"). Every value is stored as text.

#include "platform/Dialogs.h"
#include "platform/FileTypes.h"
#include "platform/SettingsStore.h"
#include "videocoder/core/Globals.h"

#include <string>

namespace vc {

inline const std::string kSettingsApp = "Vintrosa";

// Reads every setting but the three Slider values, each with its default when absent.
// A stored FrameDisplay above 1 comes back lowered by 2 (frames as seconds, timecode as
// clock text), so the frame forms last only until the next start.
void LoadSettings(VideoSettings& s, platform::SettingsStore& store);
// Writes every setting but gFirstRun, section by section in a fixed order, then has the
// store keep them in one step. False when the store could not: the values stored before stay.
bool SaveSettings(const VideoSettings& s, platform::SettingsStore& store);
// The same for a window: a store that cannot keep the settings is said at once ("File Save
// Error"), since the next start would otherwise quietly come up with the old ones.
void SaveSettings(const VideoSettings& s, platform::SettingsStore& store, platform::Dialogs& dialogs);
// Puts back the reset values (some settings are kept), empties the recent files and
// registers the data-file type again. Writes nothing: the caller saves.
void ResetDefaults(VideoSettings& s, platform::FileTypes& fileTypes, const std::string& programPath);

} // namespace vc
