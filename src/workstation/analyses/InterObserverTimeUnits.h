#pragma once
// Time-unit matching: within one code group, every time unit gets each observer's code of
// that group, and the two are compared unit by unit.

#include "workstation/analyses/AgreementCounts.h"
#include "workstation/core/CodeSet.h"
#include "workstation/core/EventSlots.h"

#include <vector>

namespace ws {

// Takes the events of group-0 codes out of a slot; the end record moves down with them.
void removeGroupZeroEvents(const CodeSet& set, EventSlots& eventSlots, int slot);

// Fills GroupList and GroupPresent from the code table and both slots.
void collectGroups(const CodeSet& set, const EventSlots& eventSlots, AgreementCounts& counts);

// The code rows of a group, in code-table order.
std::vector<int> codesOfGroup(const CodeSet& set, int group);

// Counts Dur1 and Dur2 (TimeUnitCounts) and CodeMatrix for one group over the units from
// the earlier first event to one before the later end time.
void matchGroupUnits(const CodeSet& set, const EventSlots& eventSlots, AgreementCounts& counts, int group);

// The matrix sums, MatrixTotal and MatrixAgreement, the per-code Occ Agr, NO Agr and Disagr,
// ExpectedAgreement and GroupKappa.
void sumGroupMatrix(AgreementCounts& counts);

} // namespace ws
