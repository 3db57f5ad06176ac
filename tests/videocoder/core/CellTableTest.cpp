// The compact table against the plainest table there is: a vector of rows of values, edited
// by the same random steps (texts viewed in kept lines, values set, rows inserted, erased,
// exchanged, columns widened) and compared cell by cell after each step, with the bytes a row
// read from a line still saves as.
#include "videocoder/core/CellTable.h"
#include "textfile/RunError.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using textfile::Value;
using Plain = std::vector<std::vector<Value>>; // [row][column], every column held

// The bytes a row saves as while it is as read, and the columns they are for (0: none).
struct AsRead {
    int columns = 0;
    std::string_view bytes;
};

struct Pair {
    vc::CellTable table;
    Plain plain;
    std::vector<AsRead> asRead; // by row, as plain
    int columns = 0;
};

Value randomValue(std::mt19937& random) {
    switch (random() % 6) {
    case 0:
        return Value::empty();
    case 1:
        return Value::null();
    case 2:
        return Value::ofText("");
    case 3:
        return Value::ofNumber(static_cast<double>(random() % 2000) / 8 - 100);
    case 4:
        return Value::ofText(std::string(random() % 40, static_cast<char>('a' + random() % 26)));
    default:
        return Value::ofText(std::to_string(random()));
    }
}

void expectSame(const Pair& p, const std::string& step) {
    ASSERT_EQ(p.table.rows(), static_cast<int>(p.plain.size())) << step;
    ASSERT_EQ(p.table.columns(), p.columns) << step;
    for (int row = 1; row <= p.table.rows(); ++row) {
        const vc::CellTable::RowCells cells = p.table.rowCells(row);
        for (int column = 1; column <= p.columns; ++column) {
            const Value& want =
                p.plain[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)];
            ASSERT_EQ(p.table.at(column, row), want) << step << " at (" << column << ", " << row << ")";
            ASSERT_EQ(p.table.kind(column, row), want.kind) << step;
            if (column <= p.table.storedColumns()) {
                ASSERT_EQ(cells.kind(column - 1), want.kind) << step;
                ASSERT_EQ(cells.text(column - 1), want.kind == Value::Kind::Text ? want.text : "") << step;
            }
        }
        const AsRead& asRead = p.asRead[static_cast<std::size_t>(row - 1)];
        const int columns = asRead.columns > 0 ? asRead.columns : p.columns;
        ASSERT_EQ(cells.asRead(columns).data(), asRead.bytes.data()) << step << " row " << row;
        ASSERT_EQ(cells.asRead(columns).size(), asRead.bytes.size()) << step << " row " << row;
        ASSERT_TRUE(cells.asRead(columns + 1).empty()) << step;
    }
}

// Rows put from a line the table keeps: fields cut at commas, some of them too long or too far
// in to be viewed, some given from outside the line.
void putKeptRow(Pair& p, std::mt19937& random, int row) {
    const int count = 1 + static_cast<int>(random() % static_cast<unsigned>(p.columns));
    std::string line;
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    for (int field = 0; field < count; ++field) {
        const std::size_t size = random() % 8 == 0 ? 17'000 + random() % 100 : random() % 12;
        if (random() % 10 == 0) {
            line.append(70'000, ' '); // past the reach of a view's offset
        }
        spans.emplace_back(line.size(), size);
        for (std::size_t k = 0; k < size; ++k) {
            line.push_back(static_cast<char>('A' + (field + k) % 26));
        }
        line.push_back(',');
    }
    const std::string_view kept = p.table.keep(line);
    std::vector<std::string_view> texts;
    std::string outside = "from elsewhere";
    for (const auto& [at, size] : spans) {
        texts.push_back(random() % 12 == 0 ? std::string_view(outside) : kept.substr(at, size));
    }
    // Some rows say they save as the line read, or a part of it from its start.
    const std::string_view written = random() % 2 == 0   ? kept.substr(0, random() % (kept.size() + 1))
                                     : random() % 2 == 0 ? kept.substr(1)
                                                         : std::string_view();
    // Or split into place, the split stopping short now and then: the row is then put again.
    const int splitTo =
        random() % 2 == 0 ? count : static_cast<int>(random() % static_cast<unsigned>(count + 1));
    const auto split = [&](auto&& put) {
        for (int column = 0; column < splitTo; ++column) {
            const std::string_view text = texts[static_cast<std::size_t>(column)];
            if (text.data() < kept.data() || text.data() > kept.data() + kept.size()) {
                return false; // not in the line
            }
            put(column, static_cast<std::size_t>(text.data() - kept.data()), text.size());
        }
        return splitTo == count;
    };
    if (random() % 2 == 0 || !p.table.putRowSplit(row, kept, count, written, split)) {
        p.table.putRowTexts(row, kept, texts.data(), count, written);
    }
    const bool keeps = !written.empty() && written.data() == kept.data();
    p.asRead[static_cast<std::size_t>(row - 1)] = keeps ? AsRead{count, written} : AsRead{};
    if (count > p.table.storedColumns()) {
        ADD_FAILURE() << "the row's columns are not all stored";
    }
    for (int column = 0; column < count; ++column) {
        p.plain[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)] =
            Value::ofText(std::string(texts[static_cast<std::size_t>(column)]));
    }
}

TEST(CellTable, MatchesAPlainTableOverRandomEdits) {
    for (unsigned seed = 1; seed <= 60; ++seed) {
        std::mt19937 random(seed);
        Pair p;
        p.columns = 1 + static_cast<int>(random() % 50);
        const int rows = static_cast<int>(random() % 12);
        p.table.reset(p.columns, rows, 1 + static_cast<int>(random() % static_cast<unsigned>(p.columns)));
        p.plain.assign(static_cast<std::size_t>(rows),
                       std::vector<Value>(static_cast<std::size_t>(p.columns)));
        p.asRead.assign(static_cast<std::size_t>(rows), {});
        for (int step = 0; step < 300; ++step) {
            const std::string name = "seed " + std::to_string(seed) + " step " + std::to_string(step);
            const int count = p.table.rows();
            const auto anyRow = [&] { return 1 + static_cast<int>(random() % static_cast<unsigned>(count)); };
            switch (random() % 9) {
            case 0:
            case 1:
                if (count > 0) {
                    const int column = 1 + static_cast<int>(random() % static_cast<unsigned>(p.columns));
                    const int row = anyRow();
                    const Value value = randomValue(random);
                    p.table.at(column, row) = value;
                    p.plain[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)] = value;
                    p.asRead[static_cast<std::size_t>(row - 1)] = {};
                }
                break;
            case 2: {
                const int row = 1 + static_cast<int>(random() % static_cast<unsigned>(count + 1));
                p.table.insertRow(row);
                p.plain.insert(p.plain.begin() + (row - 1),
                               std::vector<Value>(static_cast<std::size_t>(p.columns)));
                p.asRead.insert(p.asRead.begin() + (row - 1), AsRead{});
                break;
            }
            case 3: {
                std::vector<bool> flags(static_cast<std::size_t>(count));
                Plain kept;
                std::vector<AsRead> keptAsRead;
                for (std::size_t row = 0; row < flags.size(); ++row) {
                    flags[row] = random() % 3 == 0;
                    if (!flags[row]) {
                        kept.push_back(p.plain[row]);
                        keptAsRead.push_back(p.asRead[row]);
                    }
                }
                p.table.eraseRows(flags);
                p.plain = kept;
                p.asRead = keptAsRead;
                break;
            }
            case 4:
                if (count > 0) {
                    const int a = anyRow();
                    const int b = anyRow();
                    p.table.swapRows(a, b);
                    std::swap(p.plain[static_cast<std::size_t>(a - 1)],
                              p.plain[static_cast<std::size_t>(b - 1)]);
                    std::swap(p.asRead[static_cast<std::size_t>(a - 1)],
                              p.asRead[static_cast<std::size_t>(b - 1)]);
                }
                break;
            case 5: {
                const int size = static_cast<int>(random() % 15);
                p.table.resizeRows(size);
                p.plain.resize(static_cast<std::size_t>(size),
                               std::vector<Value>(static_cast<std::size_t>(p.columns)));
                p.asRead.resize(static_cast<std::size_t>(size));
                break;
            }
            case 6:
                p.table.addRow();
                p.plain.emplace_back(static_cast<std::size_t>(p.columns));
                p.asRead.emplace_back();
                break;
            case 7:
                if (count > 0) {
                    putKeptRow(p, random, anyRow());
                }
                break;
            default: {
                // A copy edited apart leaves the original as it was.
                const vc::CellTable before = p.table;
                vc::CellTable copy = p.table;
                if (count > 0) {
                    copy.at(1, 1) = Value::ofText("changed in the copy");
                    copy.insertRow(1);
                }
                EXPECT_TRUE(p.table == before) << name;
                break;
            }
            }
            expectSame(p, name);
            if (::testing::Test::HasFatalFailure()) {
                return;
            }
        }
    }
}

TEST(CellTable, RefusesCellsAndRowsOutsideIt) {
    vc::CellTable table(3, 2);
    const vc::CellTable& read = table;
    EXPECT_THROW(table.at(4, 1), textfile::RunError);
    EXPECT_THROW(table.at(1, 3), textfile::RunError);
    EXPECT_THROW(read.at(0, 1), textfile::RunError);
    EXPECT_THROW(table.insertRow(4), textfile::RunError);
    EXPECT_THROW(table.swapRows(1, 3), textfile::RunError);
    EXPECT_THROW(table.eraseRows({true}), textfile::RunError);
    EXPECT_THROW(table.rowCells(0), textfile::RunError);
    EXPECT_EQ(table.rows(), 2) << "a refused step changes nothing";
}

} // namespace
