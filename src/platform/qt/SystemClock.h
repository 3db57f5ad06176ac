#pragma once

#include "platform/Clock.h"

namespace platform::qt {

class SystemClock : public Clock {
public:
    double secondsSinceMidnight() override;
    double monotonicSeconds() override; // the steady clock
    DateTime now() override;
    std::string shortDateText(const DateTime& when) override;
    std::string shortTimeText(const DateTime& when) override;
};

} // namespace platform::qt
