#include "workstation/sequential/SequentialRun.h"

namespace ws {

void completeTotals(SeqTable& t) {
    for (int k = kYes; k <= kNo; ++k) {
        t[k][0] = t[k][kYes] + t[k][kNo];
        t[0][k] = t[kYes][k] + t[kNo][k];
    }
    t[0][0] = t[kYes][kYes] + t[kYes][kNo] + t[kNo][kYes] + t[kNo][kNo];
}

} // namespace ws
