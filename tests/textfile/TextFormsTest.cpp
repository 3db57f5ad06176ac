#include "textfile/TextForms.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace textfile {
namespace {

struct DoubleCase {
    double value;
    const char* text;
};

TEST(DoubleText, WritesFifteenSignificantDigitsWithoutExponentBelowE15) {
    const DoubleCase cases[] = {
        {180, "180"},
        {-3, "-3"},
        {0.5, "0.5"},
        {-0.5, "-0.5"},
        {12.5, "12.5"},
        {0, "0"},
        {-0.0, "0"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {0.0001, "0.0001"},
        {1e-7, "0.0000001"},
        {123456789012345.0, "123456789012345"},
        {999999999999999.9, "1E+15"}, // rounds up into the exponent range
        {1e15, "1E+15"},
        {-1.5e20, "-1.5E+20"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(doubleText(c.value), c.text) << c.value;
    }
}

struct SingleCase {
    float value;
    const char* text;
};

TEST(SingleText, WritesTheShortestTextThatReadsBack) {
    const SingleCase cases[] = {
        {180.0f, "180"},
        {12.5f, "12.5"},
        {0.5f, "0.5"},
        {-2.5f, "-2.5"},
        {0.1f, "0.1"},
        {1.0f / 3, "0.33333334"},
        {16777216.0f, "16777216"},
        {0.0f, "0"},
        {1e15f, "1E+15"},
        {std::numeric_limits<float>::max(), "3.4028235E+38"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(singleText(c.value), c.text) << c.value;
    }
}

TEST(SingleText, ReadsBackToTheSameSingle) {
    for (float f : {0.1f, 1.0f / 3, 2.0f / 3, 123.456f, 1e-5f, 7.0e14f, -0.3f}) {
        const std::string text = singleText(f);
        float back = 0;
        std::from_chars(text.data(), text.data() + text.size(), back);
        EXPECT_EQ(back, f) << text;
        EXPECT_EQ(text.find('E'), std::string::npos) << text;
    }
}

TEST(PrintForms, PutTheSignPlaceBeforeAndPrintFormABlankAfter) {
    const struct {
        double value;
        const char* print;
        const char* joined;
    } cases[] = {
        {5, " 5 ", " 5"},       {-3, "-3 ", "-3"},   {12.5, " 12.5 ", " 12.5"},
        {0.5, " 0.5 ", " 0.5"}, {-0.0, " 0 ", " 0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(printNumber(c.value), c.print) << c.value;
        EXPECT_EQ(joinedNumber(c.value), c.joined) << c.value;
    }
}

TEST(WriteLine, QuotesTextsAndWritesNumbersBare) {
    EXPECT_EQ(WriteLine().text("A1").text("Hits, misses").number(3).str(), "\"A1\",\"Hits, misses\",3\r\n");
    EXPECT_EQ(WriteLine().text("").str(), "\"\"\r\n");
    EXPECT_EQ(WriteLine().str(), "\r\n");
}

TEST(WriteLine, WritesEachKindOfValue) {
    const std::string line = WriteLine()
                                 .value(Value::empty())
                                 .value(Value::ofText("x"))
                                 .value(Value::null())
                                 .value(Value::ofNumber(0.5))
                                 .value(Value::empty())
                                 .str();
    EXPECT_EQ(line, ",\"x\",#NULL#,0.5,\r\n");
}

} // namespace
} // namespace textfile
