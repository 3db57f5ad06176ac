#pragma once
// Whether a file named in a data file is there. A name the file system refuses outright
// (a NUL byte, a name or path longer than it allows) is a bad file name, RunError 52, as
// the command set reports it; a name it accepts but finds nothing under is simply missing.

#include <string>

namespace vc {

inline constexpr int kBadFileNameError = 52;

// True when a regular file of that name exists; throws RunError 52 for a refused name.
bool mediaFileExists(const std::string& name);

} // namespace vc
