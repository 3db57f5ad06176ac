#include "platform/Clock.h"

#include <cstdio>

namespace platform {

std::string Clock::shortDateText(const DateTime& when) {
    char text[32];
    std::snprintf(text, sizeof text, "%d/%d/%d", when.month, when.day, when.year);
    return text;
}

std::string Clock::shortTimeText(const DateTime& when) {
    const int hour12 = when.hour % 12 == 0 ? 12 : when.hour % 12;
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d:%02d %s", hour12, when.minute, when.second,
                  when.hour < 12 ? "AM" : "PM");
    return text;
}

} // namespace platform
