#include "textfile/FieldReader.h"
#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "textfile/ShortTextWord.h"
#include "textfile/TextForms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace textfile {
namespace {

struct Expected {
    std::string text;
    bool quoted;
};

std::vector<Expected> readAllFields(const std::string& bytes) {
    FieldReader reader(bytes);
    std::vector<Expected> fields;
    while (!reader.atEnd()) {
        Field f = reader.readField();
        fields.push_back({f.text, f.quoted});
    }
    return fields;
}

void expectRunError(int number, const std::function<void()>& read) {
    try {
        read();
        ADD_FAILURE() << "no error";
    } catch (const RunError& e) {
        EXPECT_EQ(e.number(), number);
    }
}

TEST(FieldReader, SplitsFieldsAtCommasAndLineEnds) {
    const struct {
        const char* bytes;
        std::vector<Expected> fields;
    } cases[] = {
        {"a,b\r\nc", {{"a", false}, {"b", false}, {"c", false}}},
        {"  a  ,\tb \r\n", {{"a", false}, {"b", false}}},
        {"\"x, y\" junk,z\n", {{"x, y", true}, {"z", false}}},
        {" \"q\" \r\n", {{"q", true}}},
        {"\"\",1\r\n", {{"", true}, {"1", false}}},
        {"\r\n", {{"", false}}},
        {"a,\r\n", {{"a", false}, {"", false}}},
        {"a\rb\nc\r\n", {{"a", false}, {"b", false}, {"c", false}}},
        {"\"unclosed\r\nnext", {{"unclosed", true}, {"next", false}}},
        {"", {}},
    };
    for (const auto& c : cases) {
        const auto fields = readAllFields(c.bytes);
        ASSERT_EQ(fields.size(), c.fields.size()) << c.bytes;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            EXPECT_EQ(fields[i].text, c.fields[i].text) << c.bytes << " field " << i;
            EXPECT_EQ(fields[i].quoted, c.fields[i].quoted) << c.bytes << " field " << i;
        }
    }
}

TEST(FieldReader, ReadsAnEventFileHeaderWholeBetweenFields) {
    FieldReader reader("Events\r\nSession 1, \"kid\", day 2\r\nA, 5 \r\n-500,9");
    EXPECT_EQ(reader.readText(), "Events");
    EXPECT_EQ(reader.readLine(), "Session 1, \"kid\", day 2");
    EXPECT_EQ(reader.readText(), "A");
    EXPECT_EQ(reader.readNumber(), 5);
    EXPECT_EQ(reader.readText(), "-500");
    EXPECT_EQ(reader.readNumber(), 9);
    EXPECT_TRUE(reader.atEnd());
}

TEST(FieldReader, ReadLineTakesEachLineEndAndAFinalLineWithoutOne) {
    FieldReader reader("one\r\n\ntwo, \"2\"\rlast");
    EXPECT_EQ(reader.readLine(), "one");
    EXPECT_EQ(reader.readLine(), "");
    EXPECT_EQ(reader.readLine(), "two, \"2\"");
    EXPECT_EQ(reader.readLine(), "last");
    EXPECT_TRUE(reader.atEnd());
}

// Lines of every length up to past two of the search's 16-byte steps, under each line end.
TEST(FieldReader, EveryLineEndSplitsLinesOfAnyLengthAlike) {
    std::vector<std::string> lines;
    for (int length = 0; length <= 40; ++length) {
        lines.push_back(std::string(static_cast<std::size_t>(length), static_cast<char>('a' + length % 26)));
    }
    for (const char* lineEnd : {"\r\n", "\n", "\r"}) {
        std::string bytes;
        for (const std::string& line : lines) {
            bytes += line + lineEnd;
        }
        FieldReader reader(bytes);
        EXPECT_EQ(reader.linesLeft(), lines.size());
        for (const std::string& line : lines) {
            EXPECT_EQ(reader.readLine(), line) << "line of " << line.size();
        }
        EXPECT_TRUE(reader.atEnd());
    }
}

// A file whose lines end in CR alone reads in one pass, as fast as the same lines ended
// in LF: no search runs through the rest of the file for each line.
TEST(FieldReader, CrOnlyLinesReadInTheTimeOfLfLines) {
    constexpr int kLines = 100000;
    const auto bestOfThree = [](const std::string& bytes) {
        auto best = std::chrono::steady_clock::duration::max();
        for (int round = 0; round < 3; ++round) {
            const auto began = std::chrono::steady_clock::now();
            FieldReader reader(bytes);
            std::size_t lines = 0;
            while (!reader.atEnd()) {
                lines += reader.readLineView().empty() ? 0 : 1;
            }
            best = std::min(best, std::chrono::steady_clock::now() - began);
            EXPECT_EQ(lines, static_cast<std::size_t>(kLines));
        }
        return best;
    };
    std::string lf;
    for (int i = 0; i < kLines; ++i) {
        lf += std::to_string(i * 25) + " A\n";
    }
    std::string cr = lf;
    std::replace(cr.begin(), cr.end(), '\n', '\r');
    EXPECT_LT(bestOfThree(cr), 4 * bestOfThree(lf) + std::chrono::milliseconds(5));
}

TEST(FieldReader, EveryRecordFormGivesTheSameCodeAndTime) {
    for (const char* record :
         {"A,40\r\n", "A, 40 \r\n", "\"A\",40\r\n", "  A  ,40\n", "\"A\" , 40", "A,40.0"}) {
        FieldReader reader(record);
        EXPECT_EQ(reader.readText(), "A") << record;
        EXPECT_EQ(reader.readNumber(), 40) << record;
        EXPECT_TRUE(reader.atEnd()) << record;
    }
}

TEST(FieldReader, ReadNumberTakesBothFormsAndRefusesText) {
    FieldReader reader("-3 ,12.5, 7 ,,1E+15\r\nabc,12abc");
    EXPECT_EQ(reader.readNumber(), -3);
    EXPECT_EQ(reader.readNumber(), 12.5);
    EXPECT_EQ(reader.readNumber(), 7);
    EXPECT_EQ(reader.readNumber(), 0);
    EXPECT_EQ(reader.readNumber(), 1e15);
    expectRunError(kTypeMismatch, [&] { reader.readNumber(); });
    expectRunError(kTypeMismatch, [&] { reader.readNumber(); });
}

// What a number field reads as, whichever way it is taken: its value or the error, and where
// the next field starts.
struct NumberRead {
    double value = 0;
    int error = 0;
    std::size_t next = 0;
};

template <class Read> NumberRead readNumberWith(const std::string& bytes, Read read) {
    FieldReader reader(bytes);
    NumberRead result;
    try {
        result.value = static_cast<double>(read(reader));
    } catch (const RunError& e) {
        result.error = e.number();
    }
    result.next = reader.position();
    return result;
}

// The field's text taken as a whole number text, the way any number field has always read.
NumberRead expectedNumber(const std::string& text, std::size_t next) {
    NumberRead result;
    result.next = next;
    try {
        if (!isNumeric(text)) {
            throw RunError(kTypeMismatch);
        }
        result.value = leadingNumber(text);
    } catch (const RunError& e) {
        result.error = e.number();
    }
    return result;
}

TEST(FieldReader, NumbersReadAlikeWhateverTheirFormAndEnding) {
    const std::vector<std::string> texts = {
        // whole numbers of up to nine digits
        "0", "-0", "7", "-12", "007", "123456789", "-123456789",
        // past nine and past fifteen digits, near and past the 32-bit limits
        "1234567890", "2147483647", "2147483648", "-2147483648", "-2147483649", "999999999999999",
        "9999999999999999", "12345678901234567890",
        // no whole digits alone
        "2.5", "3.5", "1e3", "+5", "-", "5a", "1e999"};
    const char* const forms[][2] = {{"", ""}, {" ", " "}, {"\"", "\""}};
    // Each field is followed by the next one ("9") or stands at the end of the input.
    const char* const endings[] = {",9", "\r\n9", "\n9", "\r9", ""};
    for (const std::string& text : texts) {
        for (const auto& form : forms) {
            for (const char* ending : endings) {
                const std::string bytes = form[0] + text + form[1] + ending;
                const std::size_t next = bytes.size() - (*ending == '\0' ? 0 : 1);
                SCOPED_TRACE(::testing::PrintToString(bytes));

                const NumberRead expected = expectedNumber(text, next);
                const NumberRead number =
                    readNumberWith(bytes, [](FieldReader& r) { return r.readNumber(); });
                EXPECT_EQ(number.error, expected.error);
                EXPECT_EQ(number.value, expected.value);
                EXPECT_EQ(std::signbit(number.value), std::signbit(expected.value));
                EXPECT_EQ(number.next, expected.next);

                const NumberRead whole = readNumberWith(bytes, [](FieldReader& r) { return r.readInt32(); });
                const NumberRead rounded =
                    readNumberWith(bytes, [](FieldReader& r) { return toInt32(r.readNumber()); });
                EXPECT_EQ(whole.error, rounded.error);
                EXPECT_EQ(whole.value, rounded.value);
                EXPECT_EQ(whole.next, rounded.next);
            }
        }
    }
}

// Random records, most of them "code,time" with a line end, many a byte off that form: the
// short read either takes a record as a field read and a number read take it, or leaves it
// whole to them. It never takes a record they refuse, so their errors stand. A run of short
// reads takes what one short read after another takes.
TEST(FieldReader, ShortRecordReadsAsAFieldAndANumberOrLeavesTheRecord) {
    std::mt19937 random(20261211);
    const std::string odd = "09AZ,\r\n \t\"-+.e#\x01\x7F\xC3\xA9";
    const auto oddByte = [&] { return odd[random() % odd.size()]; };
    const char* const ends[] = {"\r\n", "\n", "\r\n", "\n", "\r", ",", ""};
    int taken = 0;
    for (int round = 0; round < 4000; ++round) {
        std::string bytes;
        for (int records = 1 + static_cast<int>(random() % 6); records > 0; --records) {
            std::string record(random() % 9, ' ');
            for (char& c : record) {
                c = random() % 8 != 0 ? static_cast<char>('A' + random() % 26) : oddByte();
            }
            const std::uint32_t time =
                random() % 3 != 0 ? random() % 100000 : static_cast<std::uint32_t>(random());
            record += "," + std::to_string(time) + ends[random() % std::size(ends)];
            if (random() % 4 == 0) {
                record[random() % record.size()] = oddByte();
            }
            bytes += record;
        }
        SCOPED_TRACE(::testing::PrintToString(bytes));
        FieldReader shortReader(bytes);
        FieldReader plainReader(bytes);
        // The records a run of short reads takes from the start, and where it stops.
        std::vector<std::pair<std::string, std::int32_t>> leading;
        std::size_t leadingEnd = 0;
        bool leadingGoesOn = true;
        while (!plainReader.atEnd()) {
            const std::size_t at = shortReader.position();
            std::string_view field;
            std::int32_t number = 0;
            const bool tookShort = shortReader.readShortRecord(field, number);
            std::string plainField;
            std::int32_t plainNumber = 0;
            try {
                plainField = std::string(plainReader.readFieldView().text);
                plainNumber = toInt32(plainReader.readNumber());
            } catch (const RunError&) {
                ASSERT_FALSE(tookShort);
                break;
            }
            leadingGoesOn = leadingGoesOn && tookShort;
            if (tookShort) {
                ++taken;
                ASSERT_EQ(field, plainField);
                ASSERT_EQ(number, plainNumber);
                if (leadingGoesOn) {
                    leading.emplace_back(plainField, plainNumber);
                    leadingEnd = shortReader.position();
                }
            } else {
                ASSERT_EQ(shortReader.position(), at);
                shortReader.readFieldView();
                shortReader.readInt32();
            }
            ASSERT_EQ(shortReader.position(), plainReader.position());
        }
        FieldReader runReader(bytes);
        std::vector<std::pair<std::string, std::int32_t>> run;
        runReader.readShortRecords([&](std::string_view field, std::int32_t number) {
            EXPECT_EQ(FieldReader::shortRecordFieldWord(field), shortTextWord(field)) << field;
            run.emplace_back(field, number);
            return true;
        });
        ASSERT_EQ(run, leading);
        ASSERT_EQ(runReader.position(), leadingEnd);
    }
    EXPECT_GT(taken, 1000); // the short form was met often enough to say something
}

TEST(FieldReader, ReadingPastTheEndFails) {
    FieldReader reader("A\r\n");
    reader.readField();
    expectRunError(kInputPastEndOfFile, [&] { reader.readField(); });
    expectRunError(kInputPastEndOfFile, [&] { reader.readLine(); });
    expectRunError(kInputPastEndOfFile, [&] { reader.readNumber(); });
    expectRunError(kInputPastEndOfFile, [&] { reader.readValue(); });
}

TEST(FieldReader, ReadValueByKind) {
    FieldReader reader("\"5\",#NULL#,, 12 ,abc,\"#NULL#\"");
    EXPECT_EQ(reader.readValue(), Value::ofText("5"));
    EXPECT_EQ(reader.readValue(), Value::null());
    EXPECT_EQ(reader.readValue(), Value::empty());
    EXPECT_EQ(reader.readValue(), Value::ofNumber(12));
    EXPECT_EQ(reader.readValue(), Value::ofText("abc"));
    EXPECT_EQ(reader.readValue(), Value::ofText("#NULL#"));
}

TEST(FieldReader, ReadsBackWhatWriteLineWrote) {
    const std::vector<Value> values = {Value::ofText("A, B"), Value::ofText(""),    Value::ofNumber(-0.25),
                                       Value::null(),         Value::empty(),       Value::ofNumber(3),
                                       Value::ofText("12"),   Value::ofNumber(1e20)};
    WriteLine line;
    for (const auto& v : values) {
        line.value(v);
    }
    FieldReader reader(line.str() + line.str());
    for (int copy = 0; copy < 2; ++copy) {
        for (const auto& v : values) {
            EXPECT_EQ(reader.readValue(), v) << v.asText();
        }
    }
    EXPECT_TRUE(reader.atEnd());
}

TEST(FieldReader, MissingFileIsFileNotFound) {
    expectRunError(kFileNotFound, [] { FieldReader::fromFile("/nonexistent/folder/none.eve"); });
}

} // namespace
} // namespace textfile
