#pragma once
// Agreement figures in single precision: ratios, Cohen's Kappa of one code, the Kappa of
// a whole group.

#include "workstation/analyses/AgreementCounts.h"

#include <cstdint>

namespace ws {

// numerator / denominator rounded to single precision; 0 when the denominator is 0.
float singleRatio(std::int64_t numerator, std::int64_t denominator);

// Kappa of one code row from its time-unit counts (Dur1, Dur2, Occ Agr, NO Agr). When a
// cell of the 2 by 2 table is 0, every cell gets 0.5 more; a zero denominator gives 0.
float ComputeKappa(const CountTable& counts, std::int16_t code);

// Kappa over all codes of a group; 0 when the units all fall where chance puts them
// (total - expected is 0, an empty matrix included).
float groupKappaOf(std::int32_t agreement, std::int32_t total, float expected);

// The figures of one code line of the time-unit section.
struct CodeAgreementFigures {
    std::int32_t dur1 = 0;
    std::int32_t dur2 = 0;
    std::int32_t occAgr = 0;
    std::int32_t noAgr = 0;
    std::int32_t disagr = 0;
    float oaRatio = 0;        // Occ Agr / (Occ Agr + Disagr)
    float naRatio = 0;        // NO Agr / (NO Agr + Disagr)
    float agreementRatio = 0; // (Occ Agr + NO Agr) / (Occ Agr + NO Agr + Disagr)
    float kappa = 0;
};
CodeAgreementFigures figuresOfCode(const CountTable& timeUnitCounts, int row);

} // namespace ws
