// The four statistics against values worked by hand from their definitions.
#include "workstation/sequential/SeqStatistics.h"

#include "SeqTestSupport.h"

#include <gtest/gtest.h>

namespace {

using ws::KappaExpectation;

using seqtest::tableOf;

struct StatisticsCase {
    const char* name;
    int a, b, c, d;
    float Z, r, Q;
    float kappaUnrounded; // Ek as it is
    float kappaWhole;     // Ek rounded to a whole number, halves to even
};

class Statistics : public ::testing::TestWithParam<StatisticsCase> {};

TEST_P(Statistics, MatchTheHandWorkedValues) {
    const StatisticsCase& c = GetParam();
    const ws::SeqTable t = tableOf(c.a, c.b, c.c, c.d);
    const ws::SeqStatistics csv = ws::seqStatistics(t, KappaExpectation::Unrounded);
    const ws::SeqStatistics text = ws::seqStatistics(t, KappaExpectation::WholeNumber);
    EXPECT_NEAR(csv.Z, c.Z, 1e-5);
    EXPECT_NEAR(csv.r, c.r, 1e-5);
    EXPECT_NEAR(csv.Q, c.Q, 1e-5);
    EXPECT_NEAR(csv.K, c.kappaUnrounded, 1e-5);
    EXPECT_NEAR(text.K, c.kappaWhole, 1e-5);
    EXPECT_EQ(text.Z, csv.Z); // only the kappa differs between the two forms
    EXPECT_GE(csv.r, 0.0f);
}

// N = a+b+c+d, nG = a+b, nT = a+c; E = nG nT / N, pT = nT / N;
// Z = (a - E) / sqrt(E (1 - pT)); r = sqrt(Z^2 / N); Q = (ad - bc) / (ad + bc);
// M = the smaller margin; K = (a - Ek) / (M - Ek) when a >= Ek, else (a - Ek) / Ek.
INSTANTIATE_TEST_SUITE_P(
    Cases, Statistics,
    ::testing::Values(
        // E = 12/9, radicand = 4/3 * 2/3 = 8/9; Ek whole = 1
        StatisticsCase{"StrongDependency", 3, 1, 0, 5, 1.7677670f, 0.5892557f, 1.0f, 1.0f, 1.0f},
        // E = 1.5, radicand 1.05; Q = 10/34; M = 5; K = 0.5/3.5, whole Ek 2 gives 0
        StatisticsCase{"KappaByItsExpectation", 2, 3, 4, 11, 0.4879500f, 0.1091089f, 0.2941176f, 0.1428571f,
                       0.0f},
        // a = 0: Z negative, r positive, Q = -1, K = -1 either way
        StatisticsCase{"NoJointEvents", 0, 4, 3, 1, -1.5491933f, 0.5477226f, -1.0f, -1.0f, -1.0f},
        // E = 2.5 rounds to 2: a >= Ek there, below it unrounded
        StatisticsCase{"HalfGoesToEven", 2, 3, 3, 2, -0.4472136f, 0.1414214f, -0.3846154f, -0.2f, 0.0f},
        // nT = N: radicand 0; ad + bc = 0; M = Ek = 3
        StatisticsCase{"TargetInEveryUnit", 3, 0, 2, 0, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f},
        // nT = 0: every guarded statistic is 0
        StatisticsCase{"ZeroMargin", 0, 2, 0, 1, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f},
        StatisticsCase{"EmptyTable", 0, 0, 0, 0, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Statistics, LargeCountsDoNotOverflowTheProducts) {
    const ws::SeqStatistics s = ws::seqStatistics(tableOf(100000, 1, 1, 100000), KappaExpectation::Unrounded);
    EXPECT_NEAR(s.Q, (1e10 - 1) / (1e10 + 1), 1e-6);
    EXPECT_GT(s.Z, 0.0f);
}

} // namespace
