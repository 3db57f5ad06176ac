// The exports build their text in one buffer from views of the cells. Here plain writers,
// each cell taken as a value and each utterance line made as a text of its own, stand beside
// them: random rows (set cell by cell, or read as views of a kept line) under every export
// setting give the same bytes and the same failures.
#include "textfile/NumberText.h"
#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "videocoder/core/ExportData.h"
#include "videocoder/core/TextCase.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using textfile::RunError;
using textfile::Value;

std::string cellText(const vc::DataTable& data, int column, int row) {
    return data.gData.at(column, row).asText();
}

std::string plainUtteranceLine(std::string codes, std::string text, const vc::VideoSettings& s) {
    if (codes.empty()) {
        codes = " ";
    }
    if (text.empty()) {
        text = " ";
    }
    const bool speakerInCodes = s.gDoruActor == 1;
    if (codes.find('[') != std::string::npos || !speakerInCodes) {
        codes = vc::BracketCodes(codes);
    } else {
        codes = codes.substr(0, 1) + vc::BracketCodes(codes.size() > 2 ? codes.substr(2) : "");
    }
    const std::string trimmedText = vc::trimBlanks(text);
    const auto from = [](const std::string& t, std::size_t at) { return at < t.size() ? t.substr(at) : ""; };
    std::string speaker, words, codePart;
    switch (s.gDoruActor) {
    case 0:
        speaker = text.substr(0, 1);
        words = vc::trimBlanks(from(text, 1));
        codePart = vc::trimBlanks(codes);
        break;
    case 1:
        speaker = codes.substr(0, 1);
        words = trimmedText;
        codePart = vc::trimBlanks(from(codes, 1));
        break;
    default:
        speaker = vc::trimBlanks(s.gDoruActorCode);
        words = trimmedText;
        codePart = vc::trimBlanks(codes);
        break;
    }
    std::string terminator = ".";
    if (trimmedText.empty()) {
        terminator = speakerInCodes ? " " : "";
        words.clear();
    } else if (std::string(">.?!").find(trimmedText.back()) != std::string::npos) {
        terminator = trimmedText.substr(trimmedText.size() - 1);
        if (!words.empty() && words.back() == terminator.front()) {
            words.pop_back();
        }
    }
    return speaker + " " + words + " " + codePart + terminator;
}

std::string plainDoruText(const vc::DataTable& data, const vc::HeaderFields& header,
                          const vc::VideoSettings& s) {
    const int rows = textfile::toInt32(data.gRowCount.asNumber());
    if (rows > data.gData.rows()) {
        throw RunError(textfile::kSubscriptOutOfRange);
    }
    std::string text = vc::BuildExportHeader(2, header, s) + "\r\n";
    for (int row = 1; row <= rows; ++row) {
        if (s.gDoruEXTimes == 0) {
            text += "- " + cellText(data, 1, row) + "\r\n";
        }
        text += plainUtteranceLine(cellText(data, 2, row), cellText(data, 3, row), s) + "\r\n";
    }
    return text + "- " + vc::trimBlanks(header[10]) + "\r\n";
}

std::string plainCsvText(const vc::DataTable& data, const vc::GridLayout& grid,
                         const vc::HeaderFields& header, const vc::VideoSettings& s) {
    const int columns = textfile::toInt32(data.gColCount.asNumber());
    const int rows = textfile::toInt32(data.gRowCount.asNumber());
    if (columns > data.gData.columns() || rows > data.gData.rows()) {
        throw RunError(textfile::kSubscriptOutOfRange);
    }
    std::string text;
    for (int column = 0; column < columns; ++column) {
        text += "\"" + grid[column].title + "\",";
    }
    text += "\r\n";
    for (int row = 1; row <= rows; ++row) {
        for (int column = 1; column <= columns; ++column) {
            if (column == 1 && s.gTimeConvert != 0) {
                const float time = vc::csvTimeNumber(cellText(data, column, row), s);
                text +=
                    (time < 0 ? "-" + textfile::singleText(-time) : " " + textfile::singleText(time)) + " ,";
            } else {
                text += "\"" + cellText(data, column, row) + "\",";
            }
        }
        text += "\r\n";
    }
    if (s.gExportHeader != 0) {
        text += vc::BuildExportHeader(1, header, s) + "\r\n";
    }
    return text;
}

Value randomCell(std::mt19937& random) {
    static const std::vector<std::string> pieces = {"[", "]", ",", " ",    "a",  "B",  "[x]", ".",
                                                    "?", "!", ">", "\xe9", "C ", "12", "  "};
    switch (random() % 8) {
    case 0:
        return Value::empty();
    case 1:
        return Value::null();
    case 2:
        return Value::ofNumber(static_cast<double>(random() % 2000) / 8 - 50);
    default:
        break;
    }
    std::string text;
    for (auto count = random() % 6; count > 0; --count) {
        text += pieces[random() % pieces.size()];
    }
    return Value::ofText(text);
}

// A time as a session holds it, now and then one the CSV cannot read.
Value randomTime(std::mt19937& random) {
    static const std::vector<std::string> odd = {"",    " ", "12",         "-3.5", "00:01:02:03",
                                                 "1:2", "x", "99:59:59.99"};
    if (random() % 5 == 0) {
        return Value::ofText(odd[random() % odd.size()]);
    }
    char time[32];
    std::snprintf(time, sizeof time, "%02u:%02u:%02u.%02u", static_cast<unsigned>(random() % 3),
                  static_cast<unsigned>(random() % 60), static_cast<unsigned>(random() % 60),
                  static_cast<unsigned>(random() % 100));
    return Value::ofText(time);
}

// A row as a file's read leaves it: its texts viewed in a kept line, now and then one cell
// set afterwards.
void putReadRow(std::mt19937& random, vc::CellTable& table, int row) {
    const int count = static_cast<int>(random() % 7);
    std::vector<std::string> texts;
    std::string line;
    for (int column = 1; column <= count; ++column) {
        texts.push_back(column == 1 ? randomTime(random).asText() : randomCell(random).asText());
        line += texts.back();
    }
    const std::string_view kept = table.keep(line);
    std::vector<std::string_view> views;
    std::size_t at = 0;
    for (const std::string& text : texts) {
        views.push_back(kept.substr(at, text.size()));
        at += text.size();
    }
    table.putRowTexts(row, kept, views.data(), count);
    if (random() % 3 == 0) {
        table.at(static_cast<int>(random() % 6) + 1, row) = randomCell(random);
    }
}

void fillRandomData(std::mt19937& random, vc::DataTable& data) {
    const int rows = static_cast<int>(random() % 12) + 1;
    const int stored = static_cast<int>(random() % 4) * 2;
    data.gData.reset(vc::kDataColumns, rows, stored);
    for (int row = 1; row <= rows; ++row) {
        if (random() % 2 == 0) {
            putReadRow(random, data.gData, row);
            continue;
        }
        data.gData.at(1, row) = randomTime(random);
        for (int column = 2; column <= 6; ++column) {
            if (random() % 3 != 0) {
                data.gData.at(column, row) = randomCell(random);
            }
        }
    }
    data.gRowCount = Value::ofNumber(static_cast<int>(random() % static_cast<unsigned>(rows + 2)));
    data.gColCount = Value::ofNumber(static_cast<int>(random() % 8));
}

void randomSettings(std::mt19937& random, vc::VideoSettings& s) {
    s.gDoruActor = static_cast<std::int16_t>(random() % 3);
    s.gDoruActorCode = random() % 2 == 0 ? " C " : "";
    s.gDoruEXTimes = static_cast<std::int16_t>(random() % 2);
    s.gTimeConvert = static_cast<std::int16_t>(random() % 2);
    s.gExportHeader = static_cast<std::int16_t>(random() % 2);
    s.FrameDisplay = static_cast<double>(random() % 4);
}

template <class Write> std::pair<std::string, std::optional<int>> written(Write&& write) {
    try {
        return {write(), std::nullopt};
    } catch (const RunError& e) {
        return {"", e.number()};
    }
}

TEST(ExportPlainWriters, EveryExportGivesThePlainWritersBytes) {
    std::mt19937 random(11);
    vc::GridLayout grid;
    for (int column = 0; column < vc::kGridColumns; ++column) {
        grid[column].title = "T" + std::to_string(column);
    }
    vc::HeaderFields header;
    for (std::size_t field = 0; field < header.size(); ++field) {
        header[field] = "h" + std::to_string(field);
    }
    for (int round = 0; round < 2000; ++round) {
        vc::DataTable data;
        fillRandomData(random, data);
        vc::VideoSettings s;
        randomSettings(random, s);
        EXPECT_EQ(written([&] { return vc::csvExportText(data, grid, header, s); }),
                  written([&] { return plainCsvText(data, grid, header, s); }))
            << round;
        EXPECT_EQ(written([&] { return vc::doruExportText(data, header, s); }),
                  written([&] { return plainDoruText(data, header, s); }))
            << round;
    }
}

} // namespace
