#include "textfile/Utf8Text.h"

#include <algorithm>

namespace textfile {
namespace {

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

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

std::size_t characterCount(std::string_view text) {
    if (isAscii(text) || !isUtf8(text)) {
        return text.size();
    }
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !isContinuationByte(c); }));
}

std::string_view firstCharacters(std::string_view text, std::size_t count) {
    if (text.size() <= count || isAscii(text) || !isUtf8(text)) {
        return text.substr(0, count);
    }
    std::size_t end = 0;
    for (std::size_t characters = 0; end < text.size(); ++end) {
        if (!isContinuationByte(text[end]) && characters++ == count) {
            break;
        }
    }
    return text.substr(0, end);
}

std::string_view lastCharacters(std::string_view text, std::size_t count) {
    const std::size_t characters = characterCount(text);
    if (characters <= count) {
        return text;
    }
    const std::size_t dropped = characters - count;
    return text.substr(firstCharacters(text, dropped).size());
}

} // namespace textfile
