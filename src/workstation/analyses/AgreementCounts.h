#pragma once
// The counting arrays of one inter-observer agreement run. They are sized by the code
// table when the run starts; rows 1..numCodes are code rows, row 0 is never a code.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ws {

// A table of 32-bit counts indexed (row, column), both from 0.
class CountTable {
public:
    CountTable(int rows, int columns);
    std::int32_t& operator()(int row, int column) { return cells_.at(index(row, column)); }
    std::int32_t operator()(int row, int column) const { return cells_.at(index(row, column)); }
    int rows() const { return rows_; }
    int columns() const { return columns_; }
    void clearRow(int row);

private:
    std::size_t index(int row, int column) const;
    int rows_;
    int columns_;
    std::vector<std::int32_t> cells_;
};

// Columns of WindowCounts.
enum WindowColumn : int { kFrq1 = 1, kFrq2 = 2, kAgreements = 3, kDisagreements = 4 };
// Columns of TimeUnitCounts.
enum TimeUnitColumn : int { kDur1 = 1, kDur2 = 2, kOccAgr = 3, kNOAgr = 4, kDisagr = 5 };

struct AgreementCounts {
    explicit AgreementCounts(int numCodes);

    int numCodes;
    CountTable WindowCounts;   // window method: Frq1, Frq2, agreements, disagreements per code
    CountTable TimeUnitCounts; // time units: Dur1, Dur2, Occ Agr, NO Agr, Disagr per code
    CountTable CodeMatrix;     // units with observer 1 on the row's code and observer 2 on the column's
    std::vector<std::int32_t> ObserverOneTotals; // row sums of CodeMatrix
    std::vector<std::int32_t> ObserverTwoTotals; // column sums of CodeMatrix
    std::int32_t MatrixTotal = 0;
    std::int32_t MatrixAgreement = 0;
    float ExpectedAgreement = 0;
    float GroupKappa = 0;
    // The distinct groups of the code table in the order they first appear, and whether
    // an event of either file uses each of them (true is -1).
    std::vector<std::int16_t> GroupList;
    std::vector<std::int16_t> GroupPresent;

    // Empties the time-unit counts, the matrix and its sums (after each group).
    void ResetTimeUnitCounts();
    // Empties the window counts as well (before each pair).
    void ResetAllCounts();
};

} // namespace ws
