#include "platform/FileDialogFolders.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace platform {
namespace {

bool namesAFolder(const std::string& fileName) {
    return fileName.find_first_of("/\\") != std::string::npos;
}

} // namespace

std::string fileKindOf(const FileDialogRequest& request) {
    if (request.programs) {
        return "<programs>";
    }
    // "Description|*.x;*.y|..." : the first pattern of the first filter.
    const std::size_t bar = request.filter.find('|');
    std::string kind;
    if (bar != std::string::npos) {
        const std::string patterns = request.filter.substr(bar + 1);
        kind = patterns.substr(0, patterns.find_first_of(";|"));
    }
    kind.erase(std::remove(kind.begin(), kind.end(), ' '), kind.end());
    std::transform(kind.begin(), kind.end(), kind.begin(), [](unsigned char c) { return std::tolower(c); });
    return kind.empty() || kind == "*.*" ? "*" : kind;
}

std::string FileDialogFolders::startFolder(const FileDialogRequest& request) const {
    if (namesAFolder(request.fileName)) {
        return {};
    }
    const auto last = lastFolderByKind_.find(fileKindOf(request));
    return last == lastFolderByKind_.end() ? std::string() : last->second;
}

void FileDialogFolders::remember(const FileDialogRequest& request, const std::string& chosenPath) {
    const std::string folder = std::filesystem::path(chosenPath).parent_path().string();
    if (!folder.empty()) {
        lastFolderByKind_[fileKindOf(request)] = folder;
    }
}

} // namespace platform
