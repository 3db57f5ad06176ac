#pragma once
// Texts as characters: bytes that form valid UTF-8 count one character per code point, any
// other bytes one character per byte, so pure ASCII counts as it always has.

#include <cstddef>
#include <string_view>

namespace textfile {

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
bool isUtf8(std::string_view bytes);
// The width the text takes in a fixed-column line.
std::size_t characterCount(std::string_view text);
// The text cut after `count` characters, never inside one.
std::string_view firstCharacters(std::string_view text, std::size_t count);
// The last `count` characters of the text.
std::string_view lastCharacters(std::string_view text, std::size_t count);

} // namespace textfile
