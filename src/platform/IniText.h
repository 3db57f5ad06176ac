#pragma once
// The text of a settings file: "[section]" lines, then "name=value" lines. Bytes pass through
// unchanged; only what would break a line is escaped. Files written by hand or by the Qt
// settings library read as they were meant: "%20" and other %XX in names, quoted values,
// backslash escapes and "@ByteArray(...)" values.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

struct IniSection {
    std::string name;
    std::vector<std::pair<std::string, std::string>> values; // in file order
};

class IniText {
public:
    static IniText parse(std::string_view bytes);
    std::string format() const;

    // The value, or nullptr when the section or the name is not there.
    const std::string* find(const std::string& section, const std::string& name) const;
    // Replaces the value, or adds it at the end of its section (a new section at the end).
    void set(const std::string& section, const std::string& name, const std::string& value);

    const std::vector<IniSection>& sections() const { return sections_; }

private:
    std::vector<IniSection> sections_;
};

} // namespace platform
