#pragma once
// The video coder's path helpers: a backslash or a slash separates folders.

#include "textfile/Paths.h"

#include <string>
#include <string_view>

namespace vc {

// The text after the last separator; the whole text when it holds none; "" for a path
// ending in a separator. Window captions and the recent-file menu show this.
inline std::string FileNameOf(std::string_view path) {
    return textfile::FileNameOnly(path);
}
// The text up to and including the last separator; "" when it holds none.
using textfile::FolderOf;

} // namespace vc
