// The time-unit counts come from the stretches between code changes; they must equal, count
// for count, a walk that visits every unit of the session one by one, as the matching is
// described. The walk here is that description, kept as the reference.
#include "workstation/analyses/InterObserverTimeUnits.h"

#include "textfile/RunError.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

namespace ws {
namespace {

std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

// One observer's read position and current code during the unit-by-unit walk.
class ReferenceCursor {
public:
    ReferenceCursor(const std::vector<std::string>& codes, const std::vector<std::int32_t>& times,
                    const std::unordered_map<std::string, int>& groupRows)
        : codes_(codes), times_(times), groupRows_(groupRows), end_(times.at(0)) {}

    void advanceTo(std::int64_t t) {
        while (position_ <= end_ && times_.at(at(position_)) == t) {
            while (position_ < end_ && codes_.at(at(position_)) == kGapCode) {
                ++position_;
            }
            if (const auto found = groupRows_.find(codes_.at(at(position_))); found != groupRows_.end()) {
                current_ = found->second;
            }
            ++position_;
        }
    }
    int current() const { return current_; }

private:
    const std::vector<std::string>& codes_;
    const std::vector<std::int32_t>& times_;
    const std::unordered_map<std::string, int>& groupRows_;
    int end_;
    int position_ = 1;
    int current_ = -1;
};

void walkEveryUnit(const CodeSet& set, const EventSlots& slots, AgreementCounts& counts, int group) {
    std::unordered_map<std::string, int> groupRows;
    for (const int row : codesOfGroup(set, group)) {
        groupRows.emplace(set.CodeTable.code(row), row);
    }
    ReferenceCursor first(slots.EventCodes, slots.EventTimes, groupRows);
    ReferenceCursor second(slots.EventCodes2, slots.EventTimes2, groupRows);
    const std::int64_t start = std::min(slots.EventTimes.at(1), slots.EventTimes2.at(1));
    const std::int64_t end = std::max(slots.EventTimes.at(at(slots.EventTimes.at(0))),
                                      slots.EventTimes2.at(at(slots.EventTimes2.at(0))));
    for (std::int64_t t = start; t < end; ++t) {
        first.advanceTo(t);
        second.advanceTo(t);
        const int code1 = first.current();
        const int code2 = second.current();
        if (code1 != -1) {
            ++counts.TimeUnitCounts(code1, kDur1);
        }
        if (code2 != -1) {
            ++counts.TimeUnitCounts(code2, kDur2);
        }
        if (code1 != -1 && code2 != -1) {
            ++counts.CodeMatrix(code1, code2);
        }
    }
}

// Codes A..E in groups 1 and 2, "$Gap$" and Z in group 0.
CodeSet smallCodeSet() {
    const std::vector<std::pair<std::string, int>> codes = {{"A", 1}, {"B", 1},     {"C", 1}, {"D", 2},
                                                            {"E", 2}, {"$Gap$", 0}, {"Z", 0}};
    CodeSet set;
    set.NumCodes = static_cast<std::int16_t>(codes.size());
    set.CodeTable.resize(set.NumCodes);
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        set.CodeTable(1, row) = textfile::Value::ofText(codes[i].first);
        set.CodeTable(3, row) = textfile::Value::ofNumber(codes[i].second);
    }
    return set;
}

// A random slot: mostly rising times with ties, now and then a time that goes back, gaps,
// codes of other groups and codes the table lacks, and an end record that may come before
// the last event's time.
void fillRandomSlot(std::mt19937& random, std::vector<std::string>& codes, std::vector<std::int32_t>& times) {
    static const std::vector<std::string> kCodes = {"A", "B", "C", "D", "E", "$Gap$", "Z", "Q"};
    std::uniform_int_distribution<int> events(0, 12);
    std::uniform_int_distribution<int> pick(0, static_cast<int>(kCodes.size()) - 1);
    std::uniform_int_distribution<int> step(-2, 6);
    std::uniform_int_distribution<int> startAt(-5, 10);
    const int n = events(random);
    int time = startAt(random);
    for (int i = 1; i <= n; ++i) {
        codes[at(i)] = kCodes[at(pick(random))];
        times[at(i)] = time;
        time += std::max(step(random), random() % 7 == 0 ? -3 : 0);
    }
    codes[at(n + 1)] = kSessionEndCode;
    times[at(n + 1)] = time + step(random);
    times[0] = n + 1;
}

TEST(TimeUnitMatching, CountsEqualTheUnitByUnitWalkOnRandomPairs) {
    const CodeSet set = smallCodeSet();
    std::mt19937 random(20261210);
    EventSlots slots; // each pair overwrites what the last one used
    for (int pair = 0; pair < 5000; ++pair) {
        fillRandomSlot(random, slots.EventCodes, slots.EventTimes);
        fillRandomSlot(random, slots.EventCodes2, slots.EventTimes2);
        for (const int group : {1, 2}) {
            AgreementCounts counted(set.NumCodes);
            AgreementCounts walked(set.NumCodes);
            matchGroupUnits(set, slots, counted, group);
            walkEveryUnit(set, slots, walked, group);
            for (int row = 1; row <= set.NumCodes; ++row) {
                for (const int column : {kDur1, kDur2}) {
                    ASSERT_EQ(counted.TimeUnitCounts(row, column), walked.TimeUnitCounts(row, column))
                        << "pair " << pair << " group " << group << " row " << row;
                }
                for (int other = 1; other <= set.NumCodes; ++other) {
                    ASSERT_EQ(counted.CodeMatrix(row, other), walked.CodeMatrix(row, other))
                        << "pair " << pair << " group " << group << " cell " << row << "," << other;
                }
            }
        }
    }
}

void setSlot(std::vector<std::string>& codes, std::vector<std::int32_t>& times,
             const std::vector<std::pair<std::string, std::int32_t>>& events) {
    for (std::size_t i = 0; i < events.size(); ++i) {
        codes[i + 1] = events[i].first;
        times[i + 1] = events[i].second;
    }
    times[0] = static_cast<std::int32_t>(events.size());
}

// A session of two thousand million units counts at once; one of four thousand million
// units does not fit the 32-bit counts and overflows instead of wrapping.
TEST(TimeUnitMatching, LongSessionsCountAtOnceAndOverflowPastThirtyTwoBits) {
    const CodeSet set = smallCodeSet();
    EventSlots slots;
    setSlot(slots.EventCodes, slots.EventTimes, {{"A", 0}, {"B", 1'000'000'000}, {"-500", 2'000'000'000}});
    setSlot(slots.EventCodes2, slots.EventTimes2, {{"A", 0}, {"-500", 2'000'000'000}});
    AgreementCounts counts(set.NumCodes);
    const auto began = std::chrono::steady_clock::now();
    matchGroupUnits(set, slots, counts, 1);
    EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(1));
    EXPECT_EQ(counts.TimeUnitCounts(1, kDur1), 1'000'000'000);
    EXPECT_EQ(counts.TimeUnitCounts(2, kDur1), 1'000'000'000);
    EXPECT_EQ(counts.TimeUnitCounts(1, kDur2), 2'000'000'000);
    EXPECT_EQ(counts.CodeMatrix(2, 1), 1'000'000'000);

    setSlot(slots.EventCodes, slots.EventTimes, {{"A", -2'000'000'000}, {"-500", 2'000'000'000}});
    AgreementCounts tooMany(set.NumCodes);
    try {
        matchGroupUnits(set, slots, tooMany, 1);
        ADD_FAILURE() << "four thousand million units counted";
    } catch (const textfile::RunError& error) {
        EXPECT_EQ(error.number(), textfile::kOverflow);
    }
}

} // namespace
} // namespace ws
