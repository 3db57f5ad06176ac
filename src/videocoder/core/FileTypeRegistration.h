#pragma once
// The data-file type the video coder registers: ".qvd" opened by this program.

#include "platform/FileTypes.h"

#include <string>

namespace vc {

// programFolder: the folder of the running program, without a trailing separator.
platform::FileTypeRegistration qvdRegistration(const std::string& programFolder);
void RegisterQvdType(platform::FileTypes& fileTypes, const std::string& programFolder);

} // namespace vc
