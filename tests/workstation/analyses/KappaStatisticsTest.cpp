#include "workstation/analyses/KappaStatistics.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ws {
namespace {

struct KappaCase {
    const char* what;
    std::int32_t dur1, dur2, occAgr, noAgr;
    float kappa; // worked by hand
};

TEST(ComputeKappa, WorkedTables) {
    const KappaCase cases[] = {
        // cells 5, 2, 3, 10: E = 7*8/20 + 13*12/20 = 10.6; (15 - 10.6) / (20 - 10.6)
        {"no empty cell", 7, 8, 5, 10, 0.468085f},
        // cells 10, 0, 0, 10 become 10.5, 0.5, 0.5, 10.5: E = 11; (21 - 11) / (22 - 11)
        {"perfect agreement", 10, 10, 10, 10, 10.0f / 11},
        // cells 2, 2, 2, 2: E = 4 = D
        {"chance agreement", 4, 4, 2, 2, 0.0f},
        // cells 0, 5, 5, 0 become 0.5, 5.5, 5.5, 0.5: E = 6; (1 - 6) / (12 - 6)
        {"no agreement", 5, 5, 0, 0, -5.0f / 6},
        // cells 0, 0, 0, 10 become 0.5, 0.5, 0.5, 10.5: E = 122/12; (11 - E) / (12 - E) = 5/11
        {"code neither observer used", 0, 0, 0, 10, 5.0f / 11},
        // all cells 0.5: E = 1 = D, N - E = 1
        {"empty table", 0, 0, 0, 0, 0.0f},
        // cells 2^25, 1, 1, 1: in single precision every +1 is lost, so N - E is 0 (and D - E
        // is 0 as well): the guard gives 0 where the division would give NaN
        {"denominator lost to rounding", 33554433, 33554433, 33554432, 1, 0.0f},
    };
    for (const auto& c : cases) {
        CountTable counts(2, 6);
        counts(1, kDur1) = c.dur1;
        counts(1, kDur2) = c.dur2;
        counts(1, kOccAgr) = c.occAgr;
        counts(1, kNOAgr) = c.noAgr;
        const float kappa = ComputeKappa(counts, 1);
        EXPECT_FALSE(std::isnan(kappa)) << c.what;
        EXPECT_NEAR(kappa, c.kappa, 5e-7) << c.what;
    }
}

TEST(groupKappaOf, ZeroDenominatorsGiveZero) {
    EXPECT_EQ(groupKappaOf(0, 0, 0), 0.0f);    // no unit coded by both observers
    EXPECT_EQ(groupKappaOf(10, 10, 10), 0.0f); // one code throughout: chance agreement 1
    // agreement 7 of 21 units, expected 183/21: (7 - E) / (21 - E) = -6/43
    EXPECT_NEAR(groupKappaOf(7, 21, 183.0f / 21), -6.0f / 43, 5e-7);
}

} // namespace
} // namespace ws
