#pragma once
// The text of a settings file: "[section]" lines, then "name=value" lines. Bytes pass through
// unchanged; only what would break a line is escaped. Files written by hand or by the Qt
// settings library read as they were meant: "%20" and other %XX in names, quoted values,
// backslash escapes and "@ByteArray(...)" values. Lines may end in CR LF, LF or a lone CR.

#include <string>
#include <string_view>
#include <unordered_map>
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
    // The section's place in sections_, made (empty, at the end) when it is not there.
    std::size_t sectionIndex(const std::string& section);
    void setIn(std::size_t section, std::string name, std::string value);

    // Where each section and each value stands in sections_, so that neither a look-up nor
    // the parse of a large file walks every name before it.
    using Places = std::unordered_map<std::string, std::size_t>;
    std::vector<IniSection> sections_;
    Places sectionPlaces_;
    std::vector<Places> valuePlaces_; // by section, as sections_
};

} // namespace platform
