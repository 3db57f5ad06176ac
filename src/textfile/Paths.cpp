#include "textfile/Paths.h"

namespace textfile {
namespace {

constexpr std::string_view kSeparators = "\\/";

} // namespace

std::string FileNameOnly(std::string_view path) {
    const auto last = path.find_last_of(kSeparators);
    return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

std::string FolderOf(std::string_view path) {
    const auto last = path.find_last_of(kSeparators);
    return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last + 1));
}

std::string companionName(std::string_view path, std::string_view extension) {
    std::string name = FileNameOnly(path);
    if (const auto dot = name.find('.'); dot != std::string::npos) {
        name.erase(dot);
    }
    return FolderOf(path) + name + std::string(extension);
}

} // namespace textfile
