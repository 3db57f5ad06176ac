#include "workstation/core/OptionsControls.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

TEST(OptionsControls, CutOffBoxesShowAndStoreYTimes100PlusX) {
    ws::WorkstationSettings s;
    s.gNumToUse = 100;
    ws::OptionsControls c = ws::controlsFromSettings(s);
    EXPECT_EQ(c.Text2, " 0");
    EXPECT_EQ(c.Text3, " 1");
    c.Text2 = "3";
    c.Text3 = "2";
    ASSERT_EQ(ws::refusalOf(c), std::nullopt);
    ws::copyControls(c, s);
    EXPECT_EQ(s.gNumToUse, 203);
}

TEST(OptionsControls, NumbersThatDoNotFitAreRefusedNamingTheBox) {
    struct Case {
        std::string label, x, y;
        int cutOff;
        std::string ioa, autoEnter, duration;
        std::optional<std::string> refusal;
    };
    const std::string xFrom1 = "X= must be a whole number from 1 to 99.";
    const std::string xFrom0 = "X= must be a whole number from 0 to 99.";
    const std::string y = "Y= is too large: Y x 100 + X must not exceed 32767.";
    const std::string ioa = "Frequency IOA Window Size must be a whole number from -32768 to 32767.";
    const std::string digits = "Digits to Auto Enter must be a whole number from -32768 to 32767.";
    for (const Case& c : {
             Case{"all fit, text counts by its leading digits", "3", "2abc", 1, "12x", "", "180.5",
                  std::nullopt},
             Case{"largest that fits", "67", "327", 1, "32767", "-32768", "1E30", std::nullopt},
             Case{"X 100 spills into Y", "100", "1", 0, "3", "1", "180", xFrom0},
             Case{"X 0 with the cut-off ticked", "0", "1", 1, "3", "1", "180", xFrom1},
             Case{"X 0 without the cut-off", "0", "1", 0, "3", "1", "180", std::nullopt},
             Case{"Y x 100 + X beyond 16 bits", "68", "327", 1, "3", "1", "180", y},
             Case{"Y alone beyond 16 bits", "1", "40000", 1, "3", "1", "180", y},
             Case{"IOA window", "1", "1", 1, "32768", "1", "180", ioa},
             Case{"digits to auto enter", "1", "1", 1, "3", "-32769", "180", digits},
             Case{"session duration beyond a single", "1", "1", 1, "3", "1", "1E39",
                  "Session Duration (in seconds) is too large."},
         }) {
        SCOPED_TRACE(c.label);
        ws::OptionsControls controls = ws::controlsFromSettings({});
        controls.Text2 = c.x;
        controls.Text3 = c.y;
        controls.Check3 = c.cutOff;
        controls.Text1 = c.ioa;
        controls.Text4 = c.autoEnter;
        controls.Text5 = c.duration;
        EXPECT_EQ(ws::refusalOf(controls), c.refusal);
    }
}

TEST(OptionsControls, GroupTreeStatesGoBothWays) {
    ws::WorkstationSettings s;
    s.ColumnGroupStates[0] = 1;
    s.ColumnGroupStates[1] = 2;
    s.ColumnGroupStates[2] = 7;
    s.ColumnGroupStates[50] = 2;
    ws::OptionsControls c = ws::controlsFromSettings(s);
    EXPECT_TRUE(c.vtrs.groups[0].checked && !c.vtrs.groups[0].ignored);
    EXPECT_TRUE(!c.vtrs.groups[1].checked && c.vtrs.groups[1].ignored);
    EXPECT_TRUE(!c.vtrs.groups[2].checked && !c.vtrs.groups[2].ignored);
    c.vtrs.groups[3] = {true, true}; // checked and red counts as ignored
    ws::copyControls(c, s);
    EXPECT_EQ(s.ColumnGroupStates[0], 1);
    EXPECT_EQ(s.ColumnGroupStates[1], 2);
    EXPECT_EQ(s.ColumnGroupStates[2], 0);
    EXPECT_EQ(s.ColumnGroupStates[3], 2);
    EXPECT_EQ(s.ColumnGroupStates[50], 2); // no node: untouched
}

} // namespace
