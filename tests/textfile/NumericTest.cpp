#include "textfile/Numeric.h"
#include "textfile/RunError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace textfile {
namespace {

void expectOverflow(auto convert, double value) {
    try {
        convert(value);
        ADD_FAILURE() << value << " converted without overflow";
    } catch (const RunError& e) {
        EXPECT_EQ(e.number(), kOverflow) << value;
    }
}

TEST(ToInteger, HalvesGoToTheEvenNeighbour) {
    const struct {
        double value;
        int whole;
    } cases[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4},     {0.5, 0},         {-0.5, 0},          {1.5, 2},
        {2.4, 2}, {2.6, 3}, {-2.6, -3}, {32767, 32767}, {32767.4, 32767}, {-32768.5, -32768},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toInt16(c.value), c.whole) << c.value;
        EXPECT_EQ(toInt32(c.value), c.whole) << c.value;
    }
    EXPECT_EQ(toInt32(2147483647.4), 2147483647);
    EXPECT_EQ(toInt32(-2147483648.5), -2147483647 - 1);
}

TEST(ToInteger, OutOfRangeAfterRoundingOverflows) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double v : {32767.5, 32768.0, -32768.6, -32769.0, 1e10, nan, inf}) {
        expectOverflow(toInt16, v);
    }
    for (double v : {2147483647.5, -2147483649.0, 1e20, nan, -inf}) {
        expectOverflow(toInt32, v);
    }
}

TEST(ToSingle, RoundsToSinglePrecisionAndOverflowsPastItsRange) {
    EXPECT_EQ(toSingle(0.1), 0.1f);
    EXPECT_EQ(toSingle(16777217.0), 16777216.0f);
    EXPECT_EQ(toSingle(-180), -180.0f);
    for (double v : {1e39, -1e39, std::numeric_limits<double>::infinity()}) {
        expectOverflow(toSingle, v);
    }
}

TEST(LeadingNumber, TakesTheLongestNumberAtTheStart) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"12abc", 12}, {"  7", 7},     {"\t9", 9}, {"", 0},        {"abc", 0},    {"-3.5x", -3.5},
        {"1e2", 100},  {"2E-1x", 0.2}, {"1e", 1},  {"1e+", 1},     {".", 0},      {".5", 0.5},
        {"5.", 5},     {"+4", 4},      {"- 3", 0}, {" 180 ", 180}, {"1e-400", 0}, {"007", 7},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(leadingNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(LeadingNumber, TooLargeForADoubleOverflows) {
    expectOverflow([](double) { leadingNumber("1e400"); }, 0);
    // However long the digits run, and however large the exponent written after them.
    expectOverflow([](double) { leadingNumber(std::string(3'000'000, '9')); }, 0);
    expectOverflow([](double) { leadingNumber("1e99999999999999999999999"); }, 0);
    EXPECT_EQ(leadingNumber("0." + std::string(3'000'000, '0') + "1"), 0);
    EXPECT_EQ(leadingNumber("1e-99999999999999999999999"), 0);
}

TEST(IsNumeric, WholeTextWithBlanksAroundIsOneNumber) {
    for (const char* text : {"5", " 5 ", "-3", "12.5", ".5", "5.", "1E+15", "\t40\t"}) {
        EXPECT_TRUE(isNumeric(text)) << '"' << text << '"';
    }
    for (const char* text : {"", " ", ".", "-", "5a", "1 2", "#NULL#", "1e", "abc"}) {
        EXPECT_FALSE(isNumeric(text)) << '"' << text << '"';
    }
}

} // namespace
} // namespace textfile
