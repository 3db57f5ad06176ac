#include "platform/Random.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(FixedRandom, GivesTheSameWholeSixteenthsOfMillionsFromEveryStart) {
    platform::FixedRandom first;
    platform::FixedRandom second;
    // The sequence is pinned: a changed generator changes every stored result.
    const double scale = 16777216.0;
    EXPECT_EQ(first.next(), static_cast<float>(6541254 / scale));
    EXPECT_EQ(first.next(), static_cast<float>(14419782 / scale));
    EXPECT_EQ(first.next(), static_cast<float>(534086 / scale));
    for (int i = 0; i < 3; ++i) {
        second.next();
    }
    for (int i = 0; i < 100000; ++i) {
        const float u = first.next();
        ASSERT_EQ(u, second.next());
        ASSERT_GE(u, 0.0f);
        ASSERT_LT(u, 1.0f);
        const double k = static_cast<double>(u) * scale;
        ASSERT_EQ(k, std::floor(k));
    }
}

} // namespace
