#pragma once
// The frame a libmpv player shows in its surface, read from the pixels once its last
// seek has landed and three pictures in a row agree.

#include "platform/qt/MpvPlayer.h"

#include <QRect>
#include <QSize>

#include <functional>
#include <optional>

namespace testsupport {

// Lets the window system run until ready() holds or the limit (seconds) is over.
bool pumpUntil(const std::function<bool()>& ready, double limit);
// Where the video lies in the surface, given the surface's size.
using VideoPlacement = std::function<QRect(QSize)>;
std::optional<int> shownFrame(platform::qt::MpvPlayer& player, const VideoPlacement& placement);

} // namespace testsupport
