#include "workstation/tools/EditedText.h"

namespace ws {
namespace {

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
bool isUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int more = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            more = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            more = 2;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            more = 3;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(more) >= bytes.size()) {
            return false;
        }
        for (int k = 1; k <= more; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) {
                return false;
            }
        }
        i += static_cast<std::size_t>(more) + 1;
    }
    return true;
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
    : fileBytes_(std::move(fileBytes)), latin1_(!isUtf8(fileBytes_)), lineEnd_(firstLineEnd(fileBytes_)) {
    shown_ = withLineFeeds(latin1_ ? latin1ToUtf8(fileBytes_) : fileBytes_);
}

std::string EditedText::bytesFor(const std::string& text) const {
    if (text == shown_) {
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
    return latin1_ ? utf8ToLatin1(bytes) : bytes;
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
