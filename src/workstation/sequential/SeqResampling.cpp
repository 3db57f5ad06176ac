#include "workstation/sequential/SeqResampling.h"

#include "workstation/sequential/SeqStatistics.h"

#include <algorithm>
#include <cmath>

namespace ws {
namespace {

constexpr const char* kResampleCaption = "Sequential is doing a resample";
constexpr double kRepaintSeconds = 0.05;

bool innerCellsEmpty(const SeqTable& t) {
    return t[kYes][kYes] == 0 && t[kYes][kNo] == 0 && t[kNo][kYes] == 0 && t[kNo][kNo] == 0;
}

template <typename Cell>
void storeCounts(std::array<std::array<Cell, 4>, 4>& target,
                 const std::array<std::array<int, 4>, 4>& counts) {
    for (int row = 1; row <= 2; ++row) {
        for (int column = 1; column <= 3; ++column) {
            target[row][column] = static_cast<Cell>(counts[row][column]);
        }
    }
}

void storeCounts(SequentialRun& run, bool pooled, const std::array<std::array<int, 4>, 4>& counts) {
    if (pooled) {
        storeCounts(run.gPooledResampleCounts, counts);
    } else {
        storeCounts(run.gResampleCounts, counts);
    }
}

int column(double resampled, double observed) {
    return resampled < observed ? 1 : (resampled == observed ? 2 : 3);
}

// The label and bar are set on every resample; the window is repainted at most every
// 50 ms, since a test never yields and a repaint per resample would cost more than it.
class TestStatus {
public:
    explicit TestStatus(ResampleServices& s) : s_(s) {}

    void show(int i, int total) {
        s_.status.setLabel(caption_);
        const float percent = static_cast<float>(i) / static_cast<float>(total) * 100.0f;
        s_.status.setProgress(static_cast<int>(std::nearbyint(percent)));
        const double now = s_.clock.monotonicSeconds();
        if (!painted_ || now - lastPaint_ >= kRepaintSeconds) {
            painted_ = true;
            lastPaint_ = now;
            s_.status.redraw();
        }
    }

    void clear() {
        s_.status.setLabel("");
        s_.status.setProgress(0);
        s_.status.redraw();
    }

private:
    ResampleServices& s_;
    const std::string caption_{kResampleCaption}; // made once, not once per resample
    bool painted_ = false;
    double lastPaint_ = 0;
};

} // namespace

void ResampleLaw::prepare(const SeqTable& table) {
    const std::int64_t n = table[0][0];
    const std::int64_t givens = table[kYes][0];
    const std::int64_t targets = table[0][kYes];
    if (margins_ == std::array<std::int64_t, 3>{n, givens, targets}) {
        return;
    }
    margins_ = {n, givens, targets};
    lowest_ = std::max<std::int64_t>(0, givens + targets - n);
    highest_ = std::max(lowest_, std::min(givens, targets));

    // Probabilities relative to the most likely count, by the ratio of neighbours, so that
    // none overflows however large the margins. Once one is 0 every one beyond it is, so
    // each side stops there.
    const auto ratioUp = [&](std::int64_t k) { // p(k + 1) / p(k)
        const double above = static_cast<double>(givens - k) * static_cast<double>(targets - k);
        const double below = static_cast<double>(k + 1) * static_cast<double>(n - givens - targets + k + 1);
        return below <= 0 ? 0.0 : above / below;
    };
    const double modeGuess =
        (static_cast<double>(givens) + 1) * (static_cast<double>(targets) + 1) / (static_cast<double>(n) + 2);
    const std::int64_t mode = std::clamp(static_cast<std::int64_t>(modeGuess), lowest_, highest_);
    below_.clear();
    double weight = 1.0;
    for (std::int64_t k = mode; k > lowest_; --k) {
        const double up = ratioUp(k - 1);
        weight = up > 0 ? weight / up : 0.0;
        if (weight == 0) {
            break;
        }
        below_.push_back(weight);
    }
    bandLowest_ = mode - static_cast<std::int64_t>(below_.size());
    cumulative_.clear();
    cumulative_.insert(cumulative_.end(), below_.rbegin(), below_.rend());
    cumulative_.push_back(1.0);
    weight = 1.0;
    for (std::int64_t k = mode; k < highest_; ++k) {
        weight *= ratioUp(k);
        if (weight == 0) {
            break;
        }
        cumulative_.push_back(weight);
    }
    // Summed from the least count up, as over the whole range: the zeros outside the band
    // add nothing, so every sum is the one the whole table gives.
    double sum = 0;
    for (double& c : cumulative_) {
        sum += c;
        c = sum;
    }
    for (double& c : cumulative_) {
        c /= sum;
    }
}

std::int64_t ResampleLaw::draw(float u) const {
    // Below the band the cumulative law is 0 and above it 1: only a u outside [0, 1) lands
    // there, at the range's ends as the whole table's search would.
    if (u < 0) {
        return lowest_;
    }
    const auto found = std::upper_bound(cumulative_.begin(), cumulative_.end(), static_cast<double>(u));
    if (found == cumulative_.end()) {
        return highest_;
    }
    return bandLowest_ + (found - cumulative_.begin());
}

void ResampleTable(SeqTable& table, const ResampleLaw& law, platform::Random& random) {
    const std::int64_t n = table[0][0];
    const std::int64_t givens = table[kYes][0];
    const std::int64_t targets = table[0][kYes];
    const std::int64_t both = law.draw(random.next());
    table = SeqTable{};
    table[kYes][kYes] = static_cast<std::int32_t>(both);
    table[kNo][kYes] = static_cast<std::int32_t>(targets - both);
    table[kYes][kNo] = static_cast<std::int32_t>(givens - both);
    table[kNo][kNo] = static_cast<std::int32_t>(n - givens - targets + both);
    completeTotals(table);
}

void ResampleLevelTable(std::vector<SeqTable>& tables, std::int16_t level, const ResampleLaw& law,
                        platform::Random& random) {
    ResampleTable(tables.at(static_cast<std::size_t>(level)), law, random);
}

float YulesQ(const SeqTable& t) {
    const auto a = static_cast<float>(t[kYes][kYes]);
    const auto b = static_cast<float>(t[kYes][kNo]);
    const auto c = static_cast<float>(t[kNo][kYes]);
    const auto d = static_cast<float>(t[kNo][kNo]);
    if (a != 0 && b != 0 && c != 0 && d != 0) {
        const double ad = (a + 0.5) * (d + 0.5);
        const double bc = (b + 0.5) * (c + 0.5);
        return static_cast<float>((ad - bc) / (ad + bc));
    }
    const double ad = static_cast<double>(a) * d;
    const double bc = static_cast<double>(b) * c;
    if (ad + bc == 0) {
        return UndefinedQ;
    }
    return static_cast<float>((ad - bc) / (ad + bc));
}

float YulesQLevel(const std::vector<SeqTable>& tables, std::int16_t level) {
    return YulesQ(tables.at(static_cast<std::size_t>(level)));
}

ResampleOutcome ResamplingTest(SequentialRun& run, const SeqTable& observed, float observedQ, bool pooled,
                               ResampleServices& services) {
    std::array<std::array<int, 4>, 4> counts{};
    storeCounts(run, pooled, counts);
    ResampleLaw& law = services.law;
    law.prepare(observed);
    SeqTable working = observed;
    const std::int32_t observedA = observed[kYes][kYes];
    TestStatus status(services);
    ResampleOutcome outcome = ResampleOutcome::Completed;
    for (int i = 1; i <= run.gResampleCount && outcome == ResampleOutcome::Completed; ++i) {
        status.show(i, run.gResampleCount);
        float q = UndefinedQ;
        for (int draws = 1;; ++draws) {
            ResampleTable(working, law, services.random);
            q = YulesQ(working);
            if (draws > ResampleDrawLimit) {
                outcome = ResampleOutcome::Unfinished;
                break;
            }
            if (q != UndefinedQ) {
                break;
            }
        }
        if (outcome == ResampleOutcome::Completed) {
            ++counts[1][column(working[kYes][kYes], observedA)];
            ++counts[2][column(q, observedQ)];
        }
    }
    storeCounts(run, pooled, counts);
    status.clear();
    return outcome;
}

ResampleOutcome ResamplingTest(SequentialRun& run, const std::vector<SeqTable>& levels, std::int16_t level,
                               float observedQ, bool pooled, ResampleServices& services) {
    const SeqTable& observed = levels.at(static_cast<std::size_t>(level));
    if (innerCellsEmpty(observed)) {
        storeCounts(run, pooled, {});
        return ResampleOutcome::Skipped;
    }
    return ResamplingTest(run, observed, observedQ, pooled, services);
}

namespace {

ResampleResult resultOf(const SequentialRun& run, bool pooled, ResampleOutcome outcome) {
    ResampleResult result{outcome, {}};
    for (int row = 1; row <= 2; ++row) {
        for (int column = 1; column <= 3; ++column) {
            result.counts[row][column] =
                pooled ? run.gPooledResampleCounts[row][column] : run.gResampleCounts[row][column];
        }
    }
    return result;
}

float observedQ(const SeqTable& table) {
    return seqStatistics(table, KappaExpectation::Unrounded).Q;
}

} // namespace

ResampleResult resampleTable(SequentialRun& run, const SeqTable& observed, bool pooled,
                             ResampleServices& services) {
    return resultOf(run, pooled, ResamplingTest(run, observed, observedQ(observed), pooled, services));
}

ResampleResult resampleLevel(SequentialRun& run, const std::vector<SeqTable>& levels, std::int16_t level,
                             bool pooled, ResampleServices& services) {
    const float q = observedQ(levels.at(static_cast<std::size_t>(level)));
    return resultOf(run, pooled, ResamplingTest(run, levels, level, q, pooled, services));
}

std::vector<ResampleResult> resampleLevels(SequentialRun& run, const std::vector<SeqTable>& levels,
                                           std::int16_t levelCount, bool pooled, ResampleServices& services) {
    std::vector<ResampleResult> results(static_cast<std::size_t>(std::max<int>(levelCount, 0)) + 1);
    for (std::int16_t m = 1; m <= levelCount; ++m) {
        results[static_cast<std::size_t>(m)] = resampleLevel(run, levels, m, pooled, services);
    }
    return results;
}

} // namespace ws
