#include "platform/IniText.h"

#include "textfile/LineEnds.h"
#include "textfile/RunError.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace platform {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

void appendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Names: %XX stands for the byte XX.
void appendDecodedName(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
            hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
}

// Letters, digits and a few marks stand for themselves in a name; every other byte is %XX.
void appendEncodedName(std::string& out, std::string_view name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
            c == '-' || c == '.') {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        }
    }
}

// A value: quoted parts lose their quotes, backslash escapes are undone, blanks outside
// quotes at either end are dropped. Unquoted, "@ByteArray(...)" holds bytes and a leading
// "@@" stands for one "@", as the Qt settings library writes them. First the bytes that hold
// it: blanks at either end dropped, and the marks of bytes.
std::string_view valueBytes(std::string_view text) {
    text = trimmed(text);
    if (text.size() >= 12 && text.substr(0, 11) == "@ByteArray(" && text.back() == ')') {
        text = text.substr(11, text.size() - 12);
    } else if (text.substr(0, 2) == "@@") {
        text.remove_prefix(1);
    }
    return text;
}

// Whether the bytes valueBytes() leaves are the value as they stand: nearly every value.
bool plainValue(std::string_view bytes) {
    return std::none_of(bytes.begin(), bytes.end(), [](char c) { return c == '"' || c == '\\'; });
}

// The value of bytes that are not plain.
void appendDecodedValue(std::string& out, std::string_view text) {
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            quoted = !quoted;
            continue;
        }
        if (c != '\\' || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const char e = text[++i];
        switch (e) {
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case '0':
            out += '\0';
            break;
        case 'x': {
            std::uint32_t code = 0;
            int digits = 0;
            while (digits < 4 && i + 1 < text.size() && hexValue(text[i + 1]) >= 0) {
                code = code * 16 + static_cast<std::uint32_t>(hexValue(text[++i]));
                ++digits;
            }
            appendUtf8(out, code);
            break;
        }
        default:
            out += e; // \\, \", \; and any other byte stand for themselves
        }
    }
}

// Plain when it reads back unchanged; otherwise quoted, with the bytes that would end the
// line or the quotes escaped. Bytes from 128 up pass as they are.
void appendEncodedValue(std::string& out, std::string_view value) {
    const bool plain = std::none_of(value.begin(), value.end(),
                                    [](char c) {
                                        return static_cast<unsigned char>(c) < 0x20 || c == '"' ||
                                               c == '\\' || c == ';' || c == '#' || c == '@';
                                    }) &&
                       trimmed(value).size() == value.size();
    if (plain) {
        out += value;
        return;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20) {
            out += "\\x00";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        } else {
            out += c;
        }
    }
    out += '"';
}

} // namespace

IniText IniText::parse(std::string bytes) {
    IniText ini;
    ini.file_ = std::move(bytes);
    const std::string_view file = ini.file_;
    if (file.size() > kMostText) {
        throw textfile::RunError(textfile::kOutOfMemory);
    }
    // A name or value as it stands in the file is kept as its place there.
    const auto inFile = [&](std::string_view part) {
        return Span{static_cast<std::uint32_t>(part.data() - file.data()),
                    static_cast<std::uint32_t>(part.size())};
    };
    // A section is made with its first value: a heading with none adds nothing.
    constexpr std::size_t kNotMade = static_cast<std::size_t>(-1);
    std::string sectionName = "General";
    std::size_t section = kNotMade;
    std::string decoded;
    // The values as the lines hold them, repeated names too: each section's list and index
    // are then made at their full size once, never grown.
    struct Line {
        std::size_t section;
        Entry entry;
    };
    std::vector<Line> lines;
    std::vector<std::size_t> linesOf; // by section
    for (std::size_t at = 0; at < file.size();) {
        const std::size_t end = textfile::lineEndFrom(file, at);
        const std::string_view line = trimmed(file.substr(at, end - at));
        at = textfile::pastLineEnd(file, end);
        if (line.empty() || line.front() == ';' || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            sectionName.clear();
            appendDecodedName(sectionName,
                              line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1));
            section = kNotMade;
            continue;
        }
        // One look at the short name part finds both its end and whether it is encoded.
        std::size_t equals = 0;
        bool encodedName = false;
        while (equals < line.size() && line[equals] != '=') {
            encodedName = encodedName || line[equals] == '%';
            ++equals;
        }
        if (equals == line.size()) {
            continue;
        }
        if (section == kNotMade) {
            section = ini.sectionIndex(sectionName);
            linesOf.resize(ini.sections_.size(), 0);
        }
        const std::string_view name = trimmed(line.substr(0, equals));
        Span nameSpan = inFile(name);
        if (encodedName) {
            decoded.clear();
            appendDecodedName(decoded, name);
            nameSpan = ini.keep(decoded);
        }
        const std::string_view value = valueBytes(line.substr(equals + 1));
        Span valueSpan = inFile(value);
        if (!plainValue(value)) {
            decoded.clear();
            appendDecodedValue(decoded, value);
            valueSpan = ini.keep(decoded);
        }
        lines.push_back({section, {nameSpan, valueSpan}});
        ++linesOf[section];
    }
    for (std::size_t s = 0; s < ini.sections_.size(); ++s) {
        ini.sections_[s].entries.reserve(linesOf[s]);
        ini.sections_[s].places.reserve(linesOf[s]);
    }
    for (const Line& line : lines) {
        ini.setSpans(line.section, line.entry.name, line.entry.value);
    }
    return ini;
}

std::string IniText::format() const {
    std::string out;
    out.reserve(file_.size() + text_.size());
    for (const Section& section : sections_) {
        if (!out.empty()) {
            out += '\n';
        }
        out += '[';
        appendEncodedName(out, section.name);
        out += "]\n";
        for (const Entry& entry : section.entries) {
            appendEncodedName(out, textOf(entry.name));
            out += '=';
            appendEncodedValue(out, textOf(entry.value));
            out += '\n';
        }
    }
    return out;
}

std::string_view IniText::textOf(Span span) const {
    if (span.at < file_.size()) {
        return std::string_view(file_).substr(span.at, span.size);
    }
    return std::string_view(text_).substr(span.at - file_.size(), span.size);
}

IniText::Span IniText::keep(std::string_view bytes) {
    const std::size_t at = file_.size() + text_.size();
    if (at + bytes.size() > kMostText) {
        throw textfile::RunError(textfile::kOutOfMemory);
    }
    text_ += bytes;
    return {static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(bytes.size())};
}

std::size_t IniText::sectionPlace(std::string_view section) const {
    if (lastSection_ < sections_.size() && sections_[lastSection_].name == section) {
        return lastSection_;
    }
    const std::size_t s = sectionPlaces_.find(section, NameIndex::hashOf(section), [this](std::size_t at) {
        return std::string_view(sections_[at].name);
    });
    if (s != NameIndex::kNone) {
        lastSection_ = s;
    }
    return s;
}

std::size_t IniText::entryPlace(const Section& section, std::string_view name, std::uint64_t hash) const {
    return section.places.find(name, hash, [&](std::size_t at) { return textOf(section.entries[at].name); });
}

std::optional<std::string_view> IniText::find(std::string_view section, std::string_view name) const {
    const std::size_t s = sectionPlace(section);
    if (s == NameIndex::kNone) {
        return std::nullopt;
    }
    const Section& values = sections_[s];
    std::size_t v = values.nextGuess;
    if (v >= values.entries.size() || textOf(values.entries[v].name) != name) {
        v = entryPlace(values, name, NameIndex::hashOf(name));
        if (v == NameIndex::kNone) {
            return std::nullopt;
        }
    }
    values.nextGuess = v + 1;
    return textOf(values.entries[v].value);
}

void IniText::set(std::string_view section, std::string_view name, std::string_view value) {
    const std::size_t s = sectionIndex(section);
    const std::uint64_t hash = NameIndex::hashOf(name);
    const std::size_t v = entryPlace(sections_[s], name, hash);
    const Span valueSpan = keep(value);
    if (v != NameIndex::kNone) {
        sections_[s].entries[v].value = valueSpan;
        return;
    }
    const Span nameSpan = keep(name);
    sections_[s].places.add(hash, sections_[s].entries.size());
    sections_[s].entries.push_back({nameSpan, valueSpan});
}

std::size_t IniText::sectionIndex(std::string_view section) {
    const std::size_t s = sectionPlace(section);
    if (s != NameIndex::kNone) {
        return s;
    }
    Section made;
    made.name = std::string(section);
    sectionPlaces_.add(NameIndex::hashOf(section), sections_.size());
    sections_.push_back(std::move(made));
    return sections_.size() - 1;
}

void IniText::setSpans(std::size_t section, Span name, Span value) {
    Section& values = sections_[section];
    const std::uint64_t hash = NameIndex::hashOf(textOf(name));
    const std::size_t v = entryPlace(values, textOf(name), hash);
    if (v != NameIndex::kNone) {
        values.entries[v].value = value; // a name set again keeps its first place
        return;
    }
    values.places.add(hash, values.entries.size());
    values.entries.push_back({name, value});
}

} // namespace platform
