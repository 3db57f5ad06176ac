#pragma once

#include "platform/qt/CentreOnScreen.h"

namespace ws {

using platform::centreOnScreen;

} // namespace ws
