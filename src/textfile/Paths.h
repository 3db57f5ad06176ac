#pragma once
// Path helpers. A backslash or a slash separates folders, so lists written on
// Windows still name their files by the same rule.

#include <string>
#include <string_view>
#include <utility>

namespace textfile {

// The part after the last separator; the whole path when there is none.
std::string FileNameOnly(std::string_view path);
// The path up to and including its last separator; "" when there is none.
std::string FolderOf(std::string_view path);

// The companion or scratch name of a file: the path cut at the first "." of its
// file-name part (never at a dot in a folder), then the extension (with its dot)
// appended. companionName("/home/j.smith/kid.slt", ".qvd") is "/home/j.smith/kid.qvd";
// a name without a dot just gains the extension.
std::string companionName(std::string_view path, std::string_view extension);

// Exchanges two values: the step of every sort in the suite.
template <class T> void SwapValues(T& a, T& b) {
    using std::swap;
    swap(a, b);
}

} // namespace textfile
