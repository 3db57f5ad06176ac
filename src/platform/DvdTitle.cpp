#include "platform/DvdTitle.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <map>
#include <regex>

namespace platform {

namespace fs = std::filesystem;

namespace {

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    return text;
}

fs::path videoTsFolder(const fs::path& folder) {
    std::error_code ignored;
    if (upper(folder.filename().string()) == "VIDEO_TS") {
        return folder;
    }
    for (const auto& entry : fs::directory_iterator(folder, ignored)) {
        if (entry.is_directory(ignored) && upper(entry.path().filename().string()) == "VIDEO_TS") {
            return entry.path();
        }
    }
    return {};
}

struct TitleSet {
    std::uintmax_t bytes = 0;
    std::map<int, std::string> parts; // by part number
};

} // namespace

std::vector<std::string> mainTitleFiles(const std::string& folder) {
    fs::path given = fs::path(folder).lexically_normal();
    if (given.filename().empty()) {
        given = given.parent_path(); // written with a closing separator
    }
    const fs::path videoTs = videoTsFolder(given);
    if (videoTs.empty()) {
        return {};
    }
    static const std::regex part(R"(^VTS_(\d\d)_([1-9])\.VOB$)");
    std::map<int, TitleSet> sets;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(videoTs, ignored)) {
        std::smatch match;
        const std::string name = upper(entry.path().filename().string());
        if (entry.is_regular_file(ignored) && std::regex_match(name, match, part)) {
            TitleSet& set = sets[std::stoi(match[1])];
            set.bytes += entry.file_size(ignored);
            set.parts[std::stoi(match[2])] = entry.path().string();
        }
    }
    const auto largest = std::max_element(sets.begin(), sets.end(), [](const auto& a, const auto& b) {
        return a.second.bytes < b.second.bytes;
    });
    std::vector<std::string> files;
    if (largest != sets.end()) {
        for (const auto& [number, path] : largest->second.parts) {
            files.push_back(path);
        }
    }
    return files;
}

} // namespace platform
