#include "support/FixtureCases.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace testsupport {
namespace {

std::vector<std::string_view> linesOf(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const auto end = bytes.find('\n');
        const std::size_t length = end == std::string_view::npos ? bytes.size() : end + 1;
        lines.push_back(bytes.substr(0, length));
        bytes.remove_prefix(length);
    }
    return lines;
}

std::string visible(std::string_view line) {
    std::string out;
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (byte < 0x20 || byte == 0x7f) {
            static const char kHex[] = "0123456789abcdef";
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

std::filesystem::path fixtureFamily(const std::string& family) {
    return std::filesystem::path(SUITE_FIXTURES_DIR) / family;
}

::testing::AssertionResult sameBytes(std::string_view actual, std::string_view expected) {
    if (actual == expected) {
        return ::testing::AssertionSuccess();
    }
    const auto actualLines = linesOf(actual);
    const auto expectedLines = linesOf(expected);
    std::size_t line = 0;
    while (line < actualLines.size() && line < expectedLines.size() &&
           actualLines[line] == expectedLines[line]) {
        ++line;
    }
    const auto side = [line](const std::vector<std::string_view>& lines) {
        return line < lines.size() ? "\"" + visible(lines[line]) + "\"" : std::string("(no such line)");
    };
    return ::testing::AssertionFailure()
           << "first difference at line " << line + 1 << " (of " << actualLines.size() << " actual, "
           << expectedLines.size() << " expected)\n  actual:   " << side(actualLines)
           << "\n  expected: " << side(expectedLines);
}

::testing::AssertionResult sameAsFile(std::string_view actual, const std::filesystem::path& expectedFile) {
    std::ifstream in(expectedFile, std::ios::binary);
    if (!in) {
        return ::testing::AssertionFailure() << "no expected file " << expectedFile;
    }
    std::stringstream bytes;
    bytes << in.rdbuf();
    return sameBytes(actual, bytes.str());
}

std::map<std::string, std::string> readCaseSettings(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    std::map<std::string, std::string> settings;
    for (std::string line; std::getline(bytes, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (const auto equals = line.find('='); equals != std::string::npos) {
            settings[line.substr(0, equals)] = line.substr(equals + 1);
        }
    }
    return settings;
}

std::string caseText(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\\r") == 0) {
            out += '\r';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

::testing::AssertionResult boxesAsCaseSays(const std::vector<ShownBox>& boxes,
                                           const std::map<std::string, std::string>& settings) {
    const auto message = settings.find("message");
    if (message == settings.end()) {
        if (boxes.empty()) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << "unexpected box: " << boxes.front().text;
    }
    const auto title = settings.find("title");
    const std::string expectedTitle = title == settings.end() ? std::string() : title->second;
    if (boxes.size() == 1 && boxes.front().text == caseText(message->second) &&
        boxes.front().title == expectedTitle) {
        return ::testing::AssertionSuccess();
    }
    auto failure = ::testing::AssertionFailure() << boxes.size() << " boxes shown";
    for (const ShownBox& box : boxes) {
        failure << "; [" << box.title << "] " << box.text;
    }
    return failure;
}

bool reportAbsentAsExpected(const std::filesystem::path& report, const std::filesystem::path& expectedFile) {
    return !std::filesystem::exists(report) && std::filesystem::exists(expectedFile) &&
           std::filesystem::file_size(expectedFile) == 0;
}

std::vector<std::string> caseFolderNames(const std::filesystem::path& root) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(root)) {
        if (entry.is_directory()) {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string caseTestName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

} // namespace testsupport
