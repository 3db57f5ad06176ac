// The one split of a .qvd EVENTS row, as the coder's open and merge (SplitEventLine) and the
// workstation's import (SplitVintroLine) take it: one table of lines, both callers.
#include "textfile/QvdRow.h"
#include "textfile/RunError.h"
#include "videocoder/core/DataFile.h"
#include "workstation/core/VintroImport.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::vector<std::string> padded(std::vector<std::string> fields, std::size_t size) {
    fields.resize(size);
    return fields;
}

TEST(QvdRowSplit, BothReadersSplitEveryRowAlike) {
    struct Case {
        std::string line;
        int count;
        std::vector<std::string> fields; // 1..count (or as many as listed, past a count of 1)
    };
    const std::vector<Case> cases = {
        {"\"00:00:05.20\",\"A\",B", 3, {"00:00:05.20", "A", "B"}},
        {"\"t\",\"A\",a, comment \"quoted\"", 3, {"t", "A", "a, comment \"quoted\""}},
        {"\"t\",\"B,C\",note", 3, {"t", "B", "C\",note"}},
        {"\"t\"", 3, {"t", "", ""}},
        {"", 2, {"", ""}},
        {"\"t\",,", 3, {"t", "", ""}},
        {"\"t\",\"\",", 3, {"t", "", ""}},
        {"00:00:02.00,x,y", 1, {"00:00:02.00", "x", "y"}},
        {"a\"b\"c,\"d\"\"e\",f", 3, {"abc", "de", "f"}},
        {" \"a\" ,b", 2, {" a ", "b"}},
        {"x,y,z,w", 2, {"x", "y,z,w"}},
        {"\"t\",\"A\",", 50, padded({"t", "A"}, 50)},
    };
    for (const Case& c : cases) {
        const std::vector<std::string>& want = c.fields;
        std::vector<std::string> coder(vc::kSplitFields + 1);
        vc::SplitEventLine(c.line, coder, c.count);
        EXPECT_EQ(
            std::vector<std::string>(coder.begin() + 1, coder.begin() + 1 + static_cast<long>(want.size())),
            want)
            << "coder: " << c.line;

        ws::VintroRow row;
        row.fields.fill("stale");
        ws::SplitVintroLine(c.line, row, static_cast<std::int16_t>(c.count));
        std::vector<std::string> workstation;
        for (std::size_t field = 1; field <= want.size(); ++field) {
            workstation.emplace_back(row.fields[field]);
        }
        EXPECT_EQ(workstation, want) << "workstation: " << c.line;
    }
    // A row of more than 100 fields fails in both.
    std::vector<std::string> fields(vc::kSplitFields + 1);
    EXPECT_THROW(vc::SplitEventLine(std::string(100, ','), fields, 1), textfile::RunError);
    ws::VintroRow row;
    EXPECT_THROW(ws::SplitVintroLine(std::string(100, ','), row, 1), textfile::RunError);
    EXPECT_NO_THROW(ws::SplitVintroLine(std::string(99, ','), row, 1));
}

// A random row of `length` bytes: runs of letters and blanks between commas and runs of quotes,
// the marks as dense as one in `markEvery` steps. Cut at its length, a row may end anywhere,
// inside a quoted text or a run of quotes too.
std::string randomRow(std::mt19937& random, std::size_t length, unsigned markEvery) {
    const std::string letters = " abcdefgh";
    std::string line;
    while (line.size() < length) {
        if (random() % markEvery == 0) {
            line += random() % 2 == 0 ? std::string(1, ',') : std::string(1 + random() % 3, '"');
        } else if (random() % 2 == 0) {
            line += std::string(1 + random() % 12, 'x');
        } else {
            line += letters[random() % letters.size()];
        }
    }
    line.resize(length);
    return line;
}

// The split's fields against the plain walk's pieces joined per field, over random rows of
// 0 to 1,000 bytes: short ones and ones of many blocks, where pieces and runs of quotes cross
// the blocks' edges. A row of too many fields fails in both.
TEST(QvdRowSplit, FieldsAreTheWalksPiecesJoined) {
    std::mt19937 random(7);
    const unsigned markDensities[] = {2, 3, 8, 40};
    textfile::QvdRow row;
    for (int round = 0; round < 20000; ++round) {
        const std::size_t length = round % 2 == 0 ? random() % 80 : random() % 1001;
        const std::string line = randomRow(random, length, markDensities[random() % 4]);
        const int lastField = static_cast<int>(random() % 8) - 1;
        std::vector<std::string> want(textfile::kQvdRowFields + 1);
        int last = 0;
        try {
            last = textfile::forEachQvdPiece(line, lastField, [&](int field, std::string_view piece) {
                want[static_cast<std::size_t>(field)] += piece;
            });
        } catch (const textfile::RunError&) {
            EXPECT_THROW(textfile::splitQvdRow(line, row, lastField), textfile::RunError) << line;
            continue;
        }
        row.fields.fill("stale");
        textfile::splitQvdRow(line, row, lastField);
        const int filled = std::max(last, std::min(lastField, textfile::kQvdRowFields));
        for (int field = 1; field <= textfile::kQvdRowFields; ++field) {
            const std::string_view got = row.fields[static_cast<std::size_t>(field)];
            EXPECT_EQ(got,
                      field <= filled ? std::string_view(want[static_cast<std::size_t>(field)]) : "stale")
                << line << " field " << field << " last " << lastField;
        }
    }
}

} // namespace
