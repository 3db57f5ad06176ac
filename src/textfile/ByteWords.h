#pragma once
// Sixteen bytes of a text looked at together: which of them are line feeds, commas, carriage
// returns, digits or bytes up to the quote, each answer one bit a byte; and the value of a
// run of digits taken as one word. A record of an event file ("G1C1,1234") takes a handful of
// such steps instead of a test and a branch for every byte. Where the processor has no
// sixteen-byte compares (kUsable false) callers take their byte-by-byte path.

#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace textfile::bytewords {

inline constexpr std::size_t kWordBytes = 8;
inline constexpr std::size_t kBlockBytes = 16;

// Bit i stands for byte i of the block.
struct BlockMarks {
    unsigned lineFeeds = 0;
    unsigned carriageReturns = 0;
    unsigned commas = 0;
    unsigned upToQuote = 0; // blanks, quotes, controls: bytes that end a bare field, as commas do
    unsigned digits = 0;
};

#if defined(__SSE2__)
inline constexpr bool kUsable = std::endian::native == std::endian::little;

inline BlockMarks marksOf(const char* block) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
    const auto marks = [](__m128i equal) { return static_cast<unsigned>(_mm_movemask_epi8(equal)); };
    const auto equalTo = [&](char c) { return marks(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(c))); };
    // Unsigned a <= b exactly when min(a, b) == a.
    const auto atMost = [&](__m128i values, char limit) {
        return marks(_mm_cmpeq_epi8(_mm_min_epu8(values, _mm_set1_epi8(limit)), values));
    };
    BlockMarks result;
    result.lineFeeds = equalTo('\n');
    result.carriageReturns = equalTo('\r');
    result.commas = equalTo(',');
    result.upToQuote = atMost(bytes, '"');
    result.digits = atMost(_mm_sub_epi8(bytes, _mm_set1_epi8('0')), 9);
    return result;
}
#else
inline constexpr bool kUsable = false;

inline BlockMarks marksOf(const char*) {
    return {};
}
#endif

// The eight bytes from `at`, the first in the lowest byte of the word.
inline std::uint64_t load(const char* at) {
    std::uint64_t word = 0;
    std::memcpy(&word, at, kWordBytes);
    return word;
}

// The whole number the first `count` bytes of the word spell (1 <= count <= 8, all digits,
// the first in the lowest byte): pairs, then fours, then the eight, each step one multiply.
inline std::uint32_t digitsValue(std::uint64_t word, int count) {
    std::uint64_t value = (word & 0x0F0F0F0F0F0F0F0Full) << (8 * (8 - count)); // zeros lead
    value = (value * 10 + (value >> 8)) & 0x00FF00FF00FF00FFull;
    value = (value * 100 + (value >> 16)) & 0x0000FFFF0000FFFFull;
    value = (value * 10000 + (value >> 32)) & 0x00000000FFFFFFFFull;
    return static_cast<std::uint32_t>(value);
}

} // namespace textfile::bytewords
