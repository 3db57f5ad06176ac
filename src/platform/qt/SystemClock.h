#pragma once

#include "platform/Clock.h"

namespace platform::qt {

class SystemClock : public Clock {
public:
    double secondsSinceMidnight() override;
    DateTime now() override;
};

} // namespace platform::qt
