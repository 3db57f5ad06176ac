// The merger: merged files against fixture folders (clock pinned), the limits and refusals,
// the tree's move rules, and the window from the main window's menu item to the merged file.
#include "ToolsTestSupport.h"
#include "support/FixtureCases.h"
#include "support/ScratchFolder.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFiles.h"
#include "workstation/core/windows/Talvor.h"
#include "workstation/tools/MergeTree.h"
#include "workstation/tools/MergerCode.h"
#include "workstation/tools/windows/MergerFrm.h"
#include "workstation/tools/windows/ToolWindows.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>

#include <filesystem>
#include <sstream>

namespace ws {
namespace {

namespace fs = std::filesystem;
using testsupport::readBytes;
using testsupport::ScratchFolder;
using testsupport::writeBytes;

const fs::path kMergeCases = testsupport::fixtureFamily("tools/merge");

struct Recorded {
    std::vector<std::string> labels;
    std::vector<int> percents;
    MergeProgress progress() {
        return {[this](const std::string& l) { labels.push_back(l); },
                [this](int p) { percents.push_back(p); }};
    }
};

class MergeCase : public testsupport::FixtureCase {
protected:
    fs::path family() const override { return kMergeCases; }
};

TEST_P(MergeCase, MergedFileMatchesExpectedBytes) {
    ScratchFolder scratch;
    fs::copy(folder(), scratch.path(), fs::copy_options::recursive);
    auto settings = caseSettings();
    MergeGroup group;
    std::stringstream names(settings["group"]);
    std::getline(names, group.output, '|');
    const std::string outputName = group.output;
    group.output = scratch.file(outputName);
    for (std::string input; std::getline(names, input, '|');) {
        group.inputs.push_back(scratch.file(input));
    }
    testsupport::ScriptedPlatform sp;
    Recorded shown;
    int written = 0;
    EXPECT_TRUE(MergeGroups({group}, sp.platform, shown.progress(), written));
    EXPECT_EQ(written, 1);
    EXPECT_TRUE(sp.dialogs.boxes.empty()) << sp.dialogs.boxes.front().text;
    EXPECT_EQ(shown.labels, (std::vector<std::string>{"Processing list...", "Creating " + outputName}));
    EXPECT_EQ(shown.percents, (std::vector<int>{50, 100}));
    EXPECT_TRUE(testsupport::sameAsFile(readBytes(group.output), folder() / "expected" / outputName));
}

SUITE_FIXTURE_CASES(MergeCase, "tools/merge");

class MergeGroupsTest : public ::testing::Test {
protected:
    std::string eventFile(const std::string& name, int events, const std::string& type = "Events") {
        std::string bytes = type + "\r\nh\r\n";
        for (int i = 1; i <= events; ++i) {
            bytes += "A," + std::to_string(i) + "\r\n";
        }
        writeBytes(scratch.file(name), bytes + "-500," + std::to_string(events + 1) + "\r\n");
        return scratch.file(name);
    }
    bool run(const std::vector<MergeGroup>& groups) {
        Recorded shown;
        return MergeGroups(groups, sp.platform, shown.progress(), written);
    }

    ScratchFolder scratch;
    testsupport::ScriptedPlatform sp;
    int written = 0;
};

TEST_F(MergeGroupsTest, EachLimitStopsTheRunWithABoxNamingTheFileAndEarlierGroupsStay) {
    const std::string good = eventFile("good.eve", 2);
    std::vector<std::string> manyFiles(kMaxMergeFiles + 1, good);
    writeBytes(scratch.file("cut.eve"), "Events\r\nh\r\nA,1\r\nB,2\r\n");
    struct Case {
        std::string label;
        MergeGroup failing;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"not an event file",
         {scratch.file("x.eve"), {good, eventFile("list.lst", 1, "Event Files")}},
         scratch.file("list.lst") +
             " is not a TALVOR event file.  The merger can only merge TALVOR event files."},
        {"no end record",
         {scratch.file("x.eve"), {scratch.file("cut.eve")}},
         scratch.file("cut.eve") + " ends without its -500 record, so it cannot be merged."},
        {"too many files",
         {scratch.file("x.eve"), manyFiles},
         scratch.file("x.eve") + " has more than the 100 input files the merger takes in one group."},
        {"too many events",
         {scratch.file("x.eve"), {eventFile("big1.eve", 6000), eventFile("big2.eve", 4001)}},
         scratch.file("big2.eve") +
             " brings its group past 10000 events, the most the merger can sort in one group."},
        {"no such file",
         {scratch.file("x.eve"), {scratch.file("none.eve")}},
         "File not found - " + scratch.file("none.eve")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        sp.dialogs.boxes.clear();
        fs::remove(scratch.file("first.eve"));
        EXPECT_FALSE(
            run({{scratch.file("first.eve"), {good}}, c.failing, {scratch.file("last.eve"), {good}}}));
        EXPECT_EQ(written, 1);
        EXPECT_TRUE(fs::exists(scratch.file("first.eve")));
        EXPECT_FALSE(fs::exists(scratch.file("x.eve")));
        EXPECT_FALSE(fs::exists(scratch.file("last.eve")));
        ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
        EXPECT_EQ(sp.dialogs.boxes[0].text, c.text);
        EXPECT_EQ(sp.dialogs.boxes[0].title, "Sorry");
        EXPECT_EQ(sp.dialogs.boxes[0].icon, platform::Icon::Exclamation);
    }

    // Exactly 10000 events in a group merge; the 51st group does not run.
    EXPECT_TRUE(
        run({{scratch.file("full.eve"), {eventFile("big3.eve", 6000), eventFile("big4.eve", 4000)}}}));
    std::vector<MergeGroup> groups;
    for (int i = 1; i <= kMaxMergeGroups + 1; ++i) {
        groups.push_back({scratch.file("out" + std::to_string(i) + ".eve"), {good}});
    }
    sp.dialogs.boxes.clear();
    EXPECT_FALSE(run(groups));
    EXPECT_EQ(written, 50);
    EXPECT_TRUE(fs::exists(scratch.file("out50.eve")));
    EXPECT_FALSE(fs::exists(scratch.file("out51.eve")));
    EXPECT_EQ(sp.dialogs.boxes.at(0).text,
              scratch.file("out51.eve") + " is past the 50 output groups the merger takes in one run.");
}

// The tree as "G" for a group node and "f" for a file node, the selected node's number, and
// what a move leaves.
std::string shape(const MergeTree& tree) {
    std::string text;
    for (const MergeNode& node : tree.nodes()) {
        text += node.isGroup() ? "[" + node.text + "]" : node.text;
    }
    return text;
}

TEST(MergeTreeMoves, OnlyInputFilesTradePlaces) {
    struct Case {
        std::vector<std::vector<std::string>> groups; // output first, then its inputs
        int selected;                                 // 0-based node
        bool up;
        TreeEdit result;
        std::string after;
        int selectedAfter;
    };
    const std::vector<Case> cases = {
        {{{"o1", "a", "b"}}, 2, true, TreeEdit::Done, "[o1]ba", 1},
        {{{"o1", "a", "b"}}, 1, true, TreeEdit::Refused, "[o1]ab", 1}, // node 2
        {{{"o1", "a", "b"}}, 0, true, TreeEdit::Refused, "[o1]ab", 0}, // node 1
        {{{"o1", "a"}, {"o2", "c", "d"}}, 3, true, TreeEdit::Done, "[o1]c[o2]ad", 1},
        {{{"o1"}, {"o2", "c"}}, 2, true, TreeEdit::Refused, "[o1][o2]c", 2}, // would trade with an output
        {{{"o1", "a"}, {"o2", "c"}}, 2, true, TreeEdit::Refused, "[o1]a[o2]c", 2}, // a group node
        {{{"o1", "a", "b"}, {"o2", "c", "d"}}, 1, false, TreeEdit::Done, "[o1]ba[o2]cd", 2},
        {{{"o1", "a", "b"}, {"o2", "c", "d"}}, 2, false, TreeEdit::Done, "[o1]ac[o2]bd", 4},
        {{{"o1", "a", "b"}, {"o2", "c", "d"}}, 5, false, TreeEdit::Refused, "[o1]ab[o2]cd", 5}, // N - 1
        {{{"o1", "a"}, {"o2"}, {"o3", "e"}}, 1, false, TreeEdit::Refused, "[o1]a[o2][o3]e", 1},
        {{{"o1", "a"}, {"o2", "c"}}, 0, false, TreeEdit::Refused, "[o1]a[o2]c", 0},
        {{{"o1", "a"}, {"o2", "c"}}, -1, false, TreeEdit::NoSelection, "[o1]a[o2]c", -1},
    };
    for (const Case& c : cases) {
        MergeTree tree;
        for (const auto& group : c.groups) {
            tree.newGroup(group[0]);
            tree.selected = static_cast<int>(tree.nodes().size()) - 1;
            for (std::size_t i = 1; i < group.size(); ++i) {
                tree.addFile(group[i]);
            }
        }
        // Outputs are named as the tree names them.
        std::string start = shape(tree);
        for (std::string::size_type at; (at = start.find(".eve")) != std::string::npos;) {
            start.erase(at, 4);
        }
        SCOPED_TRACE(start + (c.up ? " up " : " down ") + std::to_string(c.selected));
        tree.selected = c.selected;
        EXPECT_EQ(c.up ? tree.moveUp() : tree.moveDown(), c.result);
        std::string after = shape(tree);
        for (std::string::size_type at; (at = after.find(".eve")) != std::string::npos;) {
            after.erase(at, 4);
        }
        EXPECT_EQ(after, c.after);
        EXPECT_EQ(tree.selected, c.selectedAfter);
    }
}

TEST(MergeTreeEdits, NamesAreNeverTwiceInTheTree) {
    MergeTree tree;
    EXPECT_EQ(tree.addFile("/d/a.eve"), TreeEdit::NoSelection);
    EXPECT_EQ(tree.newGroup("/d/my.data.txt"), TreeEdit::Done);
    EXPECT_EQ(tree.nodes().at(0).text, "/d/my.eve");
    EXPECT_EQ(tree.nodes().at(0).key, "G1");
    EXPECT_EQ(tree.newGroup("/d/my.eve"), TreeEdit::Refused);
    tree.selected = 0;
    EXPECT_EQ(tree.addFile("/d/my.eve"), TreeEdit::Refused); // an output is no input
    EXPECT_EQ(tree.addFile("/d/a.eve"), TreeEdit::Done);
    EXPECT_EQ(tree.addFile("/d/a.eve"), TreeEdit::Refused);
    EXPECT_EQ(tree.newGroup("/d/a.eve"), TreeEdit::Refused); // nor an input an output
    EXPECT_EQ(tree.newGroup("/d/two"), TreeEdit::Done);
    tree.selected = 1; // a file of group 1: the new file joins that group
    EXPECT_EQ(tree.addFile("/d/b.eve"), TreeEdit::Done);
    EXPECT_EQ(tree.nodes().at(2).text, "/d/b.eve");
    EXPECT_EQ(tree.nodes().at(3).key, "G2");
    ASSERT_EQ(tree.groups().size(), 2u);
    EXPECT_EQ(tree.groups()[0].inputs, (std::vector<std::string>{"/d/a.eve", "/d/b.eve"}));
    tree.selected = 0;
    tree.removeSelected(); // a group goes with its files
    ASSERT_EQ(tree.nodes().size(), 1u);
    EXPECT_EQ(tree.nodes()[0].key, "G2");
}

bool selectWhenListed(MergerFrm& merger, const std::string& name) {
    QElapsedTimer waited;
    waited.start();
    while (!merger.selectFile(name) && waited.elapsed() < 5000) {
        QCoreApplication::processEvents();
    }
    return merger.selectedFile() == name;
}

TEST(MergerFrmWindow, MenuItemToMergedFile) {
    ScratchFolder scratch;
    fs::copy(kMergeCases / "equal-and-fractional-times", scratch.path(), fs::copy_options::recursive);
    toolstest::Workstation station;
    auto& sp = station.sp;
    sp.dialogs.files = {scratch.file("both.final.txt")};
    sp.dialogs.modalHandlers.push_back([&](QDialog& dialog) {
        auto& merger = dynamic_cast<MergerFrm&>(dialog);
        EXPECT_EQ(merger.windowTitle().toStdString(), "Talvor File Merger...");
        merger.findChild<QPushButton*>("DoIt")->click(); // nothing yet
        merger.setFilePath(scratch.path().string());
        ASSERT_TRUE(selectWhenListed(merger, "a.eve"));
        merger.Command1_Click(0); // no group yet
        merger.Command1_Click(2);
        ASSERT_EQ(sp.dialogs.saveRequests.size(), 1u);
        EXPECT_EQ(sp.dialogs.saveRequests[0].title, "Name an output file...");
        EXPECT_EQ(sp.dialogs.saveRequests[0].filter, "Event Files (*.eve)|*.eve");
        merger.selectNode(0);
        merger.findChild<QPushButton*>("Command1_0")->click();
        merger.findChild<QPushButton*>("Command1_0")->click(); // twice: a beep
        ASSERT_TRUE(selectWhenListed(merger, "b.eve"));
        merger.findChild<QPushButton*>("Command1_0")->click();
        merger.findChild<QPushButton*>("DoIt")->click();
    });
    station.choose("Filemerger");

    EXPECT_EQ(station.g.OutputFileName, scratch.file("both.final.txt"));
    EXPECT_EQ(sp.dialogs.beeps, 1);
    ASSERT_EQ(sp.dialogs.boxes.size(), 3u);
    EXPECT_EQ(sp.dialogs.boxes[0].text, "Nothing to do.\rYou need to add some output file groups.");
    EXPECT_EQ(sp.dialogs.boxes[0].icon, platform::Icon::Question);
    EXPECT_EQ(sp.dialogs.boxes[1].text, "Can't add, output file not definded or selected.");
    EXPECT_EQ(sp.dialogs.boxes[1].title, "Sorry Quillan");
    EXPECT_EQ(sp.dialogs.boxes[2].text, " 1 Groups Processed");
    EXPECT_EQ(readBytes(scratch.file("both.eve")), readBytes(scratch.file("expected/both.eve")));
}

} // namespace
} // namespace ws
