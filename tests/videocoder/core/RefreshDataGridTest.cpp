#include "videocoder/core/RefreshDataGrid.h"
#include "RecordingCodingWindow.h"
#include "videocoder/core/TimeConversion.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using platform::Buttons;
using platform::Icon;
using textfile::Value;
using vctest::Coder;

struct Code {
    std::string code;
    std::string description;
    Value group;
};

// An EVENTS coder with the code set given, read from a file as OpenCodeFile would name it.
void useCodes(Coder& coder, const std::vector<Code>& codes) {
    vc::CodeSet& c = coder.g.codeSet;
    c.gCodes.reset(vc::kCodeFields, static_cast<int>(codes.size()));
    c.gCodeCount = static_cast<int>(codes.size());
    for (int i = 1; i <= c.gCodeCount; ++i) {
        const Code& code = codes[static_cast<std::size_t>(i - 1)];
        c.gCodes.at(1, i) = Value::ofText(code.code);
        c.gCodes.at(2, i) = Value::ofText(code.description);
        c.gCodes.at(3, i) = code.group;
    }
    c.gCodeFileName = "/data/kids.cod";
}

Coder& eventsCoder(Coder& coder) {
    coder.g.data.gDataType = "EVENTS";
    coder.dataFrm.ensureLoaded(coder.g);
    coder.view.calls.clear();
    return coder;
}

// Codes of groups 0 and 2; group 0 described, group 2 not.
const std::vector<Code> kGroups0And2 = {{"A", "Alpha", Value::ofNumber(0)},
                                        {"B", "Beta", Value::ofNumber(0)},
                                        {"C", "Cee", Value::ofNumber(2)},
                                        {"", "No code", Value::ofNumber(2)},
                                        {"D", "", Value::ofNumber(2)}};

std::set<int> shownColumns(const vc::GridLayout& grid) {
    std::set<int> shown;
    for (int c = 0; c <= 49; ++c) {
        if (!grid[c].hidden) {
            shown.insert(c);
        }
    }
    return shown;
}

struct PickListCase {
    std::int16_t editInCell;
    std::string column1;
    std::string column3;
};

class PickLists : public testing::TestWithParam<PickListCase> {};

TEST_P(PickLists, GroupColumnsTitlesAndListsFollowTheCodeSet) {
    Coder coder;
    eventsCoder(coder);
    useCodes(coder, kGroups0And2);
    coder.codeFrmGroups.at(coder.g, 0) = "Play ";
    coder.g.settings.gEditInCell = GetParam().editInCell;
    coder.g.settings.gCommentField = vc::kTrue;

    for (int refresh = 0; refresh < 2; ++refresh) {
        vc::RefreshDataGrid(coder.g, coder.links);
        const vc::GridLayout& grid = coder.dataFrm.FG1;
        EXPECT_EQ(shownColumns(grid), (std::set<int>{0, 1, 3, 49}));
        EXPECT_EQ(grid[1].title, "Play ");
        EXPECT_EQ(grid[3].title, "Group 2");
        EXPECT_EQ(grid[49].title, "Comments");
        EXPECT_EQ(grid[1].comboList, GetParam().column1);
        EXPECT_EQ(grid[3].comboList, GetParam().column3);
        EXPECT_EQ(grid[49].comboList, "");
    }
    EXPECT_TRUE(coder.platform.dialogs.boxes.empty());
    EXPECT_EQ(coder.g.open.gCodeOpen, vc::kTrue); // reading the descriptions loads the editor
}

INSTANTIATE_TEST_SUITE_P(EditInCell, PickLists,
                         testing::Values(PickListCase{0, "A|B| |", "C|D| |"},
                                         PickListCase{2, "A|B| |", "C|D| |"},
                                         PickListCase{3, "Alpha|Beta| |", "Cee|No code| |"},
                                         PickListCase{1, "", ""}));

TEST(RefreshDataGrid, WithoutCodeSetShowsTheFileColumnsAndBuildsNoLists) {
    Coder coder;
    eventsCoder(coder);
    coder.g.data.gColCount = Value::ofText("4");
    for (int c = 0; c <= 49; ++c) {
        coder.dataFrm.FG1[c].hidden = true;
    }
    vc::RefreshDataGrid(coder.g, coder.links);
    EXPECT_EQ(shownColumns(coder.dataFrm.FG1), (std::set<int>{0, 1, 2, 3}));
    for (int c = 0; c <= 49; ++c) {
        EXPECT_EQ(coder.dataFrm.FG1[c].comboList, "") << c;
    }
    EXPECT_EQ(coder.dataFrm.FG1[1].title, "Group 0");
}

TEST(RefreshDataGrid, TranscriptListsEveryCodeAndTouchesNothingElse) {
    Coder coder;
    coder.g.data.gDataType = "TRANSCRIPT";
    useCodes(coder, {{"A", "Alpha", Value::ofNumber(0)}, {"", "", Value::ofNumber(3)}});
    coder.g.settings.gCommentField = vc::kTrue;
    coder.g.settings.gIntMode = coder.g.settings.gIntTimeFix = vc::kTrue;
    coder.g.data.gData.at(1, 1) = Value::ofText("kept");

    vc::RefreshDataGrid(coder.g, coder.links);
    const vc::GridLayout& grid = coder.dataFrm.FG1;
    EXPECT_EQ(shownColumns(grid), (std::set<int>{0, 1, 2}));
    EXPECT_EQ(grid[49].title, "");
    EXPECT_EQ(coder.g.data.gData.at(1, 1), Value::ofText("kept"));
    EXPECT_EQ(coder.view.calls.back(), "setCodeList 2");
}

TEST(RefreshDataGrid, IntervalFixStampsEveryRowFromTheStartTime) {
    Coder coder;
    eventsCoder(coder);
    vc::VideoSettings& s = coder.g.settings;
    s.gIntMode = s.gIntTimeFix = vc::kTrue;
    s.gIntSeconds = 150;
    coder.g.data.gRowCount = Value::ofNumber(2);
    coder.g.data.gData.resizeRows(2);
    coder.dataFrm.Text1[9] = "00:01:00.00";

    vc::RefreshDataGrid(coder.g, coder.links);
    EXPECT_EQ(coder.g.data.gData.at(1, 1), Value::ofText(vc::SecondsToClockText(210, s)));
    EXPECT_EQ(coder.g.data.gData.at(1, 2), Value::ofText(vc::SecondsToClockText(360, s)));
    EXPECT_EQ(vc::SecondsToClockText(210, s), "00:03:30.00");
}

struct AutoSaveCase {
    std::int16_t autoSave;
    float seconds;
    std::string call;
};

class AutoSave : public testing::TestWithParam<AutoSaveCase> {};

TEST_P(AutoSave, TimerFollowsTheSettings) {
    Coder coder;
    eventsCoder(coder);
    coder.g.settings.gAutoSave = GetParam().autoSave;
    coder.g.settings.gSaveTimerDuration = GetParam().seconds;
    vc::RefreshDataGrid(coder.g, coder.links);
    ASSERT_FALSE(coder.view.calls.empty());
    EXPECT_EQ(coder.view.calls.front(), GetParam().call);
    EXPECT_TRUE(coder.platform.dialogs.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Durations, AutoSave,
                         testing::Values(AutoSaveCase{vc::kTrue, 0, "setAutoSave off 0"},
                                         AutoSaveCase{vc::kTrue, -5, "setAutoSave off 0"},
                                         AutoSaveCase{vc::kFalse, 60, "setAutoSave off 0"},
                                         AutoSaveCase{vc::kTrue, 2.5f, "setAutoSave on 2500"},
                                         AutoSaveCase{vc::kTrue, 600, "setAutoSave on 600000"}));

struct FailureCase {
    Value group;
    std::string box;
};

class Failures : public testing::TestWithParam<FailureCase> {};

TEST_P(Failures, StopTheRefreshWithTheAdjustingBox) {
    Coder coder;
    eventsCoder(coder);
    useCodes(coder, {{"A", "Alpha", Value::ofNumber(0)}, {"Z", "Zed", GetParam().group}});
    coder.g.settings.gCommentField = vc::kTrue;
    vc::RefreshDataGrid(coder.g, coder.links);

    ASSERT_EQ(coder.platform.dialogs.boxes.size(), 1u);
    const testsupport::ShownBox& box = coder.platform.dialogs.boxes[0];
    EXPECT_EQ(box.text, GetParam().box);
    EXPECT_EQ(box.title, "VTRS Error");
    EXPECT_EQ(box.buttons, Buttons::OK);
    EXPECT_EQ(box.icon, Icon::None);
    // Later steps are undone: no blank choice was appended after the codes.
    EXPECT_EQ(coder.dataFrm.FG1[2].comboList.find(" |"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    GroupNumbers, Failures,
    testing::Values(FailureCase{Value::ofNumber(49), "Error Adjusting Grid:Subscript out of range"},
                    FailureCase{Value::ofText("x"), "Error Adjusting Grid:Type mismatch"},
                    FailureCase{Value::ofNumber(40000), "Error Adjusting Grid:Overflow"}));

TEST(RefreshDataGrid, OtherDataTypesStopAfterTheTimer) {
    Coder coder;
    coder.g.data.gDataType = "NOTES";
    coder.dataFrm.ensureLoaded(coder.g);
    coder.view.calls.clear();
    vc::RefreshDataGrid(coder.g, coder.links);
    EXPECT_EQ(coder.view.calls, (std::vector<std::string>{"setAutoSave off 0"}));
}

} // namespace
