#include "textfile/PlainMask.h"
#include "textfile/NumberMask.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace textfile {
namespace {

const char* const kPlainMasks[] = {"0", "##0", "########0", "0.0", "##0.0", "########0.0", "#0.00", "0.0000"};

std::vector<double> sweepValues() {
    std::vector<double> values = {0.0,
                                  -0.0,
                                  1e-20,
                                  -1e-20,
                                  0.05,
                                  0.25,
                                  1.005,
                                  2.675,
                                  99.95,
                                  999.9,
                                  0.049999999999999996, // written as 0.05, a half at one decimal
                                  1e15 - 1,
                                  1e15,
                                  123456789.87654,
                                  999999999.96,
                                  2147483647,
                                  -2147483648,
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN()};
    for (int n = -2000; n <= 2000; ++n) {
        values.push_back(n);
        values.push_back(n / 2.0);   // halves
        values.push_back(n / 20.0);  // halves at one decimal
        values.push_back(n / 200.0); // halves at two
        values.push_back(n / 7.0);
    }
    // Percentages as the reports make them: a part of a whole, times 100.
    for (int whole = 1; whole <= 300; ++whole) {
        for (int part = 0; part <= whole; part += 7) {
            values.push_back(static_cast<double>(part) / whole * 100.0);
        }
    }
    std::mt19937 random(11);
    std::uniform_real_distribution<double> exponent(-12, 17);
    for (int i = 0; i < 20000; ++i) {
        const double magnitude = std::pow(10.0, exponent(random));
        values.push_back(i % 2 == 0 ? magnitude : -magnitude);
        values.push_back(static_cast<float>(magnitude));
    }
    return values;
}

// The short way's text appended after what the buffer holds; nullopt where it declines,
// and then the buffer must be as it was.
std::optional<std::string> appendedPlainly(double value, const char* mask, Precision precision) {
    std::string out = "|";
    if (!detail::appendPlainMask(out, value, mask, precision)) {
        EXPECT_EQ(out, "|");
        return std::nullopt;
    }
    EXPECT_EQ(out.front(), '|');
    return out.substr(1);
}

// Whatever value the short way takes on, its text must be the long way's.
TEST(PlainMask, GivesTheTextOfTheGeneralLayoutWheneverItAnswers) {
    const std::vector<double> values = sweepValues();
    for (const Precision precision : {Precision::Double, Precision::Single}) {
        for (const char* mask : kPlainMasks) {
            for (const double value : values) {
                if (const auto text = appendedPlainly(value, mask, precision)) {
                    ASSERT_EQ(*text, detail::formatMaskByDecimal(value, mask, precision))
                        << value << " with \"" << mask << '"'
                        << (precision == Precision::Single ? " single" : " double");
                }
            }
        }
    }
}

// The sequential report's single-precision figures: proportions, expected counts and
// statistics. Each value must be answered, and answered as the long way writes it.
TEST(PlainMask, WritesSingleFiguresAsTheGeneralLayoutOverRandomValues) {
    const char* const masks[] = {"0.0000", "0.00000", "######0.0", "##0.0000", "##0.0", "0"};
    std::mt19937 random(23);
    std::uniform_real_distribution<double> exponent(-9, 9);
    std::uniform_int_distribution<int> counts(0, 5000);
    std::uniform_int_distribution<std::uint32_t> bits;
    std::size_t unanswered = 0;
    constexpr int kValues = 1 << 20;
    for (int i = 0; i < kValues; ++i) {
        float value = 0;
        switch (i % 4) {
        case 0:
            value = static_cast<float>(std::pow(10.0, exponent(random)));
            break;
        case 1: { // a proportion of counts, as the tables make them
            const int whole = counts(random) + 1;
            value = static_cast<float>(counts(random) % (whole + 1)) / static_cast<float>(whole);
            break;
        }
        case 2:
            value = std::bit_cast<float>(bits(random));
            break; // any single at all
        default:
            value = static_cast<float>(counts(random)) / 10000.0f;
            break; // near halves
        }
        if (i % 3 == 0) {
            value = -value;
        }
        for (const char* mask : masks) {
            const auto text = appendedPlainly(value, mask, Precision::Single);
            if (!text) {
                ++unanswered;
                continue;
            }
            ASSERT_EQ(*text, detail::formatMaskByDecimal(value, mask, Precision::Single))
                << std::hexfloat << value << " with \"" << mask << '"';
        }
    }
    // Only ties at the seventh digit, NaN, infinity and far exponents go the long way.
    EXPECT_LT(unanswered, static_cast<std::size_t>(kValues) * std::size(masks) / 4);
}

TEST(PlainMask, WritesSingleEdgesAsTheGeneralLayout) {
    struct Case {
        float value;
        const char* mask;
        const char* text;
    };
    const Case cases[] = {
        {0.00005f, "0.0000", "0.0001"}, // just below the half, written as the half
        {-0.00005f, "0.0000", "-0.0001"},
        {-0.00004f, "0.0000", "0.0000"},        // rounded to zero loses its sign
        {9.99995f, "##0.0000", "10.0000"},      // rounds up a digit
        {-999.99995f, "##0.0000", "-999.9999"}, // the single is -999.99993896...
        {99999.95f, "######0.0", "100000.0"},   // 99999.953125, a half once written
        {9999999.5f, "######0.0", "10000000.0"},
        {0.3333333f, "0.00000", "0.33333"},
        {2.0f / 3.0f, "0.0000", "0.6667"},
        {12345678.9f, "######0.0", "12345680.0"}, // seven digits, then zeros
        {1.5e-12f, "0.0000", "0.0000"},
        {0.1f, "##0.0000", "0.1000"},
        {1e16f, "0", "10000000000000000"},
    };
    for (const auto& c : cases) {
        const auto text = detail::formatPlainMask(c.value, c.mask, Precision::Single);
        ASSERT_TRUE(text.has_value()) << c.value << " with \"" << c.mask << '"';
        EXPECT_EQ(*text, c.text) << c.value << " with \"" << c.mask << '"';
        EXPECT_EQ(*text, detail::formatMaskByDecimal(c.value, c.mask, Precision::Single));
    }
}

TEST(PlainMask, TakesTheReportFiguresAndLeavesTheRestToTheGeneralLayout) {
    struct Case {
        double value;
        const char* mask;
        Precision precision;
        bool answered;
    };
    const Case cases[] = {
        {1234, "########0", Precision::Double, true},
        {-5, "########0", Precision::Double, true},
        {66.66666666666667, "##0.0", Precision::Double, true},
        {12.5, "##0.0", Precision::Double, true},
        {7, "0.00000", Precision::Single, true},
        {0.05, "##0.0", Precision::Double, false}, // a half once written out
        {2.5, "0", Precision::Double, false},
        {0.125, "0.0000", Precision::Single, true},
        {1234567.5, "##0.0", Precision::Single, false}, // a half at the seventh digit
        {1e20, "0.0000", Precision::Single, false},     // past the whole digits kept
        {1e-30, "0.0000", Precision::Single, false},    // past the exact powers of ten
        {std::numeric_limits<double>::denorm_min(), "0.0000", Precision::Single, false}, // subnormal
        {1e15, "########0", Precision::Double, false}, // past the exact whole digits
        {5e6, "##0.0", Precision::Double, true},
        {5e8 + 0.25, "##0.0", Precision::Double, false}, // scaled past the limit
        {5, " ######0", Precision::Double, false},       // a sign place
        {5, "#.##0", Precision::Double, false},
        {5, "0.####", Precision::Double, false},
        {5, "00", Precision::Double, false},
        {5, "0.", Precision::Double, false},
        {5, "0 s", Precision::Double, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(detail::formatPlainMask(c.value, c.mask, c.precision).has_value(), c.answered)
            << c.value << " with \"" << c.mask << '"';
    }
}

} // namespace
} // namespace textfile
