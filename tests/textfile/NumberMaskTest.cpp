#include "textfile/NumberMask.h"

#include <gtest/gtest.h>

#include <string>

namespace textfile {
namespace {

struct MaskCase {
    double value;
    const char* mask;
    const char* text;
};

TEST(FormatMask, PlaceholdersSignsAndLiterals) {
    const MaskCase cases[] = {
        {5, "########0", "5"},
        {-5, "########0", "-5"},
        {1234567890, "########0", "1234567890"}, // wider than the mask: never cut
        {12345.6, "##0.0", "12345.6"},
        {66.6667, "##0.0", "66.7"},
        {0, "##0.0", "0.0"},
        {999.9, "##0.0", "999.9"},
        {0.5, "0.00000", "0.50000"},
        {0.3, "#.##0", ".300"},
        {-0.3, "#.##0", "-.300"},
        {0.129032, " #.#####0", " .129032"},
        {-0.129032, " #.#####0", "-.129032"},
        {0, " ######0", " 0"},
        {5, " ######0", " 5"},
        {-5, " ######0", "-5"},
        {0.25, "0.####", "0.25"},
        {0, "0.####", "0."},
        {7, "0 s", "7 s"},
        {-7, "(#0)", "(-7)"},
        {-0.001, "0.0", "0.0"}, // a value that rounds to zero loses its sign
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatMask(c.value, c.mask), c.text) << c.value << " with \"" << c.mask << '"';
        std::string appended = "|";
        appendMask(appended, c.value, c.mask);
        EXPECT_EQ(appended, std::string("|") + c.text) << c.value << " with \"" << c.mask << '"';
    }
}

// Rounding works on the decimal the value is first written to, halves away from zero,
// so results follow the printed digits rather than the binary value.
TEST(FormatMask, RoundsTheWrittenDecimalHalvesAwayFromZero) {
    const MaskCase cases[] = {
        {2.5, "0", "3"},           {-2.5, "0", "-3"},
        {0.05, "0.0", "0.1"},      {0.125, "0.00", "0.13"},
        {1.005, "0.00", "1.01"}, // binary 1.00499999...
        {99.95, "##0.0", "100.0"}, {0.99996, "0.0000", "1.0000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatMask(c.value, c.mask), c.text) << c.value << " with \"" << c.mask << '"';
    }
}

TEST(FormatMask, SinglePrecisionRoundsSevenSignificantDigits) {
    EXPECT_EQ(formatMask(1.25, "0.0", Precision::Single), "1.3");
    // 2.675f is 2.67499995...: seven digits give 2.675000, fifteen keep the binary shortfall.
    EXPECT_EQ(formatMask(2.675f, "0.00", Precision::Single), "2.68");
    EXPECT_EQ(formatMask(2.675f, "0.00", Precision::Double), "2.67");
    EXPECT_EQ(formatMask(1.0f / 3, " #.#####0", Precision::Single), " .333333");
}

} // namespace
} // namespace textfile
