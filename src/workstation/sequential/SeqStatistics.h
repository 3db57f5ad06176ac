#pragma once
// The four statistics of sequential dependency of one two-by-two table: Allison and
// Liker's Z, Pearson's r, Yule's Q and the Transformed Kappa, in single precision.
// Z uses the target's marginal proportion only, and r carries the size of the dependency,
// never its sign. Each statistic is 0 where its condition does not hold.

#include "workstation/sequential/SequentialRun.h"

namespace ws {

// The text report rounds the kappa's expected value to a whole number (halves to the even
// neighbour); the comma-separated rows use it as it is.
enum class KappaExpectation { WholeNumber, Unrounded };

struct SeqStatistics {
    float Z = 0;
    float r = 0;
    float Q = 0;
    float K = 0;
    float Ek = 0; // the expected (Y,Y) frequency of the kappa step
};

SeqStatistics seqStatistics(const SeqTable& table, KappaExpectation expectation);

} // namespace ws
