#include "workstation/analyses/AgreementCounts.h"

#include "textfile/RunError.h"

#include <algorithm>

namespace ws {

CountTable::CountTable(int rows, int columns)
    : rows_(rows), columns_(columns),
      cells_(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns), 0) {}

std::size_t CountTable::index(int row, int column) const {
    if (row < 0 || row >= rows_ || column < 0 || column >= columns_) {
        throw textfile::RunError(textfile::kSubscriptOutOfRange);
    }
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
           static_cast<std::size_t>(column);
}

void CountTable::clearRow(int row) {
    const auto first = cells_.begin() + static_cast<std::ptrdiff_t>(index(row, 0));
    std::fill(first, first + columns_, 0);
}

AgreementCounts::AgreementCounts(int codes)
    : numCodes(std::max(codes, 0)), WindowCounts(numCodes + 1, 5), TimeUnitCounts(numCodes + 1, 6),
      CodeMatrix(numCodes + 1, numCodes + 1), ObserverOneTotals(static_cast<std::size_t>(numCodes) + 1, 0),
      ObserverTwoTotals(static_cast<std::size_t>(numCodes) + 1, 0) {}

void AgreementCounts::ResetTimeUnitCounts() {
    for (int row = 1; row <= numCodes; ++row) {
        TimeUnitCounts.clearRow(row);
        CodeMatrix.clearRow(row);
        ObserverOneTotals[static_cast<std::size_t>(row)] = 0;
        ObserverTwoTotals[static_cast<std::size_t>(row)] = 0;
    }
}

void AgreementCounts::ResetAllCounts() {
    for (int row = 1; row <= numCodes; ++row) {
        WindowCounts.clearRow(row);
    }
    ResetTimeUnitCounts();
}

} // namespace ws
