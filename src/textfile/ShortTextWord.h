#pragma once
// A text of up to eight bytes packed into one 64-bit word, byte i at bits 8i..8i+7 and
// zeros above: texts of the same length are equal exactly when their words are. Lookups
// that hash short keys for every record of a file (codes) compare one word instead of
// bytes. Inline: a byte loop here cost as much as the rest of a lookup.

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace textfile {

inline constexpr std::size_t kShortTextBytes = 8;

// Only for texts of at most kShortTextBytes bytes.
inline std::uint64_t shortTextWord(std::string_view text) {
    const std::size_t n = text.size();
    const char* const bytes = text.data();
    if constexpr (std::endian::native == std::endian::little) {
        // Two loads that overlap when the text is shorter than both together: the bytes
        // they share are the same, so or-ing them changes nothing.
        if (n >= 4) {
            std::uint32_t low = 0;
            std::uint32_t high = 0;
            std::memcpy(&low, bytes, 4);
            std::memcpy(&high, bytes + n - 4, 4);
            return low | static_cast<std::uint64_t>(high) << (8 * (n - 4));
        }
        if (n >= 2) {
            std::uint16_t low = 0;
            std::uint16_t high = 0;
            std::memcpy(&low, bytes, 2);
            std::memcpy(&high, bytes + n - 2, 2);
            return low | static_cast<std::uint64_t>(high) << (8 * (n - 2));
        }
    }
    std::uint64_t word = 0;
    for (std::size_t i = 0; i < n; ++i) {
        word |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    }
    return word;
}

} // namespace textfile
