#pragma once
// The window method: per code, an occurrence of observer 1 agrees when observer 2 has an
// unmatched occurrence of the same code within the window.

#include "workstation/analyses/AgreementCounts.h"
#include "workstation/core/CodeSet.h"
#include "workstation/core/EventSlots.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace ws {

// Times of every event of a slot by its code, in event order; the end record is included,
// so only a code set that defines "-500" ever counts it.
using OnsetIndex = std::unordered_map<std::string, std::vector<std::int32_t>>;
OnsetIndex indexOnsets(const std::vector<std::string>& codes, const std::vector<std::int32_t>& times);

// Fills WindowCounts of one code row. Observer 1 drives: each of its occurrences takes
// observer 2's first unmatched occurrence in file order within [t - window, t + window].
void matchWindow(CountTable& windowCounts, int row, const std::vector<std::int32_t>& onsets1,
                 const std::vector<std::int32_t>& onsets2, int window);

// The window method for every code row of the table, on both event slots.
void countWindowAgreement(const CodeSet& set, const EventSlots& eventSlots, AgreementCounts& counts,
                          int window);

} // namespace ws
