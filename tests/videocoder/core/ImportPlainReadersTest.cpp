// The imports read their bytes in one pass, their texts left as views into the bytes the
// table keeps. Here plain readers, field by field through FieldReader and one cell at a time,
// stand beside them: random files of every shape give the same rows, counts and failures.
#include "textfile/FieldReader.h"
#include "textfile/Files.h"
#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "videocoder/core/DataFile.h"
#include "videocoder/core/ImportData.h"
#include "videocoder/core/TextCase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using textfile::RunError;
using textfile::Value;

void addPlainRow(vc::DataTable& data) {
    const int rows = std::max(textfile::toInt32(data.gRowCount.asNumber()), 0);
    data.gData.resizeRows(rows + 1);
    data.gRowCount = Value::ofNumber(rows + 1);
}

void plainCsvRows(std::string_view bytes, vc::DataTable& data) {
    const std::string_view body = bytes.substr(textfile::byteOrderMarkLength(bytes));
    if (body.empty()) {
        throw RunError(textfile::kInputPastEndOfFile);
    }
    const int fields = vc::CountCommas(body.substr(0, body.find_first_of("\r\n"))) + 1;
    textfile::FieldReader in{std::string(bytes)};
    int widest = 0;
    while (!in.atEnd()) {
        addPlainRow(data);
        const int row = data.gData.rows();
        for (int field = 1; field <= fields && !in.atEnd(); ++field) {
            const Value value = in.readValue();
            const bool empty = value.kind == Value::Kind::Empty || (value.isText() && value.text.empty());
            if (!empty) {
                widest = std::max(widest, field);
            }
            if (field > vc::kDataColumns) {
                if (empty) {
                    continue;
                }
                throw RunError(textfile::kSubscriptOutOfRange);
            }
            data.gData.at(field, row) = value;
        }
        const int filled = std::min(widest, vc::kDataColumns);
        if (vc::upperCase(data.gDataType) == "EVENTS" &&
            filled > textfile::toInt32(data.gColCount.asNumber())) {
            data.gColCount = Value::ofNumber(filled);
        }
    }
}

// Open data as an import finds it: some rows with cells in them, the row count at, below or
// above the rows held.
void fillOpenData(std::mt19937 random, vc::DataTable& data) {
    data.gDataType = random() % 3 == 0 ? "transcript" : "Events";
    const int rows = static_cast<int>(random() % 4);
    data.gData.reset(vc::kDataColumns, rows, static_cast<int>(random() % 3) * 20);
    const int filled = static_cast<int>(random() % 5); // none: a blank table, as a new file's
    for (int row = 1; row <= rows; ++row) {
        for (int column = 1; column <= filled; ++column) {
            data.gData.at(static_cast<int>(random() % vc::kDataColumns) + 1, row) =
                Value::ofText("old" + std::to_string(column));
        }
    }
    data.gRowCount = Value::ofNumber(std::max(rows + static_cast<int>(random() % 3) - 1, 0));
    data.gColCount = Value::ofNumber(static_cast<int>(random() % 4) + 1);
}

// A table's worth of lines, mostly of one width and plain cells, now and then not.
std::string randomCsvTable(std::mt19937& random) {
    static const std::vector<std::string> cells = {"\"A\"",     "\"\"", "",       "5",    "#NULL#",
                                                   "\"x,y\"",   "a b",  "-0",     " 7",   "b ",
                                                   "\"q\"junk", "a\"b", "\"open", "\xe9", "1e400"};
    const auto width = random() % 55 + 1;
    std::string text;
    for (auto rows = random() % 6 + 1; rows > 0; --rows) {
        const auto cellsInLine = random() % 8 == 0 ? width + random() % 3 - 1 : width;
        for (unsigned cell = 0; cell < cellsInLine; ++cell) {
            text += (cell > 0 ? "," : "") + cells[random() % (random() % 4 == 0 ? cells.size() : 5)];
        }
        text += random() % 5 == 0 ? "\n" : "\r\n";
    }
    return text;
}

std::string randomCsv(std::mt19937& random) {
    if (random() % 2 == 0) {
        return randomCsvTable(random);
    }
    static const std::vector<std::string> pieces = {"\"",
                                                    ",",
                                                    ",",
                                                    ",",
                                                    "\r\n",
                                                    "\r",
                                                    "\n",
                                                    " ",
                                                    "\t",
                                                    "a",
                                                    "B c",
                                                    "5",
                                                    "-0",
                                                    "-12",
                                                    "3.25",
                                                    " 7 ",
                                                    "#NULL#",
                                                    "1e400",
                                                    "12345678901234567",
                                                    "+4",
                                                    "\xe9t\xe9",
                                                    "\"\"",
                                                    "\"x,y\"",
                                                    ",,,,,,,,,,"};
    std::string text = random() % 8 == 0 ? "\xef\xbb\xbf" : "";
    const auto count = random() % 120;
    for (unsigned piece = 0; piece < count; ++piece) {
        text += pieces[random() % pieces.size()];
    }
    if (random() % 6 == 0) {
        text += std::string(static_cast<std::size_t>(random() % 60), ',') + "\"z\"\r\n"; // past column 50
    }
    if (random() % 100 == 0) {
        text += "\"" + std::string(70'000, 'x') + "\",y,\"z\"\r\n"; // texts too far into their line to view
    }
    return text;
}

void plainDataFileRows(std::string_view bytes, vc::DataTable& data) {
    vc::DataFileReader reader{std::string(bytes)};
    reader.readType();
    std::array<std::string, vc::kHeaderFields> header;
    reader.readHeader(header);
    if (vc::upperCase(data.gDataType) != "EVENTS") {
        return; // transcript rows are read as they always were
    }
    const std::int32_t rows = textfile::toInt32(reader.readCountLine().asNumber());
    const std::int32_t columns = textfile::toInt32(reader.readCountLine().asNumber());
    if (columns < 1 || columns > vc::kDataColumns) {
        throw RunError(textfile::kSubscriptOutOfRange);
    }
    std::vector<std::string> fields;
    for (int n = 1; n <= rows; ++n) {
        const std::string line(reader.nextLine());
        fields.assign(vc::kSplitFields + 1, "");
        vc::SplitEventLine(line, fields, columns);
        addPlainRow(data);
        for (int column = 1; column <= columns; ++column) {
            data.gData.at(column, data.gData.rows()) =
                Value::ofText(fields[static_cast<std::size_t>(column)]);
        }
        if (columns > textfile::toInt32(data.gColCount.asNumber())) {
            data.gColCount = Value::ofNumber(columns);
        }
    }
}

std::string randomDataFile(std::mt19937& random) {
    static const std::vector<std::string> counts = {"3", " 12 ", "0", "x", "60", "2.5", "1"};
    static const std::vector<std::string> pieces = {"\"",          ",",    ",",         "\r\n", "\r\n",
                                                    "\r",          "\n",   " ",         "A",    "\xe9t\xe9",
                                                    "00:00:01.50", "\"\"", ",,,,,,,,,,"};
    std::string text = (random() % 8 == 0 ? "\xef\xbb\xbf" : "") + std::string("EVENTS\r\n") +
                       std::string(6, '\n') + "<notes>\r\nx\r\n</NOTES>\r\n" + std::string(6, '\n');
    text += counts[random() % counts.size()] + "\r\n" + counts[random() % counts.size()] + "\r\n";
    const auto count = random() % 80;
    for (unsigned piece = 0; piece < count; ++piece) {
        text += pieces[random() % pieces.size()];
    }
    if (random() % 50 == 0) {
        text += "\"" + std::string(70'000, 'x') + "\",y\r\n";
    }
    return text;
}

void plainDoruRows(std::string_view bytes, vc::DataTable& data) {
    textfile::FieldReader in{std::string(bytes)};
    bool newRow = true;
    while (!in.atEnd()) {
        std::string line = in.readLine();
        if (!line.empty() && line.front() == '-' && line.find(':') != std::string::npos) {
            addPlainRow(data);
            data.gData.at(1, data.gData.rows()) = vc::DoruTimeOf(line);
            newRow = false;
            continue;
        }
        if (!line.empty() && line.front() == '+') {
            continue;
        }
        if (newRow) {
            addPlainRow(data);
            data.gData.at(1, data.gData.rows()) = vc::DoruTimeOf(line);
        }
        data.gData.at(2, data.gData.rows()) = Value::ofText(vc::DoruCodesOf(line));
        data.gData.at(3, data.gData.rows()) = Value::ofText(line);
        newRow = true;
    }
}

std::string randomDoru(std::mt19937& random) {
    static const std::vector<std::string> pieces = {"- ", "-",  ":",   "0:12", "{",         "}",    "{1:02}",
                                                    "[",  "]",  "[a]", "+ ",   "+",         "\r\n", "\r\n",
                                                    "\r", "\n", " ",   "C hi", "\xe9t\xe9", "."};
    std::string text = random() % 8 == 0 ? "\xef\xbb\xbf" : "";
    const auto count = random() % 60;
    for (unsigned piece = 0; piece < count; ++piece) {
        text += pieces[random() % pieces.size()];
    }
    if (random() % 50 == 0) {
        text += "- 0:01\r\n" + std::string(70'000, '+') + "\r\nC " + std::string(70'000, 'x') + " [a].\r\n";
    }
    return text;
}

template <class Read> std::optional<int> failureOf(Read&& read) {
    try {
        read();
    } catch (const RunError& e) {
        return e.number();
    }
    return std::nullopt;
}

// Rounds of random bytes read into random open data by both readers: the same failure (or
// none), counts and cells. A type of nullptr keeps the random data's type.
template <class Bytes, class Fast, class Plain>
void expectReadersAgree(unsigned seed, const char* type, Bytes randomBytes, Fast fastRead, Plain plainRead) {
    std::mt19937 random(seed);
    for (int round = 0; round < 3000; ++round) {
        vc::DataTable fast, plain;
        fillOpenData(random, fast);
        fillOpenData(random, plain);
        random.discard(1);
        if (type != nullptr) {
            fast.gDataType = plain.gDataType = type;
        }
        const std::string bytes = randomBytes(random);
        const auto fastFailure = failureOf([&] { fastRead(bytes, fast); });
        const auto plainFailure = failureOf([&] { plainRead(bytes, plain); });
        const std::string shown = testing::PrintToString(bytes);
        EXPECT_EQ(fastFailure, plainFailure) << shown;
        EXPECT_EQ(fast.gRowCount, plain.gRowCount) << shown;
        EXPECT_EQ(fast.gColCount, plain.gColCount) << shown;
        EXPECT_TRUE(fast.gData == plain.gData) << shown;
    }
}

TEST(ImportPlainReaders, CsvRowsAreTheFieldReadersRows) {
    expectReadersAgree(
        5, nullptr, randomCsv,
        [](const std::string& bytes, vc::DataTable& d) { vc::appendCsvRows(bytes, d); }, plainCsvRows);
}

TEST(ImportPlainReaders, MergedRowsAreTheSplitRows) {
    expectReadersAgree(
        7, "EVENTS", randomDataFile,
        [](const std::string& bytes, vc::DataTable& d) { vc::appendDataFileRows(bytes, d); },
        plainDataFileRows);
}

TEST(ImportPlainReaders, DoruRowsAreTheLineByLineRows) {
    expectReadersAgree(
        9, nullptr, randomDoru,
        [](const std::string& bytes, vc::DataTable& d) { vc::appendDoruRows(bytes, d); }, plainDoruRows);
}

} // namespace
