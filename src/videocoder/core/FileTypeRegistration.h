#pragma once
// The data-file type the video coder registers: ".qvd" opened by this program.

#include "platform/FileTypes.h"

#include <string>

namespace vc {

// programPath: the running program's absolute path.
platform::FileTypeRegistration qvdRegistration(const std::string& programPath);
void RegisterQvdType(platform::FileTypes& fileTypes, const std::string& programPath);

} // namespace vc
