// The multi-group analysis and the data-file checker as a person runs them: the menu item,
// the pick in the analysis dialog, the group tree (ticks, Go or Quit), a graph per file,
// the report and the editor started on it.
#include "workstation/analyses/MenuFlow.h"
#include "workstation/analyses/windows/GraphDisplay.h"
#include "workstation/core/Settings.h"

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <tuple>

namespace {

namespace fs = std::filesystem;

void press(QDialog& dialog, const char* name) {
    QPushButton* button = dialog.findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    button->click();
}

// Ticks the group node whose text begins with `text`.
void tickGroup(QDialog& multilev, const QString& text) {
    QTreeWidget* tree = multilev.findChild<QTreeWidget*>("TreeView1");
    ASSERT_NE(tree, nullptr);
    const auto found = tree->findItems(text, Qt::MatchStartsWith);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    found[0]->setCheckState(0, Qt::Checked);
}

class MultiGroupFlow : public analtest::MenuFlow {
protected:
    void SetUp() override {
        openFixture("multigroup", "list-text-pooled-graph", "code.cod");
        analtest::writeListFile(scratch.file("study.lst"), "Event Files",
                                {scratch.file("a.eve"), scratch.file("b.eve")});
    }

    void pickList(QDialog& anal) {
        anal.findChild<QAbstractButton*>("Option4")->click();
        press(anal, "Doit_Btn");
    }
};

TEST_F(MultiGroupFlow, TreeGoGraphsReportAndEditor) {
    sp.dialogs.files = {scratch.file("study.lst")};
    std::vector<std::string> graphs;
    std::vector<std::size_t> codesDrawn;
    const auto closeGraph = [&](QDialog& graph) {
        graphs.push_back(graph.windowTitle().toStdString());
        auto& display = static_cast<ws::GraphDisplay&>(graph);
        codesDrawn.push_back(display.input().records.size());
        press(graph, "CloseBtn");
        EXPECT_TRUE(display.input().records.empty()); // Close forgets the chart it drew
    };
    sp.dialogs.modalHandlers = {[&](QDialog& anal) { pickList(anal); },
                                [&](QDialog& multilev) {
                                    EXPECT_EQ(multilev.windowTitle(), "Multi-Group Frequency and Duration");
                                    EXPECT_TRUE(multilev.findChild<QCheckBox*>("Check1")->isHidden());
                                    tickGroup(multilev, "Group 1 Talk");
                                    tickGroup(multilev, "Group 2 Look");
                                    multilev.findChild<QCheckBox*>("Check5")->setChecked(true);
                                    press(multilev, "GoForIt");
                                },
                                closeGraph, closeGraph};

    chooseMenuItem("MultiLevel");

    EXPECT_EQ(sp.dialogs.modalShown,
              (std::vector<std::string>{"Anal", "Multilev", "GraphDisplay", "GraphDisplay"}));
    EXPECT_EQ(graphs, (std::vector<std::string>{"Current graph for a.SBS", "Current graph for b.SBS"}));
    EXPECT_EQ(codesDrawn, (std::vector<std::size_t>{9, 6}));
    EXPECT_TRUE(sp.dialogs.boxes.empty());
    const std::string report = scratch.file("study.lst.txt");
    EXPECT_EQ(analtest::readBytes(report), analtest::readBytes(scratch.file("expected.txt")));
    EXPECT_FALSE(fs::exists(scratch.file("a.SBS")));
    ASSERT_EQ(sp.launcher.started.size(), 1u);
    EXPECT_EQ(sp.launcher.started[0], (std::vector<std::string>{"editor", report}));

    // The tree stays as it was left: the next run shows both groups ticked.
    bool ticked = false;
    sp.dialogs.files = {scratch.file("study.lst")};
    sp.dialogs.modalHandlers = {
        [&](QDialog& anal) { pickList(anal); },
        [&](QDialog& multilev) {
            auto* tree = multilev.findChild<QTreeWidget*>("TreeView1");
            ticked = tree->findItems("Group 1 Talk", Qt::MatchStartsWith)[0]->checkState(0) == Qt::Checked;
            press(multilev, "Cancel");
        }};
    chooseMenuItem("MultiLevel");
    EXPECT_TRUE(ticked);
}

TEST_F(MultiGroupFlow, QuitWritesAndStartsNothing) {
    sp.dialogs.files = {scratch.file("study.lst")};
    sp.dialogs.modalHandlers = {[&](QDialog& anal) { pickList(anal); },
                                [&](QDialog& multilev) {
                                    tickGroup(multilev, "Group 1 Talk");
                                    press(multilev, "Cancel");
                                }};
    chooseMenuItem("MultiLevel");
    EXPECT_NE(g.AbortRun, 0);
    EXPECT_FALSE(fs::exists(scratch.file("study.lst.txt")));
    EXPECT_TRUE(sp.launcher.started.empty());

    // Quit unloaded the tree: the next showing has nothing ticked.
    bool anyTicked = true;
    sp.dialogs.files = {scratch.file("study.lst")};
    sp.dialogs.modalHandlers = {[&](QDialog& anal) { pickList(anal); },
                                [&](QDialog& multilev) {
                                    auto* tree = multilev.findChild<QTreeWidget*>("TreeView1");
                                    anyTicked = tree->topLevelItem(1)->checkState(0) == Qt::Checked;
                                    press(multilev, "Cancel");
                                }};
    chooseMenuItem("MultiLevel");
    EXPECT_FALSE(anyTicked);
}

// The close box neither stops the run nor keeps the choices: the run reads a tree built
// afresh, in which no group is ticked.
TEST_F(MultiGroupFlow, CloseBoxRunsOnWithAFreshTreeThatChoosesNothing) {
    sp.dialogs.files = {scratch.file("study.lst")};
    sp.dialogs.modalHandlers = {[&](QDialog& anal) { pickList(anal); },
                                [&](QDialog& multilev) {
                                    tickGroup(multilev, "Group 1 Talk");
                                    multilev.show();
                                    multilev.close();
                                }};
    chooseMenuItem("MultiLevel");
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].text, "Multilevel requires picking at least 1 Group");
    EXPECT_FALSE(fs::exists(scratch.file("study.lst.txt")));
    EXPECT_TRUE(sp.launcher.started.empty());
}

// A save of the settings through the main window's calls unloads the tree the last run left.
TEST_F(MultiGroupFlow, SavingTheSettingsUnloadsTheTree) {
    const auto tickAndGo = [&](QDialog& multilev) {
        tickGroup(multilev, "Group 1 Talk");
        press(multilev, "GoForIt");
    };
    bool ticked = true;
    const auto look = [&](QDialog& multilev) {
        auto* tree = multilev.findChild<QTreeWidget*>("TreeView1");
        ticked = tree->findItems("Group 1 Talk", Qt::MatchStartsWith)[0]->checkState(0) == Qt::Checked;
        press(multilev, "Cancel");
    };
    sp.dialogs.files = {scratch.file("study.lst"), scratch.file("study.lst")};
    sp.dialogs.modalHandlers = {[&](QDialog& anal) { pickList(anal); }, tickAndGo};
    chooseMenuItem("MultiLevel");
    ASSERT_TRUE(fs::exists(scratch.file("study.lst.txt")));

    ws::SaveSettings(g, sp.platform, &window, links.settingsCalls);
    sp.dialogs.modalHandlers = {[&](QDialog& anal) { pickList(anal); }, look};
    chooseMenuItem("MultiLevel");
    EXPECT_FALSE(ticked);
}

TEST_F(MultiGroupFlow, CancelWhileTheSecondFileIsWalkedKeepsTheFirstSection) {
    sp.dialogs.files = {scratch.file("study.lst")};
    sp.dialogs.modalHandlers = {[&](QDialog& anal) { pickList(anal); },
                                [&](QDialog& multilev) {
                                    tickGroup(multilev, "Group 1 Talk");
                                    multilev.findChild<QCheckBox*>("Check3")->setChecked(true);
                                    press(multilev, "GoForIt");
                                }};
    // Cancel is pressed on the dialog while b.eve's units are walked.
    sp.dialogs.onYield = [&] {
        sp.clock.seconds += 1;
        if (g.DataFileName == scratch.file("b.eve")) {
            g.AbortRun = -1;
        }
    };
    chooseMenuItem("MultiLevel");
    const std::string report = analtest::readBytes(scratch.file("study.lst.txt"));
    EXPECT_NE(report.find("Event File Name: a.eve"), std::string::npos);
    EXPECT_EQ(report.find("b.eve"), std::string::npos);
    EXPECT_EQ(report.find("Pooled"), std::string::npos);
    EXPECT_TRUE(fs::exists(scratch.file("a.SBS")));
    EXPECT_TRUE(sp.launcher.started.empty());
}

TEST_F(MultiGroupFlow, GraphWithoutItsFileSaysSoAndTheRunGoesOn) {
    ws::GraphDisplay graph(sp.platform);
    EXPECT_FALSE(graph.GraphDisplay_Form_Load(ws::MultilevModel{}, {scratch.file("gone.SBS"), 1, 1}));
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].title, "Error!");
}

// Print draws the chart once more on one page in the page scale; a printer that fails says
// so and the window stays; a cancelled set-up prints and says nothing.
TEST_F(MultiGroupFlow, GraphPrintsOnePageInThePageScale) {
    using Kind = platform::PrintOutcome::Kind;
    const ws::GraphFile file{scratch.file("a.SBS"), 1, 3};
    analtest::writeBytes(file.path, " 0 ,\"Ta\"\r\n 1 ,\"None\"\r\n 2 ,\"Ta\"\r\n");
    ws::MultilevModel tree;
    tree.nodes = {{"L_1", "Group 1 Talk", true, -1}, {"C_Ta", "Ta Talking", true, 0}};

    testsupport::RecordingCanvas picture;
    ws::setPictureScale(picture);
    ws::DrawGraph(picture, {"a.SBS", {"Ta"}, 3, ws::ReadSecBySecFile(file.path, 1)});

    for (const Kind kind : {Kind::Printed, Kind::Failed, Kind::Cancelled}) {
        SCOPED_TRACE(static_cast<int>(kind));
        testsupport::ScriptedPlatform printing;
        printing.printer.outcome = {kind,
                                    kind == Kind::Failed ? "The printer did not accept the document." : ""};
        ws::GraphDisplay graph(printing.platform);
        ASSERT_TRUE(graph.GraphDisplay_Form_Load(tree, file));
        graph.GraphDisplay_PrintBtn_Click();
        EXPECT_EQ(printing.printer.runs, 1);
        if (kind == Kind::Printed) {
            ASSERT_EQ(printing.printer.documents,
                      (std::vector<std::vector<std::string>>{{testsupport::RecordingPrinter::kDrawnPage}}));
            EXPECT_EQ(printing.printer.names, (std::vector<testsupport::DocumentName>{{"a.SBS"}}));
            const testsupport::RecordingCanvas& page = printing.printer.pages.at(0);
            EXPECT_EQ(std::tie(page.left, page.top, page.right, page.bottom),
                      std::make_tuple(-150.0, 1100.0, 1100.0, -1200.0));
            EXPECT_EQ(page.lines, picture.lines); // two axes, a tick, two strokes
            EXPECT_EQ(page.lines.size(), 5u);
            ASSERT_FALSE(page.texts.empty());
            EXPECT_EQ(page.texts[0].text, "a.SBS");
        } else {
            EXPECT_TRUE(printing.printer.documents.empty());
        }
        if (kind == Kind::Failed) {
            ASSERT_EQ(printing.dialogs.boxes.size(), 1u);
            EXPECT_EQ(printing.dialogs.boxes[0].title, "Error!");
            EXPECT_EQ(printing.dialogs.boxes[0].text,
                      "Could not print the graph of a.SBS\rThe printer did not accept the document.");
        } else {
            EXPECT_TRUE(printing.dialogs.boxes.empty());
        }
    }
}

TEST_F(MultiGroupFlow, PrintSetupShowsThePrinterDialog) {
    const ws::GraphFile file{scratch.file("a.SBS"), 1, 1};
    analtest::writeBytes(file.path, " 0 ,\"Ta\"\r\n");
    ws::GraphDisplay graph(sp.platform);
    ASSERT_TRUE(graph.GraphDisplay_Form_Load(ws::MultilevModel{}, file));
    graph.findChild<QPushButton*>("Command2")->click();
    EXPECT_EQ(sp.dialogs.printerSetups, 1);
    EXPECT_TRUE(sp.printer.documents.empty());
    EXPECT_TRUE(sp.dialogs.boxes.empty());
}

TEST_F(MultiGroupFlow, CheckerOnAList) {
    analtest::writeEventFile(scratch.file("bad.eve"), "Bad", {{"Ta", 5}, {"Lo", 3}, {"-500", 8}});
    analtest::writeListFile(scratch.file("check.lst"), "Event Files",
                            {scratch.file("a.eve"), scratch.file("bad.eve")});
    sp.dialogs.files = {scratch.file("check.lst")};
    sp.dialogs.modalHandlers = {[&](QDialog& anal) { pickList(anal); }};
    chooseMenuItem("DataCheck");
    const std::string report = analtest::readBytes(scratch.file("check.lst.txt"));
    EXPECT_EQ(report,
              "No error in file:" + scratch.file("a.eve") +
                  "\r\nError: Times out of sequence!\r\n File:bad.eve Line: 2 Code:Lo\r\n\r\nError in file:" +
                  scratch.file("bad.eve") + "\r\n");
    ASSERT_EQ(sp.launcher.started.size(), 1u);
}

} // namespace
