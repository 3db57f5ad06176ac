#pragma once
// Files in tests: bytes in and out, small event and list files, and a folder made the
// current one so that cases can name their files relative to it.

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace testsupport {

// Makes a folder the current one for its lifetime.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::filesystem::path& folder);
    ~CurrentFolder();
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    std::filesystem::path previous_;
};

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);
// Lines joined with CR LF, the last one ended too.
std::string crlfLines(const std::vector<std::string>& lines);

// An event file: "Events", the header, then code,time records (the end record included).
void writeEventFile(const std::string& path, const std::string& header,
                    const std::vector<std::pair<std::string, int>>& records);
// A list file of the given type with its entry count.
void writeListFile(const std::string& path, const std::string& type, const std::vector<std::string>& entries);

} // namespace testsupport
