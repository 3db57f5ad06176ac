// The time texts of imported files, the slot-wide shifts and the look-up of codes by
// description.
#include "workstation/core/ImportTimes.h"

#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "workstation/core/EventFileSlots.h"
#include "workstation/core/Global.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>

#include <string>
#include <vector>

namespace ws {
namespace {

struct TimeCase {
    std::string text;
    std::int16_t framesPerSecond;
    std::int32_t value;
    std::int16_t timeBase;
    std::string error; // the message told, "" when the text converts
};

TEST(ImportTimes, ParseTimeStringByForm) {
    const std::vector<TimeCase> cases = {
        {"00:01:02.5", 30, 6250, 1, ""},
        {"10:00:00.00", 30, 3600000, 1, ""},
        {"99:00:00.25", 30, 35640024, 1, ""}, // x 100 rounded to single,
        {"00:00:01:15", 30, 45, 2, ""},
        {"01:00:00:00", 25, 90000, 2, ""},
        {"00:00:00:15", 0, 15, 2, ""},
        {"62.5", 30, 6250, 1, ""},
        {" 1.005 ", 30, 100, 1, ""},
        {"45", 30, 45, 2, ""},
        {"00:xx:01:15", 30, 0, 2, "Error converting time: {00:xx:01:15} - Type mismatch"},
        {"1:5", 30, 0, 2, "Error converting time: {1:5} - Type mismatch"},
        {"abc", 30, 0, 2, "Error converting time: {abc} - Type mismatch"},
        {"", 30, 0, 2, "Error converting time: {} - Type mismatch"},
        {"4.5.6", 30, 0, 1, "Error converting time: {4.5.6} - Type mismatch"},
        {"99999999999", 30, 0, 2, "Error converting time: {99999999999} - Overflow"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        WorkstationSettings settings;
        settings.FramesPerSecond = c.framesPerSecond;
        std::vector<std::string> told;
        const auto value =
            ParseTimeString(settings, c.text, [&](const std::string& m) { told.push_back(m); });
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(settings.gVTRStimebase, c.timeBase);
        EXPECT_EQ(told, c.error.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.error});
    }
}

// Plain digit texts take a short road; it must give the general reader's double (and whole
// number) bit for bit, and leave every other text (blanks, signs, exponents, too many digits)
// to that reader.
TEST(ImportTimes, StrictNumberReadsLikeTheGeneralReader) {
    std::mt19937 random(3);
    const std::string alphabet = "0123456789000.";
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const int length = 1 + static_cast<int>(random() % 19);
        for (int i = 0; i < length; ++i) {
            text += alphabet[random() % alphabet.size()];
        }
        if (textfile::isNumeric(text)) {
            const double expected = textfile::leadingNumber(text);
            EXPECT_EQ(std::bit_cast<std::uint64_t>(strictNumber(text)),
                      std::bit_cast<std::uint64_t>(expected))
                << text;
            if (std::abs(expected) <= INT32_MAX) {
                EXPECT_EQ(wholeTime(text), textfile::toInt32(expected)) << text;
            } else {
                EXPECT_THROW(wholeTime(text), textfile::RunError) << text;
            }
        } else {
            EXPECT_THROW(strictNumber(text), textfile::RunError) << text;
            EXPECT_THROW(wholeTime(text), textfile::RunError) << text;
        }
    }
    for (const std::string text : {" 12", "-3", "1e2", "12.", ".5", "+7"}) {
        EXPECT_EQ(strictNumber(text), textfile::leadingNumber(text)) << text;
    }
    EXPECT_THROW(strictNumber(""), textfile::RunError);
}

TEST(ImportTimes, ClockAndTimecodePartsAreReadByPosition) {
    EXPECT_FLOAT_EQ(ClockToSeconds("01:02:03.5"), 3723.5f);
    EXPECT_FLOAT_EQ(ClockToSeconds("xx:02:03.5"), 123.5f); // lenient: no digits read as 0
    EXPECT_EQ(TimecodeToFrames("12.5", 30), 12);           // no ":": the value, halves to even
    EXPECT_THROW(TimecodeToFrames("00:00:", 30), textfile::RunError);
}

// HH:MM:SS.ss texts take a short road (a plain sum below ten hours); a trailing blank sends the
// same time down the general one, whose hundredths they must give for every text.
TEST(ImportTimes, PlainClockTextsGiveTheGeneralHundredths) {
    WorkstationSettings settings;
    const ImportMessageSink none = [](const std::string&) { FAIL(); };
    char text[16];
    for (const int hours : {0, 9, 10, 16, 99}) {
        const int step = hours < 10 ? 1 : 7; // every text where the sum is taken
        for (int minutes = 0; minutes < 100; ++minutes) {
            for (int hundredths = 0; hundredths < 10000; hundredths += step) {
                std::snprintf(text, sizeof text, "%02d:%02d:%02d.%02d", hours, minutes, hundredths / 100,
                              hundredths % 100);
                const std::int32_t general = hundredthsOfSeconds(ClockToSeconds(std::string(text) + " "));
                if (ParseTimeString(settings, text, none) != general) {
                    ADD_FAILURE() << text << " gives " << ParseTimeString(settings, text, none) << ", not "
                                  << general;
                    return;
                }
            }
        }
    }
}

// The forms read inline give the general conversion's value, unit and message for any text.
TEST(ImportTimes, InlineFormsConvertAsTheGeneralConversion) {
    std::mt19937 random(5);
    // Digits first, then bytes next to the digits and marks that a check of nibbles might let by.
    const std::string alphabet = "0123456789012345:. x;/?@9:.-\xfa\xff\x80";
    for (int round = 0; round < 50000; ++round) {
        std::string text;
        const bool clockShaped = random() % 2 == 0;
        const int length = clockShaped ? 11 : static_cast<int>(random() % 12);
        for (int i = 0; i < length; ++i) {
            text += alphabet[random() % 16];
        }
        if (clockShaped) {
            text[2] = text[5] = ':';
            text[8] = '.';
        }
        if (random() % 8 == 0 && !text.empty()) {
            text[random() % text.size()] = alphabet[random() % alphabet.size()];
        }
        WorkstationSettings inlineRead;
        WorkstationSettings general;
        inlineRead.FramesPerSecond = general.FramesPerSecond = 30;
        std::vector<std::string> inlineTold;
        std::vector<std::string> generalTold;
        EXPECT_EQ(ParseTimeString(inlineRead, text, [&](const std::string& m) { inlineTold.push_back(m); }),
                  convertTimeString(general, text, [&](const std::string& m) { generalTold.push_back(m); }))
            << text;
        EXPECT_EQ(inlineRead.gVTRStimebase, general.gVTRStimebase) << text;
        EXPECT_EQ(inlineTold, generalTold) << text;

        // The clock form's parts, byte by byte.
        const auto isDigit = [&](std::size_t at) { return text[at] >= '0' && text[at] <= '9'; };
        const auto number = [&](std::size_t at) {
            return static_cast<unsigned>((text[at] - '0') * 10 + text[at + 1] - '0');
        };
        const bool clockForm = text.size() == 11 && text[2] == ':' && text[5] == ':' && text[8] == '.' &&
                               isDigit(0) && isDigit(1) && isDigit(3) && isDigit(4) && isDigit(6) &&
                               isDigit(7) && isDigit(9) && isDigit(10);
        quicktime::ClockParts parts;
        ASSERT_EQ(quicktime::plainClockParts(text, parts), clockForm) << text;
        if (clockForm) {
            EXPECT_EQ(parts.hours, number(0)) << text;
            EXPECT_EQ(parts.minutes, number(3)) << text;
            EXPECT_EQ(parts.hundredths, number(6) * 100 + number(9)) << text;
        }
    }
}

void fill(SlotWriter& slot, const std::vector<std::int32_t>& times) {
    for (std::size_t i = 0; i < times.size(); ++i) {
        slot.code(static_cast<int>(i) + 1) = "A";
        slot.time(static_cast<int>(i) + 1) = times[i];
    }
    slot.time(0) = static_cast<std::int32_t>(times.size());
}

std::vector<std::int32_t> timesOf(const SlotWriter& slot) {
    return {slot.times().begin() + 1, slot.times().begin() + 1 + slot.times()[0]};
}

TEST(ImportTimes, ZeroJustifyTakesTheFirstTimeForAnOffsetOfZero) {
    Global g;
    emptySlot(g, 1);
    SlotWriter slot(g, 1);
    fill(slot, {500, 700, 900});
    std::int32_t offset = 0;
    ZeroJustifyTimes(slot, offset);
    EXPECT_EQ(offset, 500);
    EXPECT_EQ(timesOf(slot), (std::vector<std::int32_t>{0, 200, 400}));
    offset = 600;
    ZeroJustifyTimes(slot, offset);
    EXPECT_EQ(timesOf(slot), (std::vector<std::int32_t>{-600, -400, -200}));

    Global empty;
    emptySlot(empty, 2);
    SlotWriter none(empty, 2);
    offset = 0;
    ZeroJustifyTimes(none, offset);
    EXPECT_EQ(offset, 0);
}

TEST(ImportTimes, ConvertTimeBaseRoundsHalvesToEven) {
    struct Case {
        std::int16_t timeBase;
        std::int16_t framesPerSecond;
        std::vector<std::int32_t> before, after;
    };
    const std::vector<Case> cases = {
        {1, 30, {6250, 6350, 6349}, {62, 64, 63}},
        {2, 30, {45, 75, 89}, {2, 2, 3}},
        {0, 30, {45, 75}, {45, 75}},
    };
    for (const auto& c : cases) {
        Global g;
        emptySlot(g, 1);
        SlotWriter slot(g, 1);
        fill(slot, c.before);
        g.gVTRStimebase = c.timeBase;
        g.FramesPerSecond = c.framesPerSecond;
        ConvertTimeBase(g, slot);
        EXPECT_EQ(timesOf(slot), c.after);
    }
    Global g;
    emptySlot(g, 1);
    SlotWriter slot(g, 1);
    fill(slot, {45});
    g.gVTRStimebase = 2;
    g.FramesPerSecond = 0;
    EXPECT_THROW(ConvertTimeBase(g, slot), textfile::RunError);
}

TEST(ImportTimes, CodeFromDescriptionMatchesCodesExactlyAndDescriptionsLoosely) {
    CodeSet set;
    set.CodeTable.resize(2);
    set.CodeTable(1, 1) = textfile::Value::ofText("A");
    set.CodeTable(2, 1) = textfile::Value::ofText("Look Away");
    set.CodeTable(1, 2) = textfile::Value::ofText("CD");
    set.CodeTable(2, 2) = textfile::Value::ofText("Cry Down");
    set.NumCodes = 2;
    std::vector<std::string> warnings;
    const auto warn = [&](const std::string& entry) { warnings.push_back(entry); };
    EXPECT_EQ(CodeFromDescription(set, "look away", "/data/s.1/day.qvd", warn), "A");
    EXPECT_EQ(CodeFromDescription(set, " LOOKAWAY ", "/data/s.1/day.qvd", warn), "A");
    EXPECT_EQ(CodeFromDescription(set, "CD", "/data/s.1/day.qvd", warn), "CD");
    EXPECT_EQ(CodeFromDescription(set, "   ", "/data/s.1/day.qvd", warn), "");
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(CodeFromDescription(set, "cd", "/data/s.1/day.qvd", warn), "");
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0], "\r\nWarning for file:day.qvd\r\nString not found in code file: cd\r\n"
                           "String will not be used.\r\n\r\n");
}

} // namespace
} // namespace ws
