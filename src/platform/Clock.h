#pragma once
// Time of day and calendar.

#include <string>

namespace platform {

struct DateTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual double secondsSinceMidnight() = 0;
    // Seconds from an arbitrary fixed point that never jumps back and does not wrap at
    // midnight: elapsed times are differences of two readings.
    virtual double monotonicSeconds() = 0;
    virtual DateTime now() = 0;
    // The date and the time of `when` in the system's short forms. By default the forms of
    // the US locale: 12/10/2026 and 9:30:00 AM.
    virtual std::string shortDateText(const DateTime& when);
    virtual std::string shortTimeText(const DateTime& when);
};

} // namespace platform
