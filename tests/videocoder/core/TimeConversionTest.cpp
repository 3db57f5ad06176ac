#include "videocoder/core/TimeConversion.h"
#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "videocoder/core/ConvertTimeText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include <string>
#include <vector>

namespace {

using vc::VideoSettings;

VideoSettings at(double frameDisplay, double frameRate = 29.97) {
    VideoSettings s;
    s.FrameDisplay = frameDisplay;
    s.FrameRate = frameRate;
    return s;
}

template <class Arg, class Result> struct Case {
    Arg arg;
    double mode;
    double rate;
    Result expected;
};

// Every value below was worked by hand from the formulas; comments give the steps where
// they are not plain.
TEST(TimeConversion, SecondsToClockText) {
    const std::vector<Case<double, std::string>> cases = {
        {125.5, 0, 29.97, "125.50"},
        {125.5, 1, 29.97, "00:02:05.50"},
        {125.5, 2, 25, "00:02:05.50"},
        {125.5, 3, 25, "00:02:05.50"},
        {3.5, 0, 25, "3.50"},
        {2.675, 0, 25, "2.68"}, // the mask rounds its decimal halves away from zero
        {59.996, 1, 29.97, "00:00:60.00"},
        {59.996, 0, 29.97, "60.00"},
        {0.25, 1, 29.97, "00:00:00.25"},
        {360000, 1, 29.97, "00:00:00.00"}, // 100 hours show as 00
        {3725, 3, 29.97, "01:02:05.00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vc::SecondsToClockText(c.arg, at(c.mode, c.rate)), c.expected)
            << c.arg << " mode " << c.mode;
    }
}

TEST(TimeConversion, TimeTextToSeconds) {
    const std::vector<Case<std::string, float>> cases = {
        {"12.5", 0, 29.97, 12.5f},
        {"12.5", 1, 29.97, 43500}, // 12 h, and "5" of characters 4 to 5 minutes
        {"12.5", 3, 25, 43500},
        {"00:01:05.50", 0, 29.97, 65.5f},
        {"00:01:05.50", 1, 29.97, 65.5f},
        {"00:01:05.50", 2, 25, 65.5f},
        {"00:01:05.50", 3, 25, 65.5f},
        {"1:2", 1, 25, 3600}, // "1:" is 1 hour; characters past the end read as nothing
        {"", 0, 25, 0},
        {"", 1, 25, 0},
        {"abc", 0, 25, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vc::TimeTextToSeconds(c.arg, at(c.mode, c.rate)), c.expected)
            << c.arg << " mode " << c.mode;
    }
}

TEST(TimeConversion, SecondsToTimecode) {
    const std::vector<Case<double, std::string>> cases = {
        {1.99, 1, 29.97, "00:00:01:30"}, // 0.99 x 30 rounds to 30, no carry
        {1.99, 3, 25, "00:00:01:25"},    // 0.99 x 25 = 24.75
        {61.5, 0, 25, "00:01:01:12"},    // 0.5 x 25 = 12.5, half to even
        {3725.5, 3, 29.97, "01:02:05:15"},
        {1.5, 2, 29.97, "1.5"},
        {0.125, 2, 25, "0.12"}, // 12.5 hundredths, half to even
        {2, 2, 25, "2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vc::SecondsToTimecode(c.arg, at(c.mode, c.rate)), c.expected)
            << c.arg << " mode " << c.mode;
    }
}

TEST(TimeConversion, TimecodeToSeconds) {
    const std::vector<Case<std::string, float>> cases = {
        {"00:00:01:15", 1, 29.97, 1.5005005f}, // 1 + 15 / 29.97
        {"00:00:01:15", 3, 25, 1.6f},
        {"00:00:01:15", 2, 25, 1.6f}, // a colon: read by position in every mode
        {"45", 2, 29.97, 1.5f},       // 45 / R
        {"45", 2, 25, 1.8f},
        {"45", 3, 25, 162000}, // no colon outside mode 2: "45" is the hours
        {"01:02:03", 3, 25, 3723},
    };
    for (const auto& c : cases) {
        EXPECT_FLOAT_EQ(vc::TimecodeToSeconds(c.arg, at(c.mode, c.rate)), c.expected)
            << c.arg << " mode " << c.mode;
    }
}

TEST(TimeConversion, FramesToTimecodeAndClockText) {
    const std::vector<Case<double, std::string>> timecodes = {
        {1799, 1, 29.97, "00:00:60:01"}, // minute at 1800 frames, seconds at 29.97: 60 s and 0.8
        {1799, 3, 25, "00:01:11:24"},    // 1799 - 1500 = 299 = 11 x 25 + 24
        {12.5, 3, 25, "00:00:00:12"},    // leftover 12.5, half to even
        {1799, 2, 29.97, "1799"},        {108000, 1, 29.97, "01:00:00:00"},
    };
    for (const auto& c : timecodes) {
        EXPECT_EQ(vc::FramesToTimecode(c.arg, at(c.mode, c.rate)), c.expected) << c.arg << " mode " << c.mode;
    }
    const std::vector<Case<double, std::string>> clocks = {
        {30, 1, 29.97, "00:00:01.00"},
        {40, 1, 25, "00:00:01.60"},
        {2265, 0, 29.97, "00:01:15.57"}, // 466.8 after the minute: 15 s and 17 frames = .5672
        {1, 3, 8, "00:00:00.12"},        // 1/8 = 12.5 hundredths, half to even
        // Leftover frames that round to a whole second carry into the seconds: 29.9 frames
        // round to 30 = 1.001 s, and 1798 frames are 59 s and 29.77 frames.
        {29.9, 1, 29.97, "00:00:01.00"},
        {1798, 1, 29.97, "00:01:00.00"},
        {30, 2, 29.97, "30"},
    };
    for (const auto& c : clocks) {
        EXPECT_EQ(vc::FramesToClockText(c.arg, at(c.mode, c.rate)), c.expected)
            << c.arg << " mode " << c.mode;
    }
}

TEST(TimeConversion, TextsToFrames) {
    const std::vector<Case<std::string, std::int32_t>> clock = {
        {"00:00:01.00", 1, 29.97, 30},
        {"00:00:01.00", 3, 25, 25},
        {"00:01:00.00", 0, 29.97, 1798}, // 60 x 29.97 = 1798.2
        {"00:00:01.50", 1, 29.97, 45},   // 44.955
        {"42", 2, 29.97, 42},
        {"42.5", 2, 29.97, 42}, // half to even
        {"43.5", 2, 29.97, 44},
        {"", 0, 29.97, 0},
        {"", 2, 29.97, 0},
    };
    for (const auto& c : clock) {
        EXPECT_EQ(vc::ClockTextToFrames(c.arg, at(c.mode, c.rate)), c.expected)
            << c.arg << " mode " << c.mode;
    }
    const std::vector<Case<std::string, std::int32_t>> timecode = {
        {"00:00:02:10", 1, 29.97, 70}, // 10 + 2 x 30
        {"00:00:02:10", 3, 25, 60},
        {"01:00:00:00", 3, 29.97, 108000},
        {"125", 0, 29.97, 125},
        {"125", 1, 29.97, 125},
        {"125", 3, 25, 125},
        {"00:00:02:10", 2, 29.97, 0}, // mode 2 reads the leading number only
        {"", 3, 25, 0},
    };
    for (const auto& c : timecode) {
        EXPECT_EQ(vc::TimecodeToFrames(c.arg, at(c.mode, c.rate)), c.expected) << c.arg << " mode " << c.mode;
    }
}

TEST(TimeConversion, StrictFieldsFailWithTypeMismatch) {
    const std::vector<std::pair<std::string, double>> clockTexts = {
        {"12.5", 1}, {"5", 0}, {"00:0x:01.00", 3}, {"1.5:", 2}, {"00:00:", 1}};
    for (const auto& [text, mode] : clockTexts) {
        try {
            vc::ClockTextToFrames(text, at(mode));
            ADD_FAILURE() << text << " read";
        } catch (const textfile::RunError& e) {
            EXPECT_EQ(e.number(), 13) << text;
        }
    }
    for (const std::string text : {"00:aa:02:10", "1:2", "00:00:"}) {
        try {
            vc::TimecodeToFrames(text, at(3));
            ADD_FAILURE() << text << " read";
        } catch (const textfile::RunError& e) {
            EXPECT_EQ(e.number(), 13) << text;
        }
    }
}

TEST(TimeConversion, RateThatIsNotPositiveCountsAs2997) {
    for (double rate : {0.0, -5.0}) {
        EXPECT_EQ(vc::FramesToClockText(30, at(1, rate)), "00:00:01.00");
        EXPECT_EQ(vc::TimecodeToSeconds("45", at(2, rate)), 1.5f);
        EXPECT_EQ(vc::ClockTextToFrames("00:00:01.00", at(1, rate)), 30);
        EXPECT_EQ(vc::FramesToTimecode(1799, at(1, rate)), "00:00:60:01");
    }
    // A rate under one half rounds to 0 frames a second; timecodes then count one.
    EXPECT_EQ(vc::FramesToTimecode(1, at(1, 0.3)), "00:00:03:00");
    EXPECT_FLOAT_EQ(vc::TimecodeToSeconds("45", at(2, 0.3)), 45);
}

struct ConvertCase {
    std::string text;
    double mode;
    std::string expected;
};

TEST(ConvertTimeText, EveryPairOfForms) {
    const std::vector<ConvertCase> cases = {
        // to seconds
        {"00:01:15.50", 0, "75.5"},
        {"2265", 0, "75.57"},
        {"00:00:02:10", 0, "2.333667"},
        // to clock text
        {"75.5", 1, "00:01:15.50"},
        {"2265", 1, "00:01:15.57"},
        {"00:00:02:10", 1, "00:00:02.33"},
        // to frames
        {"1.5", 2, "45"},
        {"00:00:01.00", 2, "30"},
        {"00:00:02:10", 2, "70"}, // 2.3337 s, clock 02.33, 69.83 frames
        // to timecode
        {"1.99", 3, "00:00:01:30"},
        {"00:00:01.99", 3, "00:00:01:30"},
        {"1799", 3, "00:00:60:01"},
        // already in the chosen form, or blank
        {"00:01:15.50", 1, "00:01:15.50"},
        {"12.34", 0, "12.34"},
        {"370", 2, "370"},
        {"1:2", 3, "1:2"}, // a colon without a dot is a timecode
        {"   ", 1, "   "},
        {"", 0, ""},
        // a display form that does not exist
        {"75.5", 4, ""},
        {"75.5", -1, ""},
    };
    for (const auto& c : cases) {
        const vc::ConvertedTime r = vc::ConvertTimeText(c.text, at(c.mode));
        EXPECT_TRUE(r.ok) << c.text << " to " << c.mode << ": " << r.error;
        EXPECT_EQ(r.text, c.expected) << c.text << " to " << c.mode;
    }
}

TEST(ConvertTimeText, NoNumberIsAnErrorWithTheTextUnchanged) {
    for (const ConvertCase& c :
         std::vector<ConvertCase>{{"abc", 1, ""}, {"abc", 0, ""}, {"x1", 3, ""}, {"1.5:", 2, ""}}) {
        const vc::ConvertedTime r = vc::ConvertTimeText(c.text, at(c.mode));
        EXPECT_FALSE(r.ok) << c.text;
        EXPECT_EQ(r.text, c.text);
        EXPECT_FALSE(r.error.empty());
    }
}

// Clock texts of digits take a short way; the general reading of their parts is the reference.
TEST(TimeConversion, ClockTextsOfDigitsReadAsTheirPartsRead) {
    std::mt19937 random(3);
    for (int round = 0; round < 200'000; ++round) {
        char text[16];
        std::snprintf(text, sizeof text, "%02u:%02u:%02u.%02u", static_cast<unsigned>(random() % 100),
                      static_cast<unsigned>(random() % 100), static_cast<unsigned>(random() % 100),
                      static_cast<unsigned>(random() % 100));
        const std::string t = text;
        const float general = static_cast<float>(3600 * textfile::leadingNumber(t.substr(0, 2)) +
                                                 60 * textfile::leadingNumber(t.substr(3, 2)) +
                                                 textfile::leadingNumber(t.substr(6)));
        ASSERT_EQ(vc::TimeTextToSeconds(t, at(1)), general) << t;
    }
}

} // namespace
