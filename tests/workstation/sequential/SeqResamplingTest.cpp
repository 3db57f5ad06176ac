#include "workstation/sequential/SeqResampling.h"
#include "SeqTestSupport.h"
#include "support/RecordingStatus.h"
#include "support/ScriptedPlatform.h"
#include "support/ScriptedRandom.h"
#include "workstation/sequential/SeqStatistics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <vector>

namespace {

using ws::SeqTable;

using seqtest::tableOf;
using testsupport::RecordingStatus;

struct Fixture {
    testsupport::ScriptedRandom random;
    testsupport::ManualClock clock;
    RecordingStatus status;
    ws::ResampleServices services{random, status, clock};
    ws::SequentialRun run;
    Fixture(int resamples = 4) { run.gResampleCount = static_cast<std::int16_t>(resamples); }
};

TEST(YulesQ, AddsAHalfOnlyWhenNoCellIsZero) {
    struct Case {
        SeqTable table;
        float q;
    };
    const Case cases[] = {
        {tableOf(3, 1, 1, 3), static_cast<float>((3.5 * 3.5 - 1.5 * 1.5) / (3.5 * 3.5 + 1.5 * 1.5))},
        {tableOf(0, 2, 3, 4), -1.0f},
        {tableOf(5, 0, 0, 0), ws::UndefinedQ},
        {tableOf(0, 0, 0, 0), ws::UndefinedQ},
        {tableOf(2, 0, 3, 1), 1.0f},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ws::YulesQ(c.table), c.q);
    }
    std::vector<SeqTable> levels{SeqTable{}, tableOf(3, 1, 1, 3)};
    EXPECT_EQ(ws::YulesQLevel(levels, 1), cases[0].q);
}

TEST(ResampleTable, KeepsTheMarginsAndDrawsTheCountByInversion) {
    // N = 10, nG = 4, nT = 3: a' runs 0..3 with weights 20, 60, 36, 4 in 120.
    const SeqTable observed = tableOf(2, 2, 1, 5);
    const ws::ResampleLaw law(observed);
    testsupport::ScriptedRandom random;
    const std::vector<std::pair<float, int>> draws{{0.0f, 0},  {0.16f, 0}, {0.17f, 1}, {0.66f, 1},
                                                   {0.67f, 2}, {0.96f, 2}, {0.97f, 3}, {0.99999994f, 3}};
    for (const auto& [u, expected] : draws) {
        random.values.push_back(u);
        SeqTable t = observed;
        ws::ResampleTable(t, law, random);
        EXPECT_EQ(t[1][1], expected) << u;
        EXPECT_EQ(t[0][0], 10);
        EXPECT_EQ(t[1][0], 4);
        EXPECT_EQ(t[0][1], 3);
        EXPECT_EQ(t[1][2], 4 - expected);
        EXPECT_EQ(t[2][1], 3 - expected);
        EXPECT_EQ(t[2][2], 3 + expected);
    }
    std::vector<SeqTable> levels{SeqTable{}, observed, tableOf(9, 9, 9, 9)};
    random.values.push_back(0.99f);
    ws::ResampleLevelTable(levels, 1, law, random);
    EXPECT_EQ(levels[1][1][1], 3);
    EXPECT_EQ(levels[2], tableOf(9, 9, 9, 9));
}

TEST(ResampleTable, MarginsBeyondSixteenBitsAreKept) {
    const SeqTable observed = tableOf(30000, 20000, 25000, 100000);
    const ws::ResampleLaw law(observed);
    testsupport::ScriptedRandom random;
    random.values = {0.5f};
    SeqTable t = observed;
    ws::ResampleTable(t, law, random);
    EXPECT_EQ(t[1][0], 50000);
    EXPECT_EQ(t[0][1], 55000);
    EXPECT_EQ(t[0][0], 175000);
    // The median of the law lies at its mean, nG × nT / N.
    EXPECT_NEAR(t[1][1], 50000.0 * 55000 / 175000, 2);
}

// With the program's generator the resampled (Y,Y) count follows the law of a uniform
// placement of the givens: the hypergeometric.
TEST(ResampleTable, FitsTheHypergeometricAtAThousandUnits) {
    const int n = 1000, givens = 300, targets = 400;
    const SeqTable observed = tableOf(120, givens - 120, targets - 120, n - givens - targets + 120);
    const ws::ResampleLaw law(observed);
    platform::FixedRandom random;
    const int samples = 20000;
    std::map<int, int> seen;
    for (int s = 0; s < samples; ++s) {
        SeqTable t = observed;
        ws::ResampleTable(t, law, random);
        ++seen[t[1][1]];
    }
    const auto logChoose = [](int m, int k) {
        return std::lgamma(m + 1.0) - std::lgamma(k + 1.0) - std::lgamma(m - k + 1.0);
    };
    // Cells of at least 5 expected draws; the tails pooled into the end cells.
    double chi = 0;
    int cells = 0;
    double tailExpected = 0, tailSeen = 0;
    for (int k = 0; k <= givens; ++k) {
        const double p =
            std::exp(logChoose(givens, k) + logChoose(n - givens, targets - k) - logChoose(n, targets));
        const double expected = p * samples;
        const double count = seen.count(k) != 0 ? seen[k] : 0;
        tailExpected += expected;
        tailSeen += count;
        if (tailExpected >= 5) {
            chi += (tailSeen - tailExpected) * (tailSeen - tailExpected) / tailExpected;
            ++cells;
            tailExpected = tailSeen = 0;
        }
    }
    chi += tailExpected > 0 ? (tailSeen - tailExpected) * (tailSeen - tailExpected) / tailExpected : 0;
    ASSERT_GT(cells, 30);
    // 99.9th percentile of chi-square with about 40 degrees of freedom.
    EXPECT_LT(chi, 73.4) << cells << " cells";
}

// The law over the whole range of counts, every one weighed: what ResampleLaw must draw
// exactly, though it keeps only the counts whose weight is not 0.
class WholeRangeLaw {
public:
    explicit WholeRangeLaw(const SeqTable& table) {
        const std::int64_t n = table[0][0];
        const std::int64_t givens = table[1][0];
        const std::int64_t targets = table[0][1];
        lowest_ = std::max<std::int64_t>(0, givens + targets - n);
        const std::int64_t highest = std::max(lowest_, std::min(givens, targets));
        std::vector<double> weight(static_cast<std::size_t>(highest - lowest_ + 1), 0.0);
        const auto ratioUp = [&](std::int64_t k) {
            const double above = static_cast<double>(givens - k) * static_cast<double>(targets - k);
            const double below =
                static_cast<double>(k + 1) * static_cast<double>(n - givens - targets + k + 1);
            return below <= 0 ? 0.0 : above / below;
        };
        const double modeGuess = (static_cast<double>(givens) + 1) * (static_cast<double>(targets) + 1) /
                                 (static_cast<double>(n) + 2);
        const std::int64_t mode = std::clamp(static_cast<std::int64_t>(modeGuess), lowest_, highest);
        const auto at = [&](std::int64_t k) -> double& {
            return weight[static_cast<std::size_t>(k - lowest_)];
        };
        at(mode) = 1.0;
        for (std::int64_t k = mode; k < highest; ++k) {
            at(k + 1) = at(k) * ratioUp(k);
        }
        for (std::int64_t k = mode; k > lowest_; --k) {
            const double up = ratioUp(k - 1);
            at(k - 1) = up > 0 ? at(k) / up : 0.0;
        }
        double sum = 0;
        for (const double w : weight) {
            sum += w;
            cumulative.push_back(sum);
        }
        for (double& c : cumulative) {
            c /= sum;
        }
    }
    std::int64_t draw(float u) const {
        const auto found = std::upper_bound(cumulative.begin(), cumulative.end(), static_cast<double>(u));
        return lowest_ + std::min<std::ptrdiff_t>(found - cumulative.begin(),
                                                  static_cast<std::ptrdiff_t>(cumulative.size()) - 1);
    }
    std::vector<double> cumulative;

private:
    std::int64_t lowest_ = 0;
};

// Margins drawn at random, from a handful of units to millions, and u both at random and
// at each side of the cumulative steps (where a search that starts in the wrong place
// would show), the law made afresh and the one law made again for margins in turn.
TEST(ResampleLaw, DrawsWhatTheWholeRangeDrawsForAnyMargins) {
    std::mt19937_64 pick(33);
    ws::ResampleLaw reused;
    for (int trial = 0; trial < 60; ++trial) {
        const std::int32_t n = std::uniform_int_distribution<std::int32_t>(
            1, trial % 3 == 0 ? 50 : (trial % 3 == 1 ? 20000 : 3'000'000))(pick);
        std::uniform_int_distribution<std::int32_t> margin(0, n);
        const std::int32_t givens = margin(pick);
        const std::int32_t targets = margin(pick);
        const std::int32_t a = std::max(0, givens + targets - n);
        const SeqTable observed = tableOf(a, givens - a, targets - a, n - givens - targets + a);
        const WholeRangeLaw whole(observed);
        const ws::ResampleLaw fresh(observed);
        reused.prepare(observed);
        std::vector<float> us{0.0f, 0x1p-24f, 0.5f, 1.0f - 0x1p-24f};
        for (int i = 0; i < 500; ++i) {
            us.push_back(static_cast<float>(pick() >> 40) * 0x1p-24f);
        }
        for (std::size_t i = 0; i < whole.cumulative.size(); i += 1 + whole.cumulative.size() / 300) {
            const auto step = static_cast<float>(whole.cumulative[i]);
            us.insert(us.end(), {std::nextafter(step, 0.0f), step, std::nextafter(step, 1.0f)});
        }
        for (const float u : us) {
            if (u >= 0 && u < 1) {
                ASSERT_EQ(fresh.draw(u), whole.draw(u)) << n << " " << givens << " " << targets << " u " << u;
                ASSERT_EQ(reused.draw(u), whole.draw(u))
                    << n << " " << givens << " " << targets << " u " << u;
            }
        }
    }
}

TEST(ResamplingTest, CountsBothRowsAndLeavesTheObservedTable) {
    Fixture f(4);
    // Observed a = 2 of N = 10, nG = 4, nT = 3; the scripted draws give a' = 0, 1, 2, 3.
    const SeqTable observed = tableOf(2, 2, 1, 5);
    const float observedQ = ws::seqStatistics(observed, ws::KappaExpectation::Unrounded).Q;
    f.random.values = {0.1f, 0.5f, 0.8f, 0.99f};
    f.run.gResampleCounts[1][1] = 77;
    EXPECT_EQ(ws::ResamplingTest(f.run, observed, observedQ, false, f.services),
              ws::ResampleOutcome::Completed);
    EXPECT_EQ(f.random.draws, 4);
    const auto& c = f.run.gResampleCounts;
    EXPECT_EQ((std::vector<int>{c[1][1], c[1][2], c[1][3]}), (std::vector<int>{2, 1, 1}));
    // Q of a' = 0 is -1, of 1 -0.129 (halves added), of 2 (2,2,1,5) 0.571 with halves,
    // below the observed 0.667 without them, and of 3 it is 1.
    EXPECT_EQ((std::vector<int>{c[2][1], c[2][2], c[2][3]}), (std::vector<int>{3, 0, 1}));
    EXPECT_EQ(f.run.gPooledResampleCounts, (std::array<std::array<float, 4>, 4>{}));

    // The pooled counts take the same counts as singles.
    f.random.values = {0.1f, 0.5f, 0.8f, 0.99f};
    ws::ResamplingTest(f.run, observed, observedQ, true, f.services);
    EXPECT_EQ(f.run.gPooledResampleCounts[1][1], 2.0f);
    EXPECT_EQ(f.run.gPooledResampleCounts[2][3], 1.0f);
}

TEST(ResamplingTest, StatusIsShownEveryResampleAndRepaintedAtMostEvery50ms) {
    Fixture f(4);
    const SeqTable observed = tableOf(2, 2, 1, 5);
    f.clock.monotonic = 10.0;
    ws::ResamplingTest(f.run, observed, 0.5f, false, f.services);
    EXPECT_EQ(f.status.labels, (std::vector<std::string>{
                                   "Sequential is doing a resample", "Sequential is doing a resample",
                                   "Sequential is doing a resample", "Sequential is doing a resample", ""}));
    EXPECT_EQ(f.status.progress, (std::vector<int>{25, 50, 75, 100, 0}));
    EXPECT_EQ(f.status.redraws, 2); // the first resample and the cleared status
}

TEST(ResamplingTest, AnUndefinedQThatNeverClearsEndsTheTestAfter1001Draws) {
    Fixture f(5);
    // Every unit carries the given: every shuffle gives c' = d' = 0 and Q is undefined.
    const SeqTable observed = tableOf(3, 7, 0, 0);
    EXPECT_EQ(ws::ResamplingTest(f.run, observed, 0.0f, false, f.services), ws::ResampleOutcome::Unfinished);
    EXPECT_EQ(f.random.draws, 1001);
    EXPECT_EQ(f.status.label(), "");
    EXPECT_EQ(f.status.progress.back(), 0);

    // Such margins make every draw undefined, so the counts stand at 0.
    EXPECT_EQ(f.run.gResampleCounts, (std::array<std::array<std::int16_t, 4>, 4>{}));
}

TEST(ResamplingTest, AnEmptyLevelIsSkippedWithoutADraw) {
    Fixture f(10);
    std::vector<SeqTable> levels{SeqTable{}, SeqTable{}, tableOf(2, 2, 1, 5)};
    f.run.gResampleCounts[1][2] = 5;
    EXPECT_EQ(ws::ResamplingTest(f.run, levels, 1, 0.0f, false, f.services), ws::ResampleOutcome::Skipped);
    EXPECT_EQ(f.random.draws, 0);
    EXPECT_EQ(f.run.gResampleCounts[1][2], 0);
    EXPECT_TRUE(f.status.labels.empty());
    EXPECT_EQ(ws::ResamplingTest(f.run, levels, 2, 0.0f, false, f.services), ws::ResampleOutcome::Completed);
    EXPECT_EQ(f.random.draws, 10);
}

TEST(ResamplingTest, TheFirstRunOfEachStartRepeatsItsCountsAndASecondDiffers) {
    const SeqTable observed = tableOf(9, 91, 81, 819); // a at its expected value
    const float observedQ = ws::seqStatistics(observed, ws::KappaExpectation::Unrounded).Q;
    const auto countsOfTwoRuns = [&] {
        platform::FixedRandom random;
        testsupport::ManualClock clock;
        ws::QuietStatus status;
        ws::ResampleServices services{random, status, clock};
        ws::SequentialRun run;
        run.gResampleCount = 1000;
        ws::ResamplingTest(run, observed, observedQ, false, services);
        const auto first = run.gResampleCounts;
        ws::ResamplingTest(run, observed, observedQ, false, services);
        return std::make_pair(first, run.gResampleCounts);
    };
    const auto start1 = countsOfTwoRuns();
    const auto start2 = countsOfTwoRuns();
    EXPECT_EQ(start1.first, start2.first);
    EXPECT_NE(start1.first, start1.second);
    for (int row = 1; row <= 2; ++row) {
        EXPECT_EQ(start1.first[row][1] + start1.first[row][2] + start1.first[row][3], 1000);
    }
}

} // namespace
