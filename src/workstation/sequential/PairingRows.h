#pragma once
// Which code-table rows are givens and which are targets of a pairing, decided once per
// pairing from the codes' text so that counts over many files test rows by index.

#include "workstation/core/Global.h"
#include "workstation/sequential/SequentialRun.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ws {

class PairingRows {
public:
    // Marks rows 1..rows of the code table as IsGivenCode and IsTargetCode see their codes;
    // nothing is redone while the givens, targets and row count stay those of the last call.
    void mark(const SequentialRun& run, const Global& g, int rows);
    const std::vector<char>& given() const { return given_; }
    const std::vector<char>& target() const { return target_; }
    // The marked rows, in table order.
    const std::vector<int>& givenRows() const { return givenRows_; }
    const std::vector<int>& targetRows() const { return targetRows_; }

private:
    std::vector<std::string> codesFor_; // the givens then the targets the marks are for
    std::int16_t givenCountFor_ = -1;
    int rowsFor_ = -1;
    std::vector<char> given_;
    std::vector<char> target_;
    std::vector<int> givenRows_;
    std::vector<int> targetRows_;
};

} // namespace ws
