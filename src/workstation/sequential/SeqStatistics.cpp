#include "workstation/sequential/SeqStatistics.h"

#include <cmath>

namespace ws {

SeqStatistics seqStatistics(const SeqTable& t, KappaExpectation expectation) {
    // Products of counts are formed in double so that no count a table holds overflows
    // them; each named step is then a single-precision value.
    const double a = t[kYes][kYes];
    const double b = t[kYes][kNo];
    const double c = t[kNo][kYes];
    const double d = t[kNo][kNo];
    const auto nG = static_cast<float>(t[kYes][0]);
    const auto nT = static_cast<float>(t[0][kYes]);
    const auto n = static_cast<float>(t[0][0]);
    const auto fa = static_cast<float>(a);

    SeqStatistics s;
    float expected = 0;
    if (n != 0) {
        expected = static_cast<float>(static_cast<double>(t[kYes][0]) * t[0][kYes] / t[0][0]);
        const float pT = nT / n;
        const float radicand = expected * (1.0f - pT);
        if (radicand > 0) {
            s.Z = (fa - expected) / std::sqrt(radicand);
        }
    }
    if (s.Z != 0) {
        s.r = std::sqrt(s.Z * s.Z / n);
    }
    const auto denominator = static_cast<float>(a * d + b * c);
    if (denominator != 0) {
        s.Q = static_cast<float>(a * d - b * c) / denominator;
    }

    const float smaller = nG < nT ? nG : nT;
    s.Ek = expectation == KappaExpectation::WholeNumber ? std::nearbyint(expected) : expected;
    if (fa >= s.Ek) {
        if (smaller != s.Ek) {
            s.K = (fa - s.Ek) / (smaller - s.Ek);
        }
    } else if (s.Ek != 0) {
        s.K = (fa - s.Ek) / s.Ek;
    }
    return s;
}

} // namespace ws
