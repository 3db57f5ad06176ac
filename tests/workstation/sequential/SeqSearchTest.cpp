// "Search..." of the sequential settings window: the targets it appends for one file, for
// the files of a list, and its refusals.
#include "support/ScriptedPlatform.h"
#include "support/ScriptedRandom.h"
#include "workstation/analyses/AnalTestSupport.h"
#include "workstation/analyses/windows/AnalysisWindows.h"
#include "workstation/sequential/SeqWindowDriver.h"
#include "workstation/sequential/windows/SequentialWindows.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

using namespace analtest;
using seqtest::addCodes;
using seqtest::child;
using seqtest::itemsOf;

// Records of an event file from its codes, one a second, and the end record.
std::vector<std::pair<std::string, int>> records(const std::vector<std::string>& codes) {
    std::vector<std::pair<std::string, int>> out;
    int time = 1;
    for (const auto& code : codes) {
        out.emplace_back(code, time++);
    }
    out.emplace_back("-500", time);
    return out;
}

struct Search {
    Search(std::vector<std::string> g, std::vector<std::string> before = {}, bool back = false,
           bool group = false, std::string lagCount = "1")
        : givens(std::move(g)), targetsBefore(std::move(before)), backward(back), asGroup(group),
          lags(std::move(lagCount)) {}
    std::vector<std::string> givens;
    std::vector<std::string> targetsBefore;
    bool backward;
    bool asGroup;
    std::string lags;
};

class SearchWindow : public ::testing::Test {
protected:
    void SetUp() override {
        useCodeTable(g, {{"A", "", 1}, {"B", "", 1}, {"C", "", 2}, {"D", "", 2}, {"$Gap$", "", 0}});
        g.OutputKind = 1;
        g.OutputFileName = scratch.file("report.out");
    }
    void pick(const std::string& name, std::int16_t inputMode) {
        g.DataFileName = scratch.file(name);
        g.InputMode = inputMode;
    }
    // Loads the window, sets it up as `search` says, presses "Search..." and returns the targets.
    std::vector<std::string> search(const Search& search) {
        sequential.sequence().unload();
        std::vector<std::string> targets;
        sp.dialogs.modalHandlers.push_back([&](QDialog& s) {
            addCodes(s, search.givens, "Add1");
            addCodes(s, search.targetsBefore, "Add2");
            child<QCheckBox>(s, "Check2")->setChecked(search.backward);
            child<QCheckBox>(s, "Check3")->setChecked(search.asGroup);
            child<QLineEdit>(s, "Text1")->setText(QString::fromStdString(search.lags));
            child<QPushButton>(s, "SearchBtn")->click();
            targets = itemsOf(s, "List3");
        });
        sequential.sequence().showForRun();
        return targets;
    }

    ScratchFolder scratch;
    testsupport::ScriptedPlatform sp;
    ws::Global g;
    ws::AnalysisWindows analyses{g, sp.platform};
    testsupport::ScriptedRandom random;
    ws::SequentialWindows sequential{g, sp.platform, random, analyses};
};

TEST_F(SearchWindow, TargetsOfOneFile) {
    struct Case {
        const char* name;
        std::vector<std::string> events;
        Search search;
        std::vector<std::string> targets;
    };
    const std::vector<std::string> aroundAGap{"A", "B", "A", "C", "$Gap$", "A", "D"};
    const std::vector<std::string> twoGivens{"B", "D", "A", "C", "A", "B", "D"};
    const std::vector<Case> cases{
        {"forward around a gap", aroundAGap, {{"A"}}, {"B", "C", "D"}},
        {"backward around a gap", aroundAGap, {{"A"}, {}, true}, {"B"}},
        {"codes already listed stay once", aroundAGap, {{"A"}, {"C", "A"}}, {"C", "A", "B", "D"}},
        {"two givens one at a time", twoGivens, {{"A", "B"}}, {"C", "B", "D"}},
        {"two givens as a group", twoGivens, {{"A", "B"}, {}, false, true}, {"D", "C", "B"}},
        {"lag 2", {"A", "B", "C", "A", "D", "B"}, {{"A"}, {}, false, false, "2"}, {"C", "B"}},
        {"lag 2 steps past a gap at the target",
         {"A", "B", "$Gap$", "C", "A", "B", "D"},
         {{"A"}, {}, false, false, "2"},
         {"D"}},
        {"a given last has no target", {"B", "A"}, {{"A"}}, {}},
    };
    for (const Case& c : cases) {
        writeEventFile(scratch.file("data.eve"), "case", records(c.events));
        pick("data.eve", 1);
        EXPECT_EQ(search(c.search), c.targets) << c.name;
        EXPECT_TRUE(sp.dialogs.boxes.empty()) << c.name;
        EXPECT_EQ(g.DataFileName, scratch.file("data.eve"));
    }
    EXPECT_EQ(analyses.anal().label(), "Processing file:data.eve");
}

TEST_F(SearchWindow, TheFilesOfAList) {
    writeEventFile(scratch.file("one.eve"), "one", records({"A", "B"}));
    writeEventFile(scratch.file("two.eve"), "two", records({"A", "C"}));
    writeEventFile(scratch.file("bad.eve"), "bad", records({"A", "Z"}));
    struct Case {
        const char* name;
        std::vector<std::string> entries;
        int count; // the count the list announces
        std::vector<std::string> targets;
    };
    const std::vector<Case> cases{
        {"every file", {"one.eve", "two.eve"}, 2, {"B", "C"}},
        {"the second file rejected ends the search", {"one.eve", "bad.eve", "two.eve"}, 3, {"B"}},
        {"a short list ends at its last entry", {"one.eve", "two.eve"}, 5, {"B", "C"}},
    };
    for (const Case& c : cases) {
        std::string list = "Event Files\r\n " + std::to_string(c.count) + " \r\n";
        for (const auto& entry : c.entries) {
            list += scratch.file(entry) + "\r\n";
        }
        writeBytes(scratch.file("study.lst"), list);
        pick("study.lst", 4);
        EXPECT_EQ(search({{"A"}}), c.targets) << c.name;
        EXPECT_TRUE(sp.dialogs.boxes.empty()) << c.name;
        EXPECT_EQ(g.InputMode, 4) << c.name;
        EXPECT_EQ(g.DataFileName, scratch.file("study.lst")) << c.name;
    }
    EXPECT_EQ(analyses.anal().label(), "Processing file:study.lst-two.eve-2");
}

// The window refuses a list of another kind when it loads; one changed behind it, or gone,
// is refused by the search once for every given.
TEST_F(SearchWindow, AListThatIsNoEventFileListIsRefused) {
    writeEventFile(scratch.file("one.eve"), "one", records({"A", "B"}));
    pick("study.lst", 4);
    for (const bool gone : {false, true}) {
        writeListFile(scratch.file("study.lst"), "Event Files", {scratch.file("one.eve")});
        sp.dialogs.boxes.clear();
        sequential.sequence().unload();
        sp.dialogs.modalHandlers.push_back([&](QDialog& s) {
            addCodes(s, {"A", "B"}, "Add1");
            if (gone) {
                std::filesystem::remove(g.DataFileName);
            } else {
                writeListFile(g.DataFileName, "List Files", {scratch.file("one.eve")});
            }
            child<QPushButton>(s, "SearchBtn")->click();
            EXPECT_TRUE(itemsOf(s, "List3").empty());
        });
        sequential.sequence().showForRun();
        ASSERT_EQ(sp.dialogs.boxes.size(), 2u) << gone;
        for (const auto& box : sp.dialogs.boxes) {
            EXPECT_EQ(box.text, "Not a valid list: " + scratch.file("study.lst"));
            EXPECT_EQ(box.title, "ERROR!");
            EXPECT_EQ(box.buttons, platform::Buttons::OK);
        }
    }
}

// Time-window mode and an empty givens list are each refused with their own message, and
// nothing is searched.
TEST_F(SearchWindow, TimeWindowsOrNoGivensAreRefused) {
    struct Case {
        const char* name;
        std::vector<std::string> givens;
        bool timeWindow;
        testsupport::ShownBox box;
    };
    const std::vector<Case> cases{
        {"time windows",
         {"A"},
         true,
         {"You can't currently do a search in time based mode...", "Sorry Quill...", platform::Buttons::OK,
          platform::Icon::Information}},
        {"no givens",
         {},
         false,
         {"You need at least one given to search for targets...", "Sorry...", platform::Buttons::OK,
          platform::Icon::None}},
    };
    writeEventFile(scratch.file("one.eve"), "one", records({"A", "B"}));
    for (const Case& c : cases) {
        pick("one.eve", 1);
        sp.dialogs.boxes.clear();
        sequential.sequence().unload();
        sp.dialogs.modalHandlers.push_back([&](QDialog& s) {
            addCodes(s, c.givens, "Add1");
            child<QRadioButton>(s, c.timeWindow ? "Option2" : "Option1")->setChecked(true);
            child<QPushButton>(s, "SearchBtn")->click();
            EXPECT_TRUE(itemsOf(s, "List3").empty()) << c.name;
        });
        sequential.sequence().showForRun();
        ASSERT_EQ(sp.dialogs.boxes.size(), 1u) << c.name;
        EXPECT_EQ(sp.dialogs.boxes[0].text, c.box.text) << c.name;
        EXPECT_EQ(sp.dialogs.boxes[0].title, c.box.title) << c.name;
        EXPECT_EQ(sp.dialogs.boxes[0].buttons, c.box.buttons) << c.name;
        EXPECT_EQ(sp.dialogs.boxes[0].icon, c.box.icon) << c.name;
        EXPECT_EQ(analyses.anal().label().find("Processing file:"), std::string::npos) << c.name;
    }
}

} // namespace
