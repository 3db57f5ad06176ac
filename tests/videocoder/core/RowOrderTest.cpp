// The chunked row order against a plain array of slots, over random inserts, appends,
// removals from the end, exchanges and erasures reaching across many chunks.
#include "videocoder/core/RowOrder.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

namespace {

TEST(RowOrder, MatchesAPlainArrayOverRandomEdits) {
    std::mt19937 random(5);
    vc::RowOrder order;
    std::vector<std::uint32_t> plain;
    std::uint32_t next = 0;
    order.assignInOrder(700);
    for (; next < 700; ++next) {
        plain.push_back(next);
    }
    for (int step = 0; step < 4000; ++step) {
        const auto anyRow = [&](std::size_t rows) { return static_cast<std::size_t>(random() % rows); };
        switch (random() % 8) {
        case 0:
        case 1:
        case 2: {
            const std::size_t row = anyRow(plain.size() + 1);
            order.insert(row, next);
            plain.insert(plain.begin() + static_cast<std::ptrdiff_t>(row), next++);
            break;
        }
        case 3:
            order.push_back(next);
            plain.push_back(next++);
            break;
        case 4:
            if (!plain.empty()) {
                ASSERT_EQ(order.back(), plain.back());
                order.pop_back();
                plain.pop_back();
            }
            break;
        case 5:
            if (!plain.empty()) {
                const std::size_t a = anyRow(plain.size());
                const std::size_t b = anyRow(plain.size());
                std::swap(order[a], order[b]);
                std::swap(plain[a], plain[b]);
            }
            break;
        case 6:
            if (random() % 100 == 0) {
                std::vector<bool> flags(plain.size());
                std::vector<std::uint32_t> kept;
                std::vector<std::uint32_t> erased;
                std::vector<std::uint32_t> wantErased;
                for (std::size_t row = 0; row < flags.size(); ++row) {
                    flags[row] = random() % 3 == 0;
                    (flags[row] ? wantErased : kept).push_back(plain[row]);
                }
                order.eraseFlagged(flags, [&](std::uint32_t slot) { erased.push_back(slot); });
                plain = kept;
                ASSERT_EQ(erased, wantErased) << "step " << step;
            }
            break;
        default:
            if (random() % 50 == 0) {
                const vc::RowOrder copy = order;
                order.clear();
                ASSERT_EQ(order.size(), 0u);
                order = copy;
            }
            break;
        }
        ASSERT_EQ(order.size(), plain.size()) << "step " << step;
        for (std::size_t row = 0; row < plain.size(); ++row) {
            ASSERT_EQ(order[row], plain[row]) << "step " << step << " row " << row;
        }
    }
    EXPECT_GT(plain.size(), 512u) << "the order ends across several chunks";
}

} // namespace
