#pragma once
// What the two play-control windows (media file and DVD) do with their player, apart
// from drawing: the transport buttons, the time display, the speed and size items.

#include "platform/Dialogs.h"
#include "platform/MediaPlayer.h"
#include "videocoder/core/Globals.h"

#include <array>
#include <optional>
#include <string>

namespace vc {

// Size items 0 to 4: "50%", "100%", "200%", "Stretch to window", "Fit to Window".
inline constexpr std::array<platform::SizeMode, 5> kSizeItemModes{
    platform::SizeMode::HalfSize, platform::SizeMode::Normal, platform::SizeMode::DoubleSize,
    platform::SizeMode::StretchToWindow, platform::SizeMode::FitToWindow};
inline constexpr int kFullScreenItem = 5;
// Speed items 0 to 4: "Quarter" to "Double"; the DVD window's item 5 plays backwards.
inline constexpr std::array<double, 5> kPlayControlSpeeds{0.25, 0.5, 0.75, 1.0, 2.0};
inline constexpr int kNormalSpeedItem = 3;
inline constexpr int kBackwardsItem = 5;

inline const std::string kBackwardRefusal = "Backward seeking not supported with this media type";
inline const std::string kForwardRefusal = "Forward seeking not supported with this media type";
inline const std::string kRateRefusal = "Rate changes not supported with this file format";
inline const std::string kFramesRefusal =
    "Frames are not working with this file format, reverting to seconds. ";

// The transport buttons. Each but Play first clears gReplaying, which stops a replay; the
// seeking refusals come from the capabilities, before gVideoOpen is looked at.
struct Transport {
    platform::MediaPlayer& mmPlay;
    Globals& g;
    platform::Dialogs& dialogs;

    void btnPlay_Click();
    void btnPause_Click();
    void btnStart_Click();
    void btnEnd_Click();
    void btnPrev_Click();
    void btnNext_Click();

private:
    int capabilities();
    void refuse(const std::string& text);
};

// The first panel's text for the time display: nullopt leaves the panel as it is.
std::optional<std::string> positionPanelText(platform::MediaPlayer& mmPlay, const VideoSettings& s);
// The panel after the position slider moved: clock text, or timecode in the frame forms.
std::optional<std::string> sliderPanelText(platform::MediaPlayer& mmPlay, const VideoSettings& s);
// A frame form the media cannot show falls back to its seconds form (2 to 0, 3 to 1);
// true when it did, and the caller then saves and says so.
bool fallBackToSeconds(VideoSettings& s);

} // namespace vc
