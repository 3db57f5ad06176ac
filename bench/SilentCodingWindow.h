#pragma once
// The coding grid as the benchmarks need it beside the silent window of the test support: it
// draws nothing, and its current cell is row 1 (or the last row a quick key selected), column 1.
#include "videocoder/coding/KeyGrid.h"
#include "videocoder/core/Globals.h"

#include <string>
#include <vector>

namespace bench {

class SilentGrid : public vc::KeyGrid {
public:
    explicit SilentGrid(const vc::Globals& g) : g_(g) {}
    int Row() const override { return row_; }
    void setRow(int row) override { row_ = row; }
    int Col() const override { return 1; }
    void setCol(int) override {}
    std::vector<int> selectedRows() const override { return {}; }
    void refresh() override {}
    void refreshRow(int) override {}
    void setCaption(const std::string&) override {}
    int Rows() const override { return g_.data.gData.rows() + 1; }
    void Select(int row, int) override { row_ = row; }
    vc::GridRange GetSelection() const override { return {row_, 1, row_, 1}; }
    void AutoSize(int) override {}

private:
    const vc::Globals& g_;
    int row_ = 1;
};

} // namespace bench
