#pragma once
// The text of a settings file: "[section]" lines, then "name=value" lines. Bytes pass through
// unchanged; only what would break a line is escaped. Files written by hand or by the Qt
// settings library read as they were meant: "%20" and other %XX in names, quoted values,
// backslash escapes and "@ByteArray(...)" values. Lines may end in CR LF, LF or a lone CR.

#include "platform/NameIndex.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class IniText {
public:
    // Keeps the bytes: names and values that stand in them as they are are not copied.
    static IniText parse(std::string bytes);
    std::string format() const;

    // The value, or nothing when the section or the name is not there. The view holds until
    // the next set().
    std::optional<std::string_view> find(std::string_view section, std::string_view name) const;
    // Replaces the value, or adds it at the end of its section (a new section at the end).
    void set(std::string_view section, std::string_view name, std::string_view value);

    bool empty() const { return sections_.empty(); }
    std::size_t sectionCount() const { return sections_.size(); }
    // visit(section, name, value) for every value, section by section, each in file order.
    template <class Visit> void forEachValue(Visit&& visit) const {
        for (const Section& section : sections_) {
            for (const Entry& entry : section.entries) {
                visit(std::string_view(section.name), textOf(entry.name), textOf(entry.value));
            }
        }
    }

private:
    // Bytes of the file's, or from file_.size() on, of text_'s: together at most 4 GiB.
    static constexpr std::size_t kMostText = 0xFFFFFFFFu;
    struct Span {
        std::uint32_t at = 0;
        std::uint32_t size = 0;
    };
    struct Entry {
        Span name;
        Span value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries; // in file order
        NameIndex places;           // of entries, by name
        // Values are mostly asked for in the order the file holds them (the program writes
        // them in the order it reads them): the entry after the last one found is tried
        // first, so such reads need no look-up at all.
        mutable std::size_t nextGuess = 0;
    };

    std::string_view textOf(Span span) const;
    // Appends bytes to text_.
    Span keep(std::string_view bytes);
    // The section's place in sections_, made (empty, at the end) when it is not there.
    std::size_t sectionIndex(std::string_view section);
    std::size_t sectionPlace(std::string_view section) const;
    std::size_t entryPlace(const Section& section, std::string_view name, std::uint64_t hash) const;
    // Replaces the value of the name, or adds the name at the end of the section.
    void setSpans(std::size_t section, Span name, Span value);

    // The file's bytes as read, then every name and value that did not stand there as it is
    // (decoded, or set since): a file's values take no allocation each. A value replaced
    // leaves its old bytes. Not for two threads at once, even to read: a look-up moves the
    // guesses.
    std::string file_;
    std::string text_;
    std::vector<Section> sections_;
    NameIndex sectionPlaces_;
    mutable std::size_t lastSection_ = 0; // the section of the last look-up, tried first
};

} // namespace platform
