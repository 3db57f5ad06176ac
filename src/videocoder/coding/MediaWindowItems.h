#pragma once
// The media window's speed items and its "Go To Time..." answer.

#include "videocoder/core/Globals.h"

#include <array>
#include <optional>
#include <string>

namespace vc {

// Speed items 0 to 5: "33%", "50%", "75%", "Normal", "X2", "X3".
inline constexpr std::array<double, 6> kMediaWindowRates{0.33, 0.5, 0.75, 1.0, 2.0, 3.0};
inline constexpr int kMediaNormalRate = 3;

// The seconds an answer to "Time to Find..." names: a clock text (it holds ":") through
// TimeTextToSeconds, otherwise a plain number; nullopt for a blank, cancelled or
// non-numeric answer.
std::optional<double> goToTimeSeconds(const std::optional<std::string>& answer, const VideoSettings& s);

} // namespace vc
