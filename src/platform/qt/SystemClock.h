#pragma once

#include "platform/Clock.h"

namespace platform::qt {

class SystemClock : public Clock {
public:
    double secondsSinceMidnight() override;
    double monotonicSeconds() override; // the steady clock
    DateTime now() override;
};

} // namespace platform::qt
