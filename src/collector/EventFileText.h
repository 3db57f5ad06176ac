#pragma once
// The bytes of the event file the collector writes at every save.

#include <string>
#include <string_view>

namespace collector {

// The box's text, ended by one line break, then the end record "-500," and the end time
// (the clock value, capped at the session limit) with an empty line after it. A clock that
// never ran ("Start ..." shown) gives no end record.
std::string collectedFileBytes(std::string_view boxText, std::string_view clockShown, float sessionDuration,
                               bool tenths);

} // namespace collector
