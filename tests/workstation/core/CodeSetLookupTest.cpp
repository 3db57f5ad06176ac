#include "workstation/core/CodeRowIndex.h"
#include "workstation/core/CodeSetFile.h"

#include "textfile/RunError.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

namespace {

using textfile::Value;

// A code set of the given codes, one row each; field 3 as given.
ws::Global codeSet(const std::vector<std::pair<std::string, Value>>& rows) {
    ws::Global g;
    g.NumCodes = static_cast<std::int16_t>(rows.size());
    g.CodeTable.resize(rows.empty() ? 1 : static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        g.CodeTable(1, row) = Value::ofText(rows[i].first);
        g.CodeTable(2, row) = Value::ofText("description");
        g.CodeTable(3, row) = rows[i].second;
    }
    return g;
}

TEST(FindCode, FirstExactMatchOrMinusOne) {
    const ws::Global g = codeSet({{"HIT", Value::ofNumber(0)},
                                  {"CRY", Value::ofNumber(1)},
                                  {"HIT", Value::ofNumber(2)},
                                  {"hit", Value::ofNumber(0)},
                                  {" CRY", Value::ofNumber(1)}});
    const std::vector<std::pair<std::string, int>> cases = {
        {"HIT", 1}, {"CRY", 2}, {"hit", 4}, {" CRY", 5}, {"Hit", -1}, {"CRY ", -1}, {"", -1}, {"PLY", -1},
    };
    for (const auto& [code, row] : cases) {
        EXPECT_EQ(ws::FindCode(g, code), row) << '"' << code << '"';
    }

    // The editor's empty row of an empty set is no code.
    ws::Global empty = codeSet({});
    EXPECT_EQ(ws::FindCode(empty, ""), -1);

    // Code cells holding a number or nothing match by their text.
    ws::Global cells = codeSet({{"", Value::ofNumber(0)}, {"", Value::ofNumber(0)}});
    cells.CodeTable(1, 1) = Value::ofNumber(12);
    cells.CodeTable(1, 2) = Value::empty();
    EXPECT_EQ(ws::FindCode(cells, "12"), 1);
    EXPECT_EQ(ws::FindCode(cells, "12.0"), -1);
    EXPECT_EQ(ws::FindCode(cells, ""), 2);
}

struct GroupsCase {
    std::string label;
    std::vector<Value> groups; // field 3 of rows 1..n
    std::vector<std::int16_t> expected;
};

std::vector<Value> numbers(std::initializer_list<int> values) {
    std::vector<Value> out;
    for (int v : values) {
        out.push_back(Value::ofNumber(v));
    }
    return out;
}

// The index gives what the scan gives, over random tables: codes of 1 to 20 bytes with
// blanks and either case, codes sharing their first eight bytes, codes listed twice, codes
// the table lacks, and an empty table.
TEST(CodeRowIndex, FindsTheRowsTheScanFinds) {
    std::mt19937 random(20261211);
    const std::string letters = "aAbB C1";
    const auto randomCode = [&] {
        std::string code = "SHAREDPRE"; // nine bytes: longer codes share their first eight
        code.resize(std::uniform_int_distribution<std::size_t>(1, 20)(random));
        for (std::size_t i = code.size() > 9 ? 9 : 0; i < code.size(); ++i) {
            code[i] = letters[std::uniform_int_distribution<std::size_t>(0, letters.size() - 1)(random)];
        }
        return code;
    };
    for (int round = 0; round < 300; ++round) {
        std::vector<std::pair<std::string, Value>> rows;
        const int count =
            round == 0 ? 0 : std::uniform_int_distribution<int>(1, round % 3 == 0 ? 200 : 30)(random);
        for (int k = 0; k < count; ++k) {
            rows.emplace_back(k > 0 && random() % 8 == 0 ? rows[random() % rows.size()].first : randomCode(),
                              Value::ofNumber(0));
        }
        const ws::Global g = codeSet(rows);
        const ws::CodeRowIndex index(g);
        for (const auto& [code, group] : rows) {
            ASSERT_EQ(index.rowOf(code), ws::FindCode(g, code)) << '"' << code << '"';
        }
        for (int probe = 0; probe < 50; ++probe) {
            const std::string code = randomCode();
            ASSERT_EQ(index.rowOf(code), ws::FindCode(g, code)) << '"' << code << '"';
        }
        ASSERT_EQ(index.rowOf(""), -1);
    }
}

TEST(ListCodeGroups, DistinctGroupsAscendingFromIndexOne) {
    std::vector<Value> allDescending;
    std::vector<std::int16_t> allAscending;
    for (int group = 48; group >= 0; --group) {
        allDescending.push_back(Value::ofNumber(group));
        allAscending.insert(allAscending.begin(), static_cast<std::int16_t>(group));
    }
    const std::vector<GroupsCase> cases = {
        {"empty set", {}, {}},
        {"3 1 3 0 1", numbers({3, 1, 3, 0, 1}), {0, 1, 3}},
        {"one group", numbers({7, 7, 7}), {7}},
        {"all 49 descending", allDescending, allAscending},
        {"grid text equals number", {Value::ofText("3"), Value::ofNumber(3), Value::ofText("1")}, {1, 3}},
        {"empty group is group 0", {Value::ofNumber(2), Value::empty()}, {0, 2}},
        {"negative groups sort signed", numbers({5, -2, 0}), {-2, 0, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        std::vector<std::pair<std::string, Value>> rows;
        for (const auto& group : c.groups) {
            rows.push_back({"C" + std::to_string(rows.size()), group});
        }
        const ws::Global g = codeSet(rows);
        std::array<std::int16_t, 51> groups;
        groups.fill(77);
        std::int16_t count = 99;

        ws::ListCodeGroups(g, count, groups);

        ASSERT_EQ(count, static_cast<std::int16_t>(c.expected.size()));
        EXPECT_EQ(std::vector<std::int16_t>(groups.begin() + 1, groups.begin() + 1 + count), c.expected);
        EXPECT_EQ(groups[0], 77);
        for (std::size_t k = c.expected.size() + 1; k < groups.size(); ++k) {
            EXPECT_EQ(groups[k], 77) << "entry " << k;
        }
    }
}

TEST(ListCodeGroups, MoreDistinctGroupsThanTheListHoldsIsSubscriptOutOfRange) {
    std::vector<std::pair<std::string, Value>> rows;
    for (int group = 0; group <= 50; ++group) {
        rows.push_back({"C" + std::to_string(group), Value::ofNumber(group)});
    }
    const ws::Global g = codeSet(rows);
    std::array<std::int16_t, 51> groups{};
    std::int16_t count = 0;
    try {
        ws::ListCodeGroups(g, count, groups);
        FAIL() << "no error";
    } catch (const textfile::RunError& e) {
        EXPECT_EQ(e.number(), textfile::kSubscriptOutOfRange);
    }
}

} // namespace
