// Random sessions written as video-coder data files and as ODF text, in the many forms a cell or
// line may take, read through ReadEventFile with the continuous merge off and on: the slot
// holds the session's events, zero-justified and closed by the end record, and every record's
// code-table row is the one its code has.
#include "workstation/core/EventFile.h"

#include "support/ScratchFolder.h"
#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"
#include "textfile/RunError.h"
#include "workstation/core/CodeRowIndex.h"
#include "workstation/core/OdfEventReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace ws {
namespace {

struct CodeRow {
    const char* code;
    const char* description;
};
// A description of more than eight bytes, and codes of one and two.
const CodeRow kCodes[] = {{"A", "Look Away"}, {"B", "Babble"}, {"C", "Cry"}, {"DD", "Down Down"}};

struct Event {
    int code; // index in kCodes
    std::int32_t time;
};

class RandomLists : public ::testing::Test {
protected:
    RandomLists() {
        g.CodeTable.resize(4);
        for (int row = 1; row <= 4; ++row) {
            g.CodeTable(1, row) = textfile::Value::ofText(kCodes[row - 1].code);
            g.CodeTable(2, row) = textfile::Value::ofText(kCodes[row - 1].description);
        }
        g.NumCodes = 4;
        g.OutputFileName = scratch.file("report.txt");
    }

    std::string lineEnd() { return random() % 5 == 0 ? "\n" : "\r\n"; }
    std::string blanks() { return std::string(random() % 3 == 0 ? random() % 3 : 0, ' '); }
    // The text with some of its letters capitalised or lowered and blanks put among its words.
    std::string loosely(const std::string& text) {
        std::string loose = blanks();
        for (const char ch : text) {
            loose +=
                random() % 2 == 0 ? static_cast<char>(std::toupper(ch)) : static_cast<char>(std::tolower(ch));
            if (ch == ' ' && random() % 2 == 0) {
                loose += ' ';
            }
        }
        return loose + blanks();
    }

    // Reads the file in both merge settings and checks the slot and rows against the events.
    void expectRead(const std::string& file, const std::vector<Event>& events, std::int32_t end) {
        const CodeRowIndex index(g);
        for (const std::int16_t merge : {0, 1}) {
            SCOPED_TRACE(merge != 0 ? "merge on" : "merge off");
            g.gReadCont = merge;
            testsupport::ScriptedPlatform sp;
            std::vector<int> rows(kMaxEvents + 1, -2);
            std::string header;
            EXPECT_TRUE(ReadEventFile(g, sp.platform, file, 1, header, index, rows));
            const int count = static_cast<int>(events.size());
            ASSERT_EQ(g.EventTimes[0], count + 1);
            const std::int32_t first = events.front().time;
            for (int at = 1; at <= count; ++at) {
                const Event& event = events[static_cast<std::size_t>(at - 1)];
                ASSERT_EQ(g.EventCodes[static_cast<std::size_t>(at)], kCodes[event.code].code) << at;
                ASSERT_EQ(g.EventTimes[static_cast<std::size_t>(at)], event.time - first) << at;
                ASSERT_EQ(rows[static_cast<std::size_t>(at)], event.code + 1) << at;
            }
            EXPECT_EQ(g.EventCodes[static_cast<std::size_t>(count + 1)], "-500");
            EXPECT_EQ(g.EventTimes[static_cast<std::size_t>(count + 1)], end - first);
            // No CSV lies beside the file: the merge only says so.
            EXPECT_EQ(sp.dialogs.boxes.size(), merge != 0 ? 1U : 0U);
            EXPECT_FALSE(std::filesystem::exists(g.OutputFileName));
        }
    }

    std::mt19937 random{17};
    testsupport::ScratchFolder scratch;
    Global g;
};

std::string clockText(std::int32_t hundredths) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%02d", hundredths / 360000, hundredths / 6000 % 60,
                  hundredths / 100 % 60, hundredths % 100);
    return text;
}

TEST_F(RandomLists, DataFilesGiveTheirEvents) {
    g.gFileFormat = 1;
    for (int round = 0; round < 40; ++round) {
        std::vector<Event> events;
        std::string rows;
        int rowCount = 0;
        std::int32_t time = static_cast<std::int32_t>(random() % 360000);
        const int wanted = 1 + static_cast<int>(random() % 300);
        while (static_cast<int>(events.size()) < wanted) {
            // Up to nine hours: the hundredths the clock texts give are then exact.
            time = std::min<std::int32_t>(time + static_cast<std::int32_t>(random() % 4) * 25, 3239999);
            const std::string clock = clockText(time);
            std::string timeCell;
            switch (random() % 4) {
            case 0:
                timeCell = clock;
                break;
            case 1:
                timeCell = " \"" + clock + "\" ";
                break;
            default:
                timeCell = "\"" + clock + "\"";
                break;
            }
            // A row may leave its time out when it has the one before.
            if (!events.empty() && events.back().time == time && random() % 2 == 0) {
                timeCell = random() % 2 == 0 ? "\"\"" : "";
            }
            std::string codeCell = "\"\"";
            std::string descriptionCell;
            const int code = static_cast<int>(random() % 4);
            const int other = static_cast<int>(random() % 4);
            switch (random() % 3) {
            case 0:
                codeCell = random() % 2 == 0 ? "\"" + std::string(kCodes[code].code) + "\""
                                             : blanks() + kCodes[code].code + blanks();
                events.push_back({code, time});
                break;
            case 1:
                descriptionCell = loosely(kCodes[code].description);
                events.push_back({code, time});
                break;
            default:
                codeCell = "\"" + std::string(kCodes[code].code) + "\"";
                descriptionCell = loosely(kCodes[other].description);
                events.push_back({code, time});
                events.push_back({other, time});
                break;
            }
            rows += timeCell + "," + codeCell + "," + descriptionCell + lineEnd();
            ++rowCount;
        }
        const std::string bytes =
            "EVENTS\r\nS01\r\n12-10-2026\r\n09:30\r\nLab 2\r\nA1\r\njm\r\n<notes>\r\n</notes>\r\n"
            "video.mp4\r\ncodes.cod\r\n\r\n\r\n12-10-2026\r\n\r\n " +
            std::to_string(rowCount) + " \r\n 3 \r\n" + rows;
        const std::string file = scratch.file("kid" + std::to_string(round) + ".qvd");
        textfile::saveFileAtomically(file, bytes);
        SCOPED_TRACE(file);
        expectRead(file, events, events.back().time);
    }
}

TEST_F(RandomLists, OdfFilesGiveTheirEvents) {
    g.gFileFormat = 2;
    for (int round = 0; round < 40; ++round) {
        std::vector<Event> events;
        std::string bytes = "Generated session" + lineEnd() + "{start}" + lineEnd();
        std::int32_t time = static_cast<std::int32_t>(random() % 100000);
        std::int32_t suspended = 0; // the time the suspensions so far cut out
        const int wanted = 1 + static_cast<int>(random() % 300);
        while (static_cast<int>(events.size()) < wanted) {
            time += static_cast<std::int32_t>(random() % 4) * 25;
            if (random() % 40 == 0) {
                const std::int32_t resumed = time + static_cast<std::int32_t>(random() % 1000);
                bytes += std::to_string(time) + " {susp}" + lineEnd() + std::to_string(resumed) + " resume" +
                         lineEnd();
                suspended += resumed - time;
                time = resumed;
            }
            const int code = static_cast<int>(random() % 4);
            bytes += std::to_string(time) + (random() % 3 == 0 ? "," : " ") + blanks() + kCodes[code].code +
                     blanks() + lineEnd();
            events.push_back({code, time - suspended});
        }
        bytes += std::to_string(time) + " {end}" + lineEnd();
        const std::string file = scratch.file("kid" + std::to_string(round) + ".odf");
        textfile::saveFileAtomically(file, bytes);
        SCOPED_TRACE(file);
        expectRead(file, events, time - suspended);
    }
}

// Utterances whose bracketed code, in either case, a translation line names become that line's
// event; those naming none (a code no line has) give none.
TEST_F(RandomLists, TranscriptsGiveTheirTranslatedEvents) {
    g.gFileFormat = 3;
    g.gDORUUseTranslation = 1;
    g.gDORUTransFile = scratch.file("trans.txt");
    std::string translation;
    for (const CodeRow& row : kCodes) {
        translation += std::string(row.code) + "[" + row.code + "]\r\n";
    }
    textfile::saveFileAtomically(g.gDORUTransFile, translation);
    for (int round = 0; round < 40; ++round) {
        std::vector<Event> events;
        std::string bytes = "+Generated session" + lineEnd();
        std::int32_t time = static_cast<std::int32_t>(random() % 10000);
        const int wanted = 1 + static_cast<int>(random() % 300);
        while (static_cast<int>(events.size()) < wanted) {
            time += static_cast<std::int32_t>(random() % 4) * 25;
            const int code = static_cast<int>(random() % 4);
            std::string bracketed = kCodes[code].code;
            for (char& ch : bracketed) {
                ch = random() % 2 == 0 ? static_cast<char>(std::tolower(ch)) : ch;
            }
            bytes += "-" + blanks() + std::to_string(time) + blanks() + lineEnd();
            if (random() % 10 == 0) {
                bytes += "C we saw [zz] there" + lineEnd(); // no line names it
                continue;
            }
            bytes += "C we saw [" + bracketed + "] there" + lineEnd();
            events.push_back({code, time});
        }
        const std::string file = scratch.file("kid" + std::to_string(round) + ".slt");
        textfile::saveFileAtomically(file, bytes);
        SCOPED_TRACE(file);
        expectRead(file, events, events.back().time);
    }
}

// A line read once for its time and code gives what the time and the code read apart give,
// failures included, for random lines of digits, points, separators and letters.
TEST_F(RandomLists, OdfLinesSplitAsTheirTimeAndCodeReadApart) {
    const std::string alphabet = "0123456789012345678901234 ,.x-{}";
    for (int round = 0; round < 50000; ++round) {
        std::string line;
        const int length = static_cast<int>(random() % 16);
        for (int at = 0; at < length; ++at) {
            line += alphabet[random() % (at < 11 && random() % 4 != 0 ? 10 : alphabet.size())];
        }
        for (const std::int16_t convertTimes : {0, 1}) {
            std::string apart;
            std::string once;
            try {
                apart = std::to_string(OdfLineTime(line, convertTimes)) + "|" + OdfLineCode(line);
            } catch (const textfile::RunError& error) {
                apart = "error " + std::to_string(error.number());
            }
            try {
                const OdfLine split = splitOdfLine(line, convertTimes);
                once = std::to_string(split.time) + "|" + std::string(split.code);
            } catch (const textfile::RunError& error) {
                once = "error " + std::to_string(error.number());
            }
            ASSERT_EQ(once, apart) << line << " converting " << convertTimes;
        }
    }
}

} // namespace
} // namespace ws
