#pragma once
// Bytes <-> widget text. Bytes show as UTF-8, or as Latin-1 where they are not valid UTF-8,
// and the text taken back gives the bytes it was made from, whichever way they showed.

#include <QString>
#include <string>
#include <string_view>

namespace platform {

QString toDisplay(std::string_view bytes);
// Message-box texts break lines with CR, CR LF or LF; widgets want LF.
QString toDisplayLines(const std::string& bytes);
std::string fromDisplay(const QString& text);
// File names go through the local 8-bit encoding of the file system.
std::string fromPath(const QString& path);
QString toPath(const std::string& path);

} // namespace platform
