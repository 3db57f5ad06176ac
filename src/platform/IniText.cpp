#include "platform/IniText.h"

#include "textfile/LineEnds.h"

#include <algorithm>
#include <cstdint>

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
std::string decodeName(std::string_view text) {
    if (text.find('%') == std::string_view::npos) {
        return std::string(text); // nearly every name
    }
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
            hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Letters, digits and a few marks stand for themselves in a name; every other byte is %XX.
std::string encodeName(std::string_view name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
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
    return out;
}

// A value: quoted parts lose their quotes, backslash escapes are undone, blanks outside
// quotes at either end are dropped. Unquoted, "@ByteArray(...)" holds bytes and a leading
// "@@" stands for one "@", as the Qt settings library writes them.
std::string decodeValue(std::string_view text) {
    text = trimmed(text);
    if (text.size() >= 12 && text.substr(0, 11) == "@ByteArray(" && text.back() == ')') {
        text = text.substr(11, text.size() - 12);
    } else if (text.substr(0, 2) == "@@") {
        text.remove_prefix(1);
    }
    if (text.find_first_of("\"\\") == std::string_view::npos) {
        return std::string(text); // nearly every value: nothing quoted or escaped
    }
    std::string out;
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
    return out;
}

// Plain when it reads back unchanged; otherwise quoted, with the bytes that would end the
// line or the quotes escaped. Bytes from 128 up pass as they are.
std::string encodeValue(std::string_view value) {
    const bool plain = std::none_of(value.begin(), value.end(),
                                    [](char c) {
                                        return static_cast<unsigned char>(c) < 0x20 || c == '"' ||
                                               c == '\\' || c == ';' || c == '#' || c == '@';
                                    }) &&
                       trimmed(value).size() == value.size();
    if (plain) {
        return std::string(value);
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
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
    return out + "\"";
}

} // namespace

IniText IniText::parse(std::string_view bytes) {
    IniText ini;
    // A section is made with its first value: a heading with none adds nothing.
    constexpr std::size_t kNotMade = static_cast<std::size_t>(-1);
    std::string sectionName = "General";
    std::size_t section = kNotMade;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = textfile::lineEndFrom(bytes, at);
        const std::string_view line = trimmed(bytes.substr(at, end - at));
        at = textfile::pastLineEnd(bytes, end);
        if (line.empty() || line.front() == ';' || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            sectionName =
                decodeName(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1));
            section = kNotMade;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        if (section == kNotMade) {
            section = ini.sectionIndex(sectionName);
        }
        ini.setIn(section, decodeName(trimmed(line.substr(0, equals))), decodeValue(line.substr(equals + 1)));
    }
    return ini;
}

std::string IniText::format() const {
    std::string out;
    for (const IniSection& section : sections_) {
        if (!out.empty()) {
            out += '\n';
        }
        out += '[' + encodeName(section.name) + "]\n";
        for (const auto& [name, value] : section.values) {
            out += encodeName(name) + '=' + encodeValue(value) + '\n';
        }
    }
    return out;
}

const std::string* IniText::find(const std::string& section, const std::string& name) const {
    const auto s = sectionPlaces_.find(section);
    if (s == sectionPlaces_.end()) {
        return nullptr;
    }
    const Places& names = valuePlaces_[s->second];
    const auto v = names.find(name);
    return v == names.end() ? nullptr : &sections_[s->second].values[v->second].second;
}

void IniText::set(const std::string& section, const std::string& name, const std::string& value) {
    setIn(sectionIndex(section), name, value);
}

std::size_t IniText::sectionIndex(const std::string& section) {
    const auto [s, newSection] = sectionPlaces_.try_emplace(section, sections_.size());
    if (newSection) {
        sections_.push_back({section, {}});
        valuePlaces_.emplace_back();
    }
    return s->second;
}

void IniText::setIn(std::size_t section, std::string name, std::string value) {
    IniSection& values = sections_[section];
    const auto [v, newName] = valuePlaces_[section].try_emplace(name, values.values.size());
    if (newName) {
        values.values.emplace_back(std::move(name), std::move(value));
    } else {
        values.values[v->second].second = std::move(value);
    }
}

} // namespace platform
