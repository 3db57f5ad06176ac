#include "workstation/tools/EditedText.h"

#include "textfile/Utf8Text.h"

#include <cstdint>
#include <cstring>

namespace ws {
namespace {

// Eight bytes at a time: a long file is mostly ASCII, and only what follows its first other
// byte needs the full UTF-8 check.
std::size_t firstNonAscii(std::string_view bytes) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    std::size_t at = 0;
    for (; at + sizeof(std::uint64_t) <= bytes.size(); at += sizeof(std::uint64_t)) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + at, sizeof word);
        if ((word & kHighBits) != 0) {
            break;
        }
    }
    while (at < bytes.size() && static_cast<unsigned char>(bytes[at]) < 0x80) {
        ++at;
    }
    return at;
}

// At most `lines` lines of the bytes from `from` on, with their line ends. A part ends after a
// line end, never between the CR and the LF of one.
std::string_view linesFrom(std::string_view bytes, std::size_t from, std::size_t lines) {
    std::size_t at = from;
    for (std::size_t line = 0; line < lines && at < bytes.size();) {
        const char c = bytes[at++];
        if (c == '\n') {
            ++line;
        } else if (c == '\r') {
            if (at < bytes.size() && bytes[at] == '\n') {
                ++at;
            }
            ++line;
        }
    }
    return bytes.substr(from, at - from);
}

std::string latin1ToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | (b >> 6));
            text += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return text;
}

// Characters up to U+00FF go back to their one byte; anything typed beyond that stays UTF-8.
std::string utf8ToLatin1(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if ((b == 0xC2 || b == 0xC3) && i + 1 < text.size()) {
            bytes += static_cast<char>(((b & 0x03) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F));
            ++i;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

std::string withLineFeeds(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            result += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            result += text[i];
        }
    }
    return result;
}

std::string firstLineEnd(std::string_view bytes) {
    const auto at = bytes.find_first_of("\r\n");
    if (at != std::string_view::npos && bytes[at] == '\n') {
        return "\n";
    }
    return "\r\n"; // CR LF, the suite's own, also for a file with no line end yet
}

} // namespace

EditedText::EditedText(std::string fileBytes)
    : fileBytes_(std::move(fileBytes)), lineEnd_(firstLineEnd(fileBytes_)) {}

bool EditedText::latin1() const {
    if (!latin1_) {
        const std::string_view bytes = fileBytes_;
        const std::size_t ascii = firstNonAscii(bytes);
        latin1_ = ascii < bytes.size() && !textfile::isUtf8(bytes.substr(ascii));
    }
    return *latin1_;
}

bool EditedText::readsAsLatin1(std::string_view part) const {
    return firstNonAscii(part) == part.size() || latin1();
}

const std::string& EditedText::shown() const {
    if (!shown_) {
        shown_ = withLineFeeds(latin1() ? latin1ToUtf8(fileBytes_) : fileBytes_);
    }
    return *shown_;
}

std::string_view EditedText::nextLines(std::size_t& from, std::size_t lines) const {
    const std::string_view part = linesFrom(fileBytes_, from, lines);
    from += part.size();
    return part;
}

std::string_view EditedText::firstScreen(std::string_view start, std::size_t lines) {
    std::string_view part = linesFrom(start, 0, lines);
    if (part.size() == start.size() && !part.ends_with('\n')) {
        // Cut at the end of the start, the last line may go on, or its CR have an LF after it.
        const std::size_t lastEnd =
            part.size() < 2 ? std::string_view::npos : part.find_last_of("\r\n", part.size() - 2);
        part = part.substr(0, lastEnd == std::string_view::npos ? 0 : lastEnd + 1);
    }
    return firstNonAscii(part) == part.size() ? part : std::string_view();
}

std::string EditedText::bytesFor(const std::string& text) const {
    if (text == shown()) {
        return fileBytes_;
    }
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\n') {
            bytes += lineEnd_;
        } else {
            bytes += c;
        }
    }
    return latin1() ? utf8ToLatin1(bytes) : bytes;
}

int CurrentLine(std::string_view textBeforeCaret) {
    int line = 1;
    for (std::size_t i = 0; i < textBeforeCaret.size(); ++i) {
        if (textBeforeCaret[i] == '\n') {
            ++line;
        } else if (textBeforeCaret[i] == '\r' &&
                   (i + 1 >= textBeforeCaret.size() || textBeforeCaret[i + 1] != '\n')) {
            ++line; // a CR LF counts once, at its LF
        }
    }
    return line;
}

} // namespace ws
