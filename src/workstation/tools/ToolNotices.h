#pragma once
// Boxes of the file tools that carry no title of their own show the program's title.

#include <string>

namespace ws {

inline const std::string kToolNoticeTitle = "TALVOR";

} // namespace ws
