#pragma once
// Moving the video coder's settings between memory and the per-user store
// (application "Vintrosa"). Every value is stored as text.

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
// Writes every setting but gFirstRun, section by section in a fixed order.
void SaveSettings(const VideoSettings& s, platform::SettingsStore& store);
// Puts back the reset values (some settings are kept), empties the recent files and
// registers the data-file type again. Writes nothing: the caller saves.
void ResetDefaults(VideoSettings& s, platform::FileTypes& fileTypes, const std::string& programFolder);

} // namespace vc
