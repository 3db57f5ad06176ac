#include "support/TestFiles.h"

#include "textfile/Files.h"

#include <fstream>

namespace testsupport {

namespace fs = std::filesystem;

CurrentFolder::CurrentFolder(const fs::path& folder) : previous_(fs::current_path()) {
    fs::current_path(folder);
}

CurrentFolder::~CurrentFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
}

std::string readBytes(const std::string& path) {
    return textfile::readWholeFile(path);
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string crlfLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

void writeEventFile(const std::string& path, const std::string& header,
                    const std::vector<std::pair<std::string, int>>& records) {
    std::vector<std::string> lines{"Events", header};
    for (const auto& [code, time] : records) {
        lines.push_back(code + "," + std::to_string(time));
    }
    writeBytes(path, crlfLines(lines));
}

void writeListFile(const std::string& path, const std::string& type,
                   const std::vector<std::string>& entries) {
    std::vector<std::string> lines{"\"" + type + "\"", " " + std::to_string(entries.size()) + " "};
    lines.insert(lines.end(), entries.begin(), entries.end());
    writeBytes(path, crlfLines(lines));
}

} // namespace testsupport
