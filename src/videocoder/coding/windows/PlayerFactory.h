#pragma once
// Each player window makes its player once, through what the program hands it: libmpv in
// the program, the simulated player in tests.

#include "platform/MediaPlayer.h"

#include <functional>
#include <memory>

namespace vc {

using PlayerFactory = std::function<std::unique_ptr<platform::MediaPlayer>()>;

} // namespace vc
