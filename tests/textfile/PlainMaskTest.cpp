#include "textfile/PlainMask.h"
#include "textfile/NumberMask.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
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

// Whatever value the short way takes on, its text must be the long way's.
TEST(PlainMask, GivesTheTextOfTheGeneralLayoutWheneverItAnswers) {
    const std::vector<double> values = sweepValues();
    for (const Precision precision : {Precision::Double, Precision::Single}) {
        for (const char* mask : kPlainMasks) {
            for (const double value : values) {
                if (const auto text = detail::formatPlainMask(value, mask, precision)) {
                    ASSERT_EQ(*text, detail::formatMaskByDecimal(value, mask, precision))
                        << value << " with \"" << mask << '"'
                        << (precision == Precision::Single ? " single" : " double");
                }
            }
        }
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
        {0.125, "0.0000", Precision::Single, false},   // a single-precision fraction
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
