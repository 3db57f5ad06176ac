#include "workstation/analyses/KappaStatistics.h"

#include "textfile/Numeric.h"

namespace ws {

float singleRatio(std::int64_t numerator, std::int64_t denominator) {
    if (denominator == 0) {
        return 0;
    }
    return textfile::toSingle(static_cast<double>(numerator) / static_cast<double>(denominator));
}

float ComputeKappa(const CountTable& counts, std::int16_t code) {
    const std::int32_t occAgr = counts(code, kOccAgr);
    // Every step below is a single-precision operation.
    float agreeOn = static_cast<float>(occAgr);
    float onlyFirst = static_cast<float>(std::int64_t{counts(code, kDur1)} - occAgr);
    float onlySecond = static_cast<float>(std::int64_t{counts(code, kDur2)} - occAgr);
    float agreeOff = static_cast<float>(counts(code, kNOAgr));
    const float product = agreeOn * onlyFirst * onlySecond * agreeOff;
    if (product == 0) {
        agreeOn += 0.5f;
        onlyFirst += 0.5f;
        onlySecond += 0.5f;
        agreeOff += 0.5f;
    }
    const float n = agreeOn + onlyFirst + onlySecond + agreeOff;
    const float rowOn = agreeOn + onlyFirst;
    const float rowOff = onlySecond + agreeOff;
    const float columnOn = agreeOn + onlySecond;
    const float columnOff = onlyFirst + agreeOff;
    const float diagonal = agreeOn + agreeOff;
    const float expectedOn = n == 0 ? 0.0f : rowOn * columnOn / n;
    const float expectedOff = n == 0 ? 0.0f : rowOff * columnOff / n;
    const float expected = expectedOn + expectedOff;
    const float denominator = n - expected;
    if (denominator == 0) {
        return 0;
    }
    return (diagonal - expected) / denominator;
}

float groupKappaOf(std::int32_t agreement, std::int32_t total, float expected) {
    const float denominator = textfile::toSingle(static_cast<double>(total) - expected);
    if (denominator == 0) {
        return 0;
    }
    const float numerator = textfile::toSingle(static_cast<double>(agreement) - expected);
    return numerator / denominator;
}

CodeAgreementFigures figuresOfCode(const CountTable& timeUnitCounts, int row) {
    CodeAgreementFigures f;
    f.dur1 = timeUnitCounts(row, kDur1);
    f.dur2 = timeUnitCounts(row, kDur2);
    f.occAgr = timeUnitCounts(row, kOccAgr);
    f.noAgr = timeUnitCounts(row, kNOAgr);
    f.disagr = timeUnitCounts(row, kDisagr);
    const std::int64_t occ = f.occAgr, no = f.noAgr, dis = f.disagr;
    f.oaRatio = singleRatio(occ, occ + dis);
    f.naRatio = singleRatio(no, no + dis);
    f.agreementRatio = singleRatio(occ + no, occ + no + dis);
    f.kappa = ComputeKappa(timeUnitCounts, static_cast<std::int16_t>(row));
    return f;
}

} // namespace ws
