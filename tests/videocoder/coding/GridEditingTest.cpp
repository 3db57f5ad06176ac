#include "videocoder/coding/GridEditing.h"
#include "support/ScratchFolder.h"
#include "textfile/Files.h"
#include "videocoder/core/DataFile.h"
#include "videocoder/core/RecordingCodingWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace {

using platform::Answer;
using textfile::Value;

class RecordingGridView : public vc::GridEditView {
public:
    std::pair<int, int> columns{0, 0};
    bool filterOn = false;
    std::string filterCaption = vc::kFilterCaption;
    std::string hideCaption = vc::kHideCaption;

    std::pair<int, int> selectedColumns() const override { return columns; }
    bool filterChecked() const override { return filterOn; }
    void setFilterItem(bool checked, const std::string& caption) override {
        filterOn = checked;
        filterCaption = caption;
    }
    std::string hideColsCaption() const override { return hideCaption; }
    void setHideColsCaption(const std::string& caption) override { hideCaption = caption; }
};

// The coding window's grid-editing handlers over the scripted platform, with rows given as
// the cells of columns 1, 2, 3.
struct Editing {
    vctest::Coder coder;
    RecordingGridView view;
    vc::GridEditWindows windows;

    Editing(std::initializer_list<std::vector<std::string>> list = {}) {
        const std::vector<std::vector<std::string>> rows(list);
        vc::DataTable& d = coder.g.data;
        d.gDataType = "EVENTS";
        d.gData.reset(vc::kDataColumns, std::max<int>(1, static_cast<int>(rows.size())));
        d.gRowCount = Value::ofNumber(d.gData.rows());
        for (std::size_t r = 0; r < rows.size(); ++r) {
            for (std::size_t c = 0; c < rows[r].size(); ++c) {
                d.gData.at(static_cast<int>(c) + 1, static_cast<int>(r) + 1) = Value::ofText(rows[r][c]);
            }
        }
    }
    // A code set of codes, descriptions and groups.
    void codes(const std::vector<std::tuple<std::string, std::string, int>>& set) {
        vc::CodeSet& c = coder.g.codeSet;
        c.gCodes.reset(vc::kCodeFields, static_cast<int>(set.size()));
        c.gCodeCount = static_cast<int>(set.size());
        for (std::size_t i = 0; i < set.size(); ++i) {
            const int code = static_cast<int>(i) + 1;
            c.gCodes.at(1, code) = Value::ofText(std::get<0>(set[i]));
            c.gCodes.at(2, code) = Value::ofText(std::get<1>(set[i]));
            c.gCodes.at(3, code) = Value::ofNumber(std::get<2>(set[i]));
        }
        coder.g.open.gCodeOpen = vc::kTrue;
    }
    // The handlers as the window holds them, with the dialogs wired so far.
    vc::GridEditing editing() { return {coder.g, coder.links, coder.platform.printer, view, windows}; }
    std::string cell(int column, int row) const { return coder.g.data.gData.at(column, row).asText(); }
    testsupport::ScriptedDialogs& dialogs() { return coder.platform.dialogs; }
    std::vector<bool> hiddenRows() const {
        std::vector<bool> hidden;
        for (int row = 1; row <= coder.g.data.gData.rows(); ++row) {
            hidden.push_back(coder.dataFrm.FG1.rowHidden(row));
        }
        return hidden;
    }
    long commands(int command) const {
        return std::count(coder.view.calls.begin(), coder.view.calls.end(),
                          "ControlSub " + std::to_string(command));
    }
};

TEST(AddRowsMnu, AddsAsManyRowsAsAWholeNumberSays) {
    struct Case {
        std::optional<std::string> answer;
        long rows;
        bool box;
    };
    const std::vector<Case> cases = {{"10", 10, false}, {" 3 ", 3, false},  {"0", 0, false},
                                     {"-4", 0, false},  {"40000", 0, true}, {"2.5", 0, true},
                                     {"ten", 0, true},  {"", 0, false},     {std::nullopt, 0, false}};
    for (const Case& c : cases) {
        Editing e;
        e.dialogs().inputs.push_back(c.answer);
        e.editing().AddRowsMnu_Click();
        EXPECT_EQ(e.commands(vc::kAppendRowCommand), c.rows) << c.answer.value_or("(cancel)");
        // The input box is recorded among the boxes, a refusal after it.
        EXPECT_EQ(e.dialogs().boxes.size(), c.box ? 2u : 1u) << c.answer.value_or("(cancel)");
    }
}

TEST(AddRowsMnu, ThePromptSaysWhetherIntervalTimesAreFilledIn) {
    for (const bool interval : {true, false}) {
        Editing e;
        e.coder.g.settings.gIntMode = textfile::toFlag(interval);
        e.dialogs().inputs.push_back(std::nullopt);
        e.editing().AddRowsMnu_Click();
        const testsupport::ShownBox& asked = e.dialogs().boxes.at(0);
        EXPECT_EQ(asked.title, "Enter the number for rows");
        EXPECT_EQ(asked.text.find(interval ? "Rows with be filled" : "Rows with be not filled"), 25u);
    }
}

TEST(Cnvrtmnu, ConvertsTheStartEndAndEveryTimeThatCanBeRead) {
    Editing e({{"00:00:05.50"}, {"abc"}, {"3.25"}});
    e.coder.g.settings.FrameDisplay = 0;
    e.coder.dataFrm.Text1[9] = "00:01:00.00";
    e.coder.dataFrm.Text1[10] = "";
    e.editing().Cnvrtmnu_Click();
    EXPECT_EQ(e.cell(1, 1), "5.5");
    EXPECT_EQ(e.cell(1, 2), "abc"); // the converter cannot read it: it stays
    EXPECT_EQ(e.cell(1, 3), "3.25");
    EXPECT_EQ(e.coder.dataFrm.Text1[9], "60");
    EXPECT_EQ(e.coder.dataFrm.Text1[10], "");
    EXPECT_EQ(e.coder.view.calls.back(), "refresh");
}

TEST(FillInMnu, FillsTheFirstRowWithTheFirstCodeOfEachGroup) {
    struct Case {
        const char* name;
        bool codeSet;
        Answer answer;
        std::vector<std::tuple<std::string, std::string, int>> codes;
        std::vector<std::pair<int, std::string>> cells; // column, text after
        std::string box;
    };
    const std::vector<Case> cases = {
        {"no code set",
         false,
         Answer::OK,
         {},
         {{2, "old"}},
         "No code file is loaded.  Inital codes are not defined."},
        {"cancelled",
         true,
         Answer::Cancel,
         {{"A", "a", 1}},
         {{3, ""}},
         "About to fill in first row with first code from each group"},
        {"group 0 first stays",
         true,
         Answer::OK,
         {{"L", "look", 0}, {"T", "talk", 2}, {"Q", "quiet", 2}, {"M", "more", 0}},
         {{2, "M"}, {4, "T"}},
         "About to fill in first row with first code from each group"},
        {"group 0 alone stays",
         true,
         Answer::OK,
         {{"L", "look", 0}, {"T", "talk", 2}},
         {{2, "old"}, {4, "T"}},
         "About to fill in first row with first code from each group"},
        {"group 60 gives a box",
         true,
         Answer::OK,
         {{"A", "a", 1}, {"Z", "z", 60}, {"B", "b", 3}},
         {{3, "A"}, {5, "B"}},
         "The code Z (group 60) was not filled in: the grid has columns for groups 0 to 48 only."},
    };
    for (const Case& c : cases) {
        Editing e({{"00:00:01.00", "old"}});
        if (c.codeSet) {
            e.codes(c.codes);
        }
        e.dialogs().answers.push_back(c.answer);
        e.editing().FillInMnu_Click();
        for (const auto& [column, text] : c.cells) {
            EXPECT_EQ(e.cell(column, 1), text) << c.name << " column " << column;
        }
        ASSERT_FALSE(e.dialogs().boxes.empty()) << c.name;
        EXPECT_EQ(e.dialogs().boxes.back().text, c.box) << c.name;
    }
}

TEST(FillInMnu, DescriptionsWhenTheGridHoldsThem) {
    Editing e({{"00:00:01.00"}});
    e.codes({{"A", "Alpha", 1}});
    e.coder.g.settings.gEditInCell = 3;
    e.editing().FillInMnu_Click();
    EXPECT_EQ(e.cell(3, 1), "Alpha");
}

TEST(FilterMnu, HidesRowsByTheStringInBothModesAndShowsThemAgain) {
    struct Case {
        const char* name;
        std::string text;
        bool hideMatches;
        std::vector<bool> hidden;
    };
    const std::vector<Case> cases = {
        {"are shown", "xy", false, {false, true, false}},
        {"are not shown", "xy", true, {true, false, true}},
        {"case counts", "XY", false, {true, true, true}},
        {"case counts, not shown", "XY", true, {false, false, false}},
    };
    for (const Case& c : cases) {
        Editing e({{"00:00:01.00", "axyz"}, {"00:00:02.00", "ab"}, {"00:00:03.00", "", "", "xy"}});
        e.windows.showFilterFrm = [&] {
            e.coder.g.coding.gFilterText = c.text;
            e.coder.g.coding.gFilterMode = textfile::toFlag(c.hideMatches);
        };
        e.editing().FilterMnu_Click();
        EXPECT_EQ(e.hiddenRows(), c.hidden) << c.name;
        EXPECT_TRUE(e.view.filterOn) << c.name;
        EXPECT_EQ(e.view.filterCaption, "Turn of Filtering") << c.name;
        e.editing().FilterMnu_Click(); // off again
        EXPECT_EQ(e.hiddenRows(), std::vector<bool>(3, false)) << c.name;
        EXPECT_FALSE(e.view.filterOn) << c.name;
        EXPECT_EQ(e.view.filterCaption, "Filter Rows...") << c.name;
    }
}

TEST(FilterMnu, AnEmptyStringChangesNothing) {
    Editing e({{"00:00:01.00", "a"}});
    e.editing().FilterMnu_Click(); // no dialog wired: the string stays empty
    EXPECT_FALSE(e.view.filterOn);
    EXPECT_EQ(e.hiddenRows(), std::vector<bool>{false});
}

TEST(HideColsMnu, HidesTheSelectionThenGivesTheColumnsBack) {
    Editing e;
    e.view.columns = {2, 3};
    e.editing().HideColsMnu_Click();
    EXPECT_TRUE(e.coder.dataFrm.FG1[2].hidden);
    EXPECT_TRUE(e.coder.dataFrm.FG1[3].hidden);
    EXPECT_FALSE(e.coder.dataFrm.FG1[4].hidden);
    EXPECT_EQ(e.view.hideCaption, "Un-Hide Columns");
    EXPECT_EQ(e.coder.refreshes, 0);
    e.editing().HideColsMnu_Click();
    EXPECT_EQ(e.coder.refreshes, 1); // RefreshDataGrid shows the code set's columns again
    EXPECT_EQ(e.view.hideCaption, "Hide Selected Columns");
}

TEST(PrintMnu, PrintsTheGridAsShown) {
    Editing e({{"00:00:01.00", "A", "x"}, {"00:00:02.00", "BB", "y"}});
    e.coder.g.data.gFileName = "/data/kids.v2/kid 3.qvd";
    vc::GridLayout& grid = e.coder.dataFrm.FG1;
    for (int c = 3; c < vc::kGridColumns; ++c) {
        grid[c].hidden = true;
    }
    grid[0].title = "Time";
    grid[1].title = "Group 0";
    grid[2].title = "Group 1";
    grid[2].hidden = true;
    grid.setRowHidden(2, true);
    e.editing().PrintMnu_Click();
    const std::vector<std::vector<std::string>> documents = {{"Time         Group 0", "00:00:01.00  A"}};
    EXPECT_EQ(e.coder.platform.printer.documents, documents);
    // Named by the data file without its folder, in portrait.
    EXPECT_EQ(e.coder.platform.printer.names,
              (std::vector<testsupport::DocumentName>{{"kid 3.qvd", platform::PageOrientation::Portrait}}));

    e.coder.platform.printer.setupAnswer = false; // the printer dialog cancelled
    e.editing().PrintMnu_Click();
    EXPECT_EQ(e.coder.platform.printer.documents.size(), 1u);
}

TEST(RevertMnu, ReadsTheSavedFileAgain) {
    testsupport::ScratchFolder scratch;
    Editing e;
    vc::Globals& g = e.coder.g;
    g.data.gFileName = scratch.file("kid.qvd");
    textfile::saveFileAtomically(g.data.gFileName,
                                 "EVENTS\r\nS1\r\n\r\n\r\n\r\n\r\n\r\n<notes>\r\n</notes>\r\n"
                                 "\r\n\r\n\r\n\r\n\r\n\r\n1\r\n2\r\n\"00:00:01.00\",A\r\n");
    ASSERT_TRUE(vc::OpenDataFile(g, e.coder.links));
    g.data.gData.at(2, 1) = Value::ofText("changed");
    e.editing().RevertMnu_Click();
    EXPECT_EQ(e.cell(2, 1), "A");
    EXPECT_EQ(e.coder.view.calls.back(), "refresh");
}

TEST(RevertMnu, AFailedReadKeepsEverythingThatWasOpen) {
    testsupport::ScratchFolder scratch;
    Editing e({{"00:00:01.00", "mine"}});
    vc::Globals& g = e.coder.g;
    g.data.gFileName = scratch.file("gone.qvd"); // removed since it was opened
    g.open.gDataOpen = vc::kTrue;
    e.coder.dataFrm.Text1[0] = "S1";
    e.editing().RevertMnu_Click();
    ASSERT_EQ(e.dialogs().boxes.size(), 1u);
    EXPECT_EQ(e.dialogs().boxes[0].title, "VTRS Error");
    EXPECT_EQ(e.cell(2, 1), "mine");
    EXPECT_EQ(g.data.gFileName, scratch.file("gone.qvd"));
    EXPECT_EQ(g.open.gDataOpen, vc::kTrue);
    EXPECT_EQ(e.coder.dataFrm.Text1[0], "S1");
}

TEST(SortMnu, SortsByTheDialogsKeysUnlessCancelledOrBothMinusOne) {
    struct Case {
        const char* name;
        std::optional<double> key1, key2;
        std::vector<std::string> order;
    };
    const std::vector<Case> cases = {
        {"group 0 descending", -2, 0, {"B", "A", "A"}},
        {"cancelled", std::nullopt, std::nullopt, {"A", "B", "A"}},
        {"both -1", -1, -1, {"A", "B", "A"}},
        {"time", 1, 0, {"A", "A", "B"}},
    };
    for (const Case& c : cases) {
        Editing e({{"00:00:01.00", "A"}, {"00:00:09.00", "B"}, {"00:00:02.00", "A"}});
        e.windows.showSortFrm = [&] {
            e.coder.g.coding.gSortKey1 = c.key1;
            e.coder.g.coding.gSortKey2 = c.key2;
        };
        e.editing().SortMnu_Click();
        EXPECT_EQ((std::vector<std::string>{e.cell(2, 1), e.cell(2, 2), e.cell(2, 3)}), c.order) << c.name;
    }
}

// The filter hides rows by what they hold: a sort (both of its passes) moves the hidden rows
// with their cells, and a Revert hides by the string again among the rows read.
TEST(FilterMnu, HiddenRowsStayTheRowsThatMatchThroughASortAndARevert) {
    testsupport::ScratchFolder scratch;
    Editing e;
    vc::Globals& g = e.coder.g;
    g.data.gFileName = scratch.file("kid.qvd");
    textfile::saveFileAtomically(
        g.data.gFileName,
        "EVENTS\r\nS1\r\n\r\n\r\n\r\n\r\n\r\n<notes>\r\n</notes>\r\n"
        "\r\n\r\n\r\n\r\n\r\n\r\n4\r\n3\r\n\"00:00:04.00\",\"x\",D\r\n"
        "\"00:00:03.00\",\"y\",C\r\n\"00:00:02.00\",\"x\",D\r\n\"00:00:01.00\",\"y\",C\r\n");
    ASSERT_TRUE(vc::OpenDataFile(g, e.coder.links));
    e.windows.showFilterFrm = [&] {
        g.coding.gFilterText = "D";
        g.coding.gFilterMode = textfile::toFlag(true); // rows with D are not shown
    };
    e.editing().FilterMnu_Click();
    ASSERT_EQ(e.hiddenRows(), (std::vector<bool>{true, false, true, false}));

    e.windows.showSortFrm = [&] {
        g.coding.gSortKey1 = -3; // group 1 descending, then time
        g.coding.gSortKey2 = 1;
    };
    e.editing().SortMnu_Click();
    ASSERT_EQ((std::vector<std::string>{e.cell(1, 1), e.cell(1, 2), e.cell(1, 3), e.cell(1, 4)}),
              (std::vector<std::string>{"00:00:02.00", "00:00:04.00", "00:00:01.00", "00:00:03.00"}));
    EXPECT_EQ(e.hiddenRows(), (std::vector<bool>{true, true, false, false}));

    e.editing().SortByTimeMnu_Click();
    EXPECT_EQ(e.hiddenRows(), (std::vector<bool>{false, true, false, true}));

    e.editing().RevertMnu_Click(); // the file's order again: D, C, D, C
    EXPECT_EQ(e.cell(3, 1), "D");
    EXPECT_EQ(e.hiddenRows(), (std::vector<bool>{true, false, true, false}));
    EXPECT_TRUE(e.view.filterOn);
}

TEST(SortByTimeMnu, SortsByTimeAlone) {
    Editing e({{"00:00:09.00", "B"}, {"00:00:01.00", "A"}});
    e.editing().SortByTimeMnu_Click();
    EXPECT_EQ(e.cell(2, 1), "A");
}

} // namespace
