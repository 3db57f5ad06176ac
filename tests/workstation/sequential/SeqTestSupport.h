#pragma once
// Helpers of the sequential tests: a run state with its givens and targets, and an event
// slot filled straight from a list of codes.

#include "workstation/core/Global.h"
#include "workstation/sequential/SequentialRun.h"

#include <string>
#include <vector>

namespace seqtest {

// Givens and targets as grouped lists, event lags.
ws::SequentialRun runWith(const std::vector<std::string>& givens, const std::vector<std::string>& targets,
                          int lag = 1, bool forward = true);

// Events 1..n get the codes (times 1, 2, ...), then the end record.
void loadSlot(ws::Global& g, const std::vector<std::string>& codes);
// The codes of slot 1 from position 1 up to the end record, not included.
std::vector<std::string> slotCodes(const ws::Global& g);

// A table of the four counts (Y,Y), (Y,N), (N,Y), (N,N), its totals filled in.
ws::SeqTable tableOf(int a, int b, int c, int d);

// The four counts (Y,Y), (Y,N), (N,Y), (N,N) of a table.
std::vector<int> cellsOf(const ws::SeqTable& t);

} // namespace seqtest
