#pragma once
// The workstation's title: the title of every box that has none of its own.

#include <string>

namespace ws {

inline const std::string kProgramTitle = "TALVOR";

} // namespace ws
