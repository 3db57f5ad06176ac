#include "videocoder/core/SortData.h"

#include "textfile/Numeric.h"
#include "textfile/Paths.h"
#include "textfile/RunError.h"
#include "videocoder/core/TimeConversion.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <limits>
#include <numeric>
#include <string>

namespace vc {
namespace {

using textfile::RunError;
using textfile::Value;

// Pass i of the literal steps, from position `first` on.
void literalPasses(std::vector<std::int32_t>& ranks, std::vector<int>& order, std::size_t first) {
    const std::size_t size = ranks.size();
    for (std::size_t i = first; i + 1 < size; ++i) {
        std::int32_t held = ranks[i];
        for (std::size_t j = i + 1; j < size; ++j) {
            if (held > ranks[j]) {
                std::swap(held, ranks[j]);
                std::swap(order[i], order[j]);
            }
        }
        ranks[i] = held;
    }
}

// Minima of the ranks over ranges, to find the next exchange of a pass at once: it is the
// first later position holding a smaller rank than the one position i holds by then.
class MinimumTree {
public:
    explicit MinimumTree(const std::vector<std::int32_t>& ranks)
        : leaves_(std::bit_ceil(std::max<std::size_t>(ranks.size(), 1))),
          nodes_(2 * leaves_, std::numeric_limits<std::int32_t>::max()) {
        std::copy(ranks.begin(), ranks.end(), nodes_.begin() + static_cast<std::ptrdiff_t>(leaves_));
        for (std::size_t n = leaves_ - 1; n > 0; --n) {
            nodes_[n] = std::min(nodes_[2 * n], nodes_[2 * n + 1]);
        }
    }

    void set(std::size_t at, std::int32_t rank) {
        std::size_t n = at + leaves_;
        nodes_[n] = rank;
        for (n /= 2; n > 0; n /= 2) {
            nodes_[n] = std::min(nodes_[2 * n], nodes_[2 * n + 1]);
        }
    }

    // The first position from `from` on whose rank is below `rank`; npos when none.
    std::size_t firstBelow(std::size_t from, std::int32_t rank) const {
        return search(1, 0, leaves_, from, rank);
    }

    static constexpr std::size_t npos = std::numeric_limits<std::size_t>::max();

private:
    std::size_t search(std::size_t node, std::size_t lo, std::size_t width, std::size_t from,
                       std::int32_t rank) const {
        if (lo + width <= from || nodes_[node] >= rank) {
            return npos;
        }
        if (width == 1) {
            return lo;
        }
        const std::size_t half = width / 2;
        const std::size_t left = search(2 * node, lo, half, from, rank);
        return left != npos ? left : search(2 * node + 1, lo + half, half, from, rank);
    }

    std::size_t leaves_;
    std::vector<std::int32_t> nodes_;
};

// The ranks of a column's values over rows first..last: equal values get equal ranks,
// and descending order is ascending order of the negated ranks.
template <class Less> std::vector<std::int32_t> ranksOf(std::size_t count, Less&& less, bool descending) {
    std::vector<int> byValue(count);
    std::iota(byValue.begin(), byValue.end(), 0);
    // Rows are most often in order already (a sort before, times as coded).
    if (!std::is_sorted(byValue.begin(), byValue.end(), less)) {
        std::sort(byValue.begin(), byValue.end(), less);
    }
    std::vector<std::int32_t> ranks(count);
    std::int32_t rank = 0;
    for (std::size_t k = 0; k < count; ++k) {
        if (k > 0 && less(byValue[k - 1], byValue[k])) {
            ++rank;
        }
        ranks[static_cast<std::size_t>(byValue[k])] = descending ? -rank : rank;
    }
    return ranks;
}

Value cellOf(const DataTable& data, int column, int row) {
    return data.gData.at(column, row);
}

// A cell's text for comparing: Null counts as the empty text, as Empty does.
std::string cellText(const Value& cell) {
    return cell.asText();
}

// Row `row`'s time cell as cellText() gives it, put in `text` (kept from row to row).
void timeText(const CellTable& table, int row, std::string& text) {
    const CellTable::RowCells cells = table.rowCells(row);
    if (cells.kind(0) == Value::Kind::Text) {
        text.assign(cells.text(0));
    } else {
        text = cellText(table.at(1, row));
    }
}

// The keys of a column over rows 1..rows, read once before anything moves.
std::vector<std::int32_t> columnRanks(const DataTable& data, const VideoSettings& s, int key, int rows) {
    const int column = std::abs(key);
    if (column < 1 || column > data.gData.columns()) {
        throw RunError(textfile::kSubscriptOutOfRange);
    }
    const bool descending = key < 0;
    const auto count = static_cast<std::size_t>(rows);
    if (column == 1) {
        const bool frames = s.FrameDisplay == 2 || s.FrameDisplay == 3;
        std::vector<double> times(count);
        std::string text;
        for (int row = 1; row <= rows; ++row) {
            timeText(data.gData, row, text);
            times[static_cast<std::size_t>(row - 1)] =
                frames ? static_cast<double>(TimecodeToFrames(text, s)) : TimeTextToSeconds(text, s);
        }
        return ranksOf(
            count, [&](int a, int b) { return times[a] < times[b]; }, descending);
    }
    std::vector<std::string> texts(count);
    for (int row = 1; row <= rows; ++row) {
        texts[static_cast<std::size_t>(row - 1)] = cellText(cellOf(data, column, row));
    }
    return ranksOf(
        count, [&](int a, int b) { return texts[a] < texts[b]; }, descending);
}

// Puts rows first..first + order.size() - 1 in the order given (order[p] = the row, counted
// from `first`, that ends at p), every stored cell of a row moving with it.
void arrangeRows(CellTable& table, int first, std::vector<int> order) {
    for (std::size_t start = 0; start < order.size(); ++start) {
        std::size_t at = start;
        while (order[at] != static_cast<int>(start)) {
            const auto next = static_cast<std::size_t>(order[at]);
            table.swapRows(first + static_cast<int>(at), first + static_cast<int>(next));
            order[at] = static_cast<int>(at);
            at = next;
        }
        order[at] = static_cast<int>(at);
    }
}

// The filter's hidden flags of the same rows, put in the same order as arrangeRows puts them.
void arrangeHiddenRows(GridLayout* grid, int first, const std::vector<int>& order) {
    if (grid == nullptr || grid->hiddenRows.empty()) {
        return;
    }
    std::vector<bool> was(order.size());
    for (std::size_t at = 0; at < order.size(); ++at) {
        was[at] = grid->rowHidden(first + static_cast<int>(at));
    }
    for (std::size_t at = 0; at < order.size(); ++at) {
        grid->setRowHidden(first + static_cast<int>(at), was[static_cast<std::size_t>(order[at])]);
    }
}

} // namespace

void exchangeSortByTheSteps(std::vector<std::int32_t>& ranks, std::vector<int>& order) {
    literalPasses(ranks, order, 0);
}

void exchangeSort(std::vector<std::int32_t>& ranks, std::vector<int>& order) {
    const std::size_t size = ranks.size();
    // No rank is below an earlier one: no pass exchanges anything.
    if (std::is_sorted(ranks.begin(), ranks.end())) {
        return;
    }
    MinimumTree tree(ranks);
    // Each exchange found through the tree costs about a path of it; when a table makes so
    // many exchanges that scanning would be cheaper (long runs in reverse order), the
    // remaining passes scan.
    const std::size_t pathCost = 4 * static_cast<std::size_t>(std::bit_width(size));
    std::size_t treeWork = 0;
    std::size_t scanWork = 0;
    std::vector<std::size_t> exchanges;
    for (std::size_t i = 0; i + 1 < size; ++i) {
        exchanges.clear();
        std::int32_t held = ranks[i];
        for (std::size_t at = tree.firstBelow(i + 1, held); at != MinimumTree::npos;
             at = tree.firstBelow(at + 1, held)) {
            exchanges.push_back(at);
            held = ranks[at];
        }
        // Position i holds each smaller rank in turn; the rank it gave up goes where that came from.
        int heldItem = order[i];
        std::int32_t heldRank = ranks[i];
        for (const std::size_t at : exchanges) {
            std::swap(heldRank, ranks[at]);
            std::swap(heldItem, order[at]);
            tree.set(at, ranks[at]);
        }
        ranks[i] = heldRank;
        order[i] = heldItem;
        tree.set(i, std::numeric_limits<std::int32_t>::max());

        treeWork += (exchanges.size() + 1) * pathCost;
        scanWork += size - 1 - i;
        if (treeWork > scanWork + size) {
            literalPasses(ranks, order, i + 1);
            return;
        }
    }
}

void sortRows(DataTable& data, const VideoSettings& s, int key1, int key2,
              const std::function<void()>& redraw, GridLayout* grid) {
    if (key1 == 0) {
        return;
    }
    const int rows = textfile::toInt32(data.gRowCount.asNumber());
    if (rows > data.gData.rows()) {
        throw RunError(textfile::kSubscriptOutOfRange);
    }
    const int count = std::max(rows, 0);
    std::vector<std::int32_t> primary = columnRanks(data, s, key1, count);
    std::vector<std::int32_t> secondary;
    if (key2 != 0) {
        secondary = columnRanks(data, s, key2, count);
    }

    std::vector<int> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    exchangeSort(primary, order);
    arrangeRows(data.gData, 1, order);
    arrangeHiddenRows(grid, 1, order);
    redraw();
    if (key2 == 0) {
        return;
    }
    std::vector<std::int32_t> moved(secondary.size());
    for (std::size_t p = 0; p < order.size(); ++p) {
        moved[p] = secondary[static_cast<std::size_t>(order[p])];
    }
    // Runs of equal first-key cells as they are stored (times not converted).
    const int column = std::abs(key1);
    int runStart = 1;
    std::string previous = count > 0 ? cellText(cellOf(data, column, 1)) : std::string();
    for (int row = 2; row <= count + 1; ++row) {
        std::string current = row <= count ? cellText(cellOf(data, column, row)) : std::string();
        if (row <= count && current == previous) {
            continue;
        }
        const int runEnd = row - 1;
        if (runEnd > runStart) {
            const auto first = static_cast<std::ptrdiff_t>(runStart - 1);
            std::vector<std::int32_t> runRanks(moved.begin() + first, moved.begin() + runEnd);
            std::vector<int> runOrder(runRanks.size());
            std::iota(runOrder.begin(), runOrder.end(), 0);
            exchangeSort(runRanks, runOrder);
            arrangeRows(data.gData, runStart, runOrder);
            arrangeHiddenRows(grid, runStart, runOrder);
        }
        runStart = row;
        previous = std::move(current);
    }
    redraw();
}

void SortData(Globals& g, CoderLinks& links, double key1, double key2) {
    try {
        sortRows(
            g.data, g.settings, textfile::toInt32(key1), textfile::toInt32(key2),
            [&] { links.dataFrm.port().refresh(); }, &links.dataFrm.FG1);
    } catch (const RunError& e) {
        links.dialogs.messageBox(e.description(), "Error sorting:", platform::Buttons::OK,
                                 platform::Icon::Information);
    }
}

} // namespace vc
