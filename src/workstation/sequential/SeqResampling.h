#pragma once
// Resampling tests of a sequential table: the givens are placed at random among the table's
// units again and again while the targets stay where they are, and the test counts how
// often the resampled (Y,Y) frequency and Yule's Q fall below, on or above the observed
// ones. Every resampled table keeps the observed N, givens and targets.

#include "platform/Clock.h"
#include "platform/Random.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/sequential/SequentialRun.h"

#include <array>
#include <cstdint>
#include <vector>

namespace ws {

inline constexpr float UndefinedQ = 99.0f;
// Draws that count for one resample; one more ends the test unfinished.
inline constexpr int ResampleDrawLimit = 1000;
// Stands where the p lines would when a test ended unfinished.
inline constexpr const char* ResampleUnfinishedLine = " Not enough data for resampling testing";

// The law of the resampled (Y,Y) count: placing nG givens uniformly among N units, nT of
// which carry the target, gives a hypergeometric count. Made once per margins, so a draw
// costs a search over the cumulative probabilities, not a pass over the units. Only the
// counts whose probability is not 0 in double precision are held (a band of a few standard
// deviations either side of the mode), which draws exactly what the whole table would.
class ResampleLaw {
public:
    ResampleLaw() = default;
    explicit ResampleLaw(const SeqTable& table) { prepare(table); }
    // Makes this the law of the table's margins. The law of the same margins is kept as it
    // is, and its buffers keep their size for other margins.
    void prepare(const SeqTable& table);
    // The count for a uniform value u in [0, 1): inversion of the cumulative law.
    std::int64_t draw(float u) const;

private:
    std::array<std::int64_t, 3> margins_{-1, -1, -1}; // N, givens, targets of the law held
    std::int64_t lowest_ = 0;                         // the least count the margins allow
    std::int64_t highest_ = 0;                        // the greatest
    std::int64_t bandLowest_ = 0;                     // the count of cumulative_[0]
    std::vector<double> cumulative_;                  // over the band, the last one 1
    std::vector<double> below_;                       // the weights below the mode, mode first
};

// Replaces the four counts by a random table of the same margins, totals recomputed.
void ResampleTable(SeqTable& table, const ResampleLaw& law, platform::Random& random);
void ResampleLevelTable(std::vector<SeqTable>& tables, std::int16_t level, const ResampleLaw& law,
                        platform::Random& random);

// Q with a half added to every cell when no cell is 0; UndefinedQ when a cell is 0 and
// a × d + b × c is 0.
float YulesQ(const SeqTable& table);
float YulesQLevel(const std::vector<SeqTable>& tables, std::int16_t level);

struct ResampleServices {
    platform::Random& random;
    AnalysisStatus& status; // the analysis dialog's label and progress bar
    platform::Clock& clock; // paces the repaints
    // Kept across the tests of one run: tests of the same margins share its table, and
    // the others reuse its buffers.
    ResampleLaw law{};
};

enum class ResampleOutcome {
    Completed,
    Unfinished, // a resample found no defined Q within the draw limit
    Skipped,    // an empty level: nothing drawn
};

// How one test ended, with rows 1 and 2 of the counts it left (per-file counts are whole,
// pooled ones singles; both held exactly).
struct ResampleResult {
    ResampleOutcome outcome = ResampleOutcome::Skipped;
    std::array<std::array<double, 4>, 4> counts{};
};

// gResampleCount resamples of the table against the observed Q its caller computed. The
// counts go to gResampleCounts, or gPooledResampleCounts when `pooled`; an unfinished test
// leaves them as they stood when it ended. The observed table is not changed.
ResampleOutcome ResamplingTest(SequentialRun& run, const SeqTable& observed, float observedQ, bool pooled,
                               ResampleServices& services);
// The test of one level; a level whose four counts are all 0 is skipped with its counts 0.
ResampleOutcome ResamplingTest(SequentialRun& run, const std::vector<SeqTable>& levels, std::int16_t level,
                               float observedQ, bool pooled, ResampleServices& services);

// The test of a table, or of one level of `levels`, against the table's own Yule's Q, and
// what it left in the run's counts.
ResampleResult resampleTable(SequentialRun& run, const SeqTable& observed, bool pooled,
                             ResampleServices& services);
ResampleResult resampleLevel(SequentialRun& run, const std::vector<SeqTable>& levels, std::int16_t level,
                             bool pooled, ResampleServices& services);
// The tests of levels 1 to levelCount in turn; element m is level m's result.
std::vector<ResampleResult> resampleLevels(SequentialRun& run, const std::vector<SeqTable>& levels,
                                           std::int16_t levelCount, bool pooled, ResampleServices& services);

} // namespace ws
