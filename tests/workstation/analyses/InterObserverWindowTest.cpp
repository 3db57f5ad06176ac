#include "workstation/analyses/InterObserverWindowMethod.h"

#include <gtest/gtest.h>

#include <vector>

namespace ws {
namespace {

struct WindowCase {
    const char* what;
    int window;
    std::vector<std::int32_t> first, second;
    std::int32_t agreements, disagreements;
};

TEST(matchWindow, FirstUnmatchedOccurrenceInFileOrder) {
    const WindowCase cases[] = {
        {"10 takes 9 and 12 takes 11", 2, {10, 12}, {9, 11}, 2, 0},
        {"10 takes 8, not the exact 10", 2, {10}, {8, 10}, 1, 1},
        {"window 0: equal times only", 0, {10, 20}, {10, 21}, 1, 2},
        {"bound inclusive", 3, {10}, {13}, 1, 0},
        {"one past the bound", 3, {10}, {14}, 0, 2},
        {"negative window matches nothing", -1, {10}, {10}, 0, 2},
        {"observer 2's occurrence is used once", 3, {10, 11}, {10}, 1, 1},
        {"only observer 2", 3, {}, {5, 6}, 0, 2},
    };
    for (const auto& c : cases) {
        CountTable counts(2, 5);
        matchWindow(counts, 1, c.first, c.second, c.window);
        EXPECT_EQ(counts(1, kFrq1), static_cast<std::int32_t>(c.first.size())) << c.what;
        EXPECT_EQ(counts(1, kFrq2), static_cast<std::int32_t>(c.second.size())) << c.what;
        EXPECT_EQ(counts(1, kAgreements), c.agreements) << c.what;
        EXPECT_EQ(counts(1, kDisagreements), c.disagreements) << c.what;
    }
}

} // namespace
} // namespace ws
