#include "workstation/sequential/PairingRows.h"

#include "workstation/sequential/SeqCount.h"

#include <algorithm>

namespace ws {

void PairingRows::mark(const SequentialRun& run, const Global& g, int rows) {
    const auto givens = run.gGivens.begin() + 1;
    const auto targets = run.gTargets.begin() + 1;
    const bool same = rowsFor_ == rows && givenCountFor_ == run.gGivenCount &&
                      codesFor_.size() == static_cast<std::size_t>(run.gGivenCount + run.gTargetCount) &&
                      std::equal(givens, givens + run.gGivenCount, codesFor_.begin()) &&
                      std::equal(targets, targets + run.gTargetCount, codesFor_.begin() + run.gGivenCount);
    if (same) {
        return;
    }
    codesFor_.assign(givens, givens + run.gGivenCount);
    codesFor_.insert(codesFor_.end(), targets, targets + run.gTargetCount);
    givenCountFor_ = run.gGivenCount;
    rowsFor_ = rows;
    given_.assign(static_cast<std::size_t>(rows) + 1, 0);
    target_.assign(static_cast<std::size_t>(rows) + 1, 0);
    givenRows_.clear();
    targetRows_.clear();
    for (int r = 1; r <= rows; ++r) {
        std::string code = g.CodeTable.code(r);
        target_[static_cast<std::size_t>(r)] = IsTargetCode(run, code) ? 1 : 0;
        given_[static_cast<std::size_t>(r)] = IsGivenCode(run, code) ? 1 : 0;
        if (given_[static_cast<std::size_t>(r)] != 0) {
            givenRows_.push_back(r);
        }
        if (target_[static_cast<std::size_t>(r)] != 0) {
            targetRows_.push_back(r);
        }
    }
}

} // namespace ws
