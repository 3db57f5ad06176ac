#include "textfile/ShortTextWord.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace textfile {
namespace {

std::uint64_t packedByteByByte(std::string_view text) {
    std::uint64_t word = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        word |= static_cast<std::uint64_t>(static_cast<unsigned char>(text[i])) << (8 * i);
    }
    return word;
}

// Every length takes its own load pattern; texts sit inside a longer buffer whose other
// bytes must not leak into the word, and high and zero bytes must pack like any other.
TEST(ShortTextWord, PacksEveryLengthAsTheBytesInOrder) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    for (std::size_t length = 0; length <= kShortTextBytes; ++length) {
        for (int trial = 0; trial < 200; ++trial) {
            std::string buffer(kShortTextBytes + 8, '\0');
            for (char& c : buffer) {
                c = static_cast<char>(byte(random));
            }
            const std::string_view text = std::string_view(buffer).substr(4, length);
            EXPECT_EQ(shortTextWord(text), packedByteByByte(text)) << "length " << length;
        }
    }
    EXPECT_EQ(shortTextWord(""), 0u);
    EXPECT_EQ(shortTextWord(std::string_view("\0", 1)), 0u); // told apart from "" by its length
    EXPECT_NE(shortTextWord("G1C4"), shortTextWord("G1C1"));
    EXPECT_NE(shortTextWord("ABCDEFGH"), shortTextWord("ABCDEFGI"));
}

} // namespace
} // namespace textfile
