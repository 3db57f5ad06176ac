#pragma once
// The texts of a freedesktop.org file-type registration: a shared-mime-info package naming
// the type and its glob, a Desktop Entry that opens such files with the program, and the
// user's mimeapps.list with the program as the type's default.

#include "platform/FileTypes.h"

#include <string>

namespace platform {

// "vintrosa-document.desktop" for the type name "Vintrosa.Document".
std::string desktopFileName(const FileTypeRegistration& registration);
// "vintrosa-document.xml", the package under mime/packages.
std::string mimePackageFileName(const FileTypeRegistration& registration);

std::string mimePackageText(const FileTypeRegistration& registration);
std::string desktopEntryText(const FileTypeRegistration& registration);
// The program as the first word of an Exec key: quoted with the quoting rules' escapes when
// it holds a reserved character, then written with the string escapes of an entry's value.
std::string desktopExecProgram(const std::string& program);

// The mimeapps.list text with `mimeType=desktopFile` as the one line for that type under
// [Default Applications]; every other line stays as it was.
std::string withDefaultApplication(const std::string& mimeapps, const std::string& mimeType,
                                   const std::string& desktopFile);

} // namespace platform
