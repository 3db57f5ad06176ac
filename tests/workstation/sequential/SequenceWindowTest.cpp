// The sequential settings window through the scripted doubles: from the menu item to the
// report, and its controls one by one.
#include "support/ScriptedPlatform.h"
#include "support/ScriptedRandom.h"
#include "workstation/analyses/AnalTestSupport.h"
#include "workstation/analyses/windows/AnalysisWindows.h"
#include "workstation/core/CodeSetFile.h"
#include "workstation/core/MainWindowLinks.h"
#include "workstation/core/windows/Talvor.h"
#include "workstation/sequential/SeqWindowDriver.h"
#include "workstation/sequential/SeqWiredWindows.h"
#include "workstation/sequential/windows/SequentialWindows.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

using namespace analtest;
using platform::Answer;
using seqtest::child;
using seqtest::itemsOf;

void click(QDialog& dialog, const char* button) {
    child<QPushButton>(dialog, button)->click();
}

class SequenceWindow : public ::testing::Test, protected seqtest::WiredWindows {
protected:
    void SetUp() override {
        useCodeTable(g, {{"A", "", 1}, {"B", "", 1}, {"C", "", 3}, {"D", "", 1}, {"P", "", 0}, {"Q", "", 3}});
        writeEventFile(scratch.file("one.eve"), "first",
                       {{"A", 1}, {"C", 2}, {"B", 3}, {"D", 4}, {"-500", 5}});
        writeEventFile(scratch.file("two.eve"), "second",
                       {{"B", 1}, {"C", 2}, {"A", 3}, {"C", 4}, {"-500", 6}});
        writeListFile(scratch.file("study.lst"), "Event Files",
                      {scratch.file("one.eve"), scratch.file("two.eve")});
        g.Text_Editor = "editor";
    }

    // The state the runner leaves before it shows the window.
    void pickedForRun(const std::string& name, int inputMode, int outputKind) {
        g.DataFileName = scratch.file(name);
        g.InputMode = static_cast<std::int16_t>(inputMode);
        g.OutputKind = static_cast<std::int16_t>(outputKind);
        g.OutputFileName = scratch.file("report.out");
        g.AbortRun = 0;
    }
    void showWith(std::function<void(QDialog&)> handler) {
        sp.dialogs.modalHandlers.push_back(std::move(handler));
        sequential.sequence().showForRun();
    }

    ScratchFolder scratch;
};

// Lines of the report that name the file, the givens and the targets of each section.
std::vector<std::string> sectionHeads(const std::string& report) {
    std::vector<std::string> heads;
    std::size_t at = 0;
    while ((at = report.find(" File:", at)) != std::string::npos) {
        const std::size_t fileEnd = report.find("\r\n", at);
        const std::size_t givens = report.find("\r\n", report.find(" Givens: N =", at)) + 2;
        const std::size_t targets = report.find("\r\n", report.find(" Targets: N =", at)) + 2;
        heads.push_back(report.substr(at + 6, fileEnd - at - 6) + ":" +
                        report.substr(givens, report.find("\r\n", givens) - givens) + " ->" +
                        report.substr(targets, report.find("\r\n", targets) - targets));
        at = fileEnd;
    }
    return heads;
}

TEST_F(SequenceWindow, FromTheMenuItemToTheReportInTheEditor) {
    sp.dialogs.files = {scratch.file("study.lst")};
    sp.dialogs.modalHandlers.push_back([](QDialog& anal) {
        child<QRadioButton>(anal, "Option4")->click(); // a list of files
        click(anal, "Doit_Btn");
    });
    sp.dialogs.modalHandlers.push_back([](QDialog& sequence) {
        EXPECT_EQ(sequence.windowTitle().toStdString(), "Sequential Analysis Settings");
        click(sequence, "Add1"); // A, then B: each press walks down the code list
        click(sequence, "Add1");
        child<QListWidget>(sequence, "List1")->setCurrentRow(2);
        click(sequence, "Add2"); // C, then D
        click(sequence, "Add2");
        click(sequence, "GoForIt");
    });

    window.findChild<QAction*>("SeqMenu")->trigger();

    EXPECT_TRUE(sp.dialogs.boxes.empty()) << sp.dialogs.boxes.front().text;
    EXPECT_EQ(sp.dialogs.modalShown, (std::vector<std::string>{"Anal", "Sequence"}));
    const std::string report = scratch.file("study.lst.txt");
    EXPECT_EQ(sectionHeads(readBytes(report)),
              (std::vector<std::string>{"one.eve: A -> C", "two.eve: A -> C", "study.lst: A -> C",
                                        "one.eve: A -> D", "two.eve: A -> D", "study.lst: A -> D",
                                        "one.eve: B -> C", "two.eve: B -> C", "study.lst: B -> C",
                                        "one.eve: B -> D", "two.eve: B -> D", "study.lst: B -> D"}));
    ASSERT_EQ(sp.launcher.started.size(), 1u);
    EXPECT_EQ(sp.launcher.started[0], (std::vector<std::string>{"editor", report}));
    EXPECT_EQ(g.gUseFormFeeds, 1);
}

TEST_F(SequenceWindow, TimeWindowFromTheMenuItemToThePerLevelReportAndTheScratchFiles) {
    sp.dialogs.files = {scratch.file("study.lst")};
    sp.dialogs.modalHandlers.push_back([](QDialog& anal) {
        child<QRadioButton>(anal, "Option4")->click(); // a list of files
        click(anal, "Doit_Btn");
    });
    sp.dialogs.modalHandlers.push_back([](QDialog& sequence) {
        click(sequence, "Add1");                           // A
        click(sequence, "Add2");                           // B
        child<QRadioButton>(sequence, "Option2")->click(); // five time units
        child<QCheckBox>(sequence, "Check2")->click();     // backward
        child<QCheckBox>(sequence, "Check5")->click();     // within the levels of group 3
        child<QComboBox>(sequence, "Combo1")->setCurrentText("3");
        child<QCheckBox>(sequence, "Check7_5")->setChecked(false); // scrap files kept
        click(sequence, "GoForIt");
    });

    window.findChild<QAction*>("SeqMenu")->trigger();

    EXPECT_TRUE(sp.dialogs.boxes.empty()) << sp.dialogs.boxes.front().text;
    // one.eve backward: unit 1 is its last time unit; the given's window holds its first two.
    EXPECT_EQ(readBytes(scratch.file("one.SBS")).substr(0, 20), " 5 ,\"None\",\"D\",\"C\"\r\n");
    EXPECT_EQ(readBytes(scratch.file("one.YNF")), "N,N,C\r\nN,N,C\r\nN,Y,C\r\nY,N,C\r\nY,N,None\r\n");
    EXPECT_EQ(readBytes(scratch.file("two.YNF")),
              "Y,N,C\r\nY,N,C\r\nY,N,C\r\nY,N,C\r\nY,Y,C\r\nN,N,None\r\n");
    const std::string report = scratch.file("study.lst.txt");
    const std::string text = readBytes(report);
    const std::size_t pooled = text.find(" File:study.lst   Code:C\r\n");
    ASSERT_NE(pooled, std::string::npos);
    EXPECT_NE(text.find(" based on a time window\r\n The number of time units backward was: 5 ", pooled),
              std::string::npos);
    EXPECT_EQ(text.find(" (Y,Y)       1 (", pooled), text.find(" (Y,Y) ", pooled));
    EXPECT_EQ(text.find(" (Y,N)       6 (", pooled), text.find(" (Y,N) ", pooled));
    EXPECT_EQ(text.find(" (N,N)       3 (", pooled), text.find(" (N,N) ", pooled));
    ASSERT_EQ(sp.launcher.started.size(), 1u);
    EXPECT_EQ(sp.launcher.started[0], (std::vector<std::string>{"editor", report}));
}

TEST_F(SequenceWindow, LoadsWithTheCodeSetAndItsLevels) {
    pickedForRun("one.eve", 1, 2);
    showWith([](QDialog& s) {
        EXPECT_EQ(itemsOf(s, "List1"), (std::vector<std::string>{"A", "B", "C", "D", "P", "Q"}));
        EXPECT_EQ(child<QListWidget>(s, "List1")->currentRow(), 0);
        auto* levels = child<QComboBox>(s, "Combo1");
        ASSERT_EQ(levels->count(), 2); // first appearance, no group 0
        EXPECT_EQ(levels->itemText(0).toStdString(), "1");
        EXPECT_EQ(levels->itemText(1).toStdString(), "3");
        EXPECT_TRUE(levels->isHidden());
        EXPECT_TRUE(child<QRadioButton>(s, "Option1")->isChecked());
        EXPECT_EQ(child<QLineEdit>(s, "Text1")->text().toStdString(), "1");
        EXPECT_EQ(child<QLabel>(s, "Label3")->text().toStdString(), "Event(s)");
        EXPECT_TRUE(child<QGroupBox>(s, "Frame2")->isHidden());
        EXPECT_TRUE(child<QRadioButton>(s, "Option5_0")->isChecked());
        const std::vector<bool> rules{true, false, false, true, false, true};
        for (std::size_t k = 0; k < rules.size(); ++k) {
            EXPECT_EQ(child<QCheckBox>(s, ("Check7_" + std::to_string(k)).c_str())->isChecked(), rules[k]);
        }
        for (const char* hidden : {"Check1", "Check4", "Option3", "Option4"}) {
            EXPECT_TRUE(child<QWidget>(s, hidden)->isHidden()) << hidden;
        }
        child<QCheckBox>(s, "Check5")->click();
        EXPECT_FALSE(levels->isHidden());
    });
    EXPECT_EQ(g.UnsavedChanges, 0);
}

TEST_F(SequenceWindow, AddRemoveAndSwapKeepTheListsAsTheyShould) {
    pickedForRun("one.eve", 1, 2);
    showWith([this](QDialog& s) {
        for (int k = 0; k < 3; ++k) {
            click(s, "Add1");
        }
        EXPECT_EQ(itemsOf(s, "List2"), (std::vector<std::string>{"A", "B", "C"}));
        EXPECT_EQ(child<QListWidget>(s, "List1")->currentRow(), 3);
        EXPECT_EQ(g.UnsavedChanges, -1);

        child<QListWidget>(s, "List1")->setCurrentRow(1);
        click(s, "Add1"); // B is there already
        EXPECT_EQ(sp.dialogs.beeps, 1);
        EXPECT_EQ(itemsOf(s, "List2").size(), 3u);
        EXPECT_EQ(child<QListWidget>(s, "List1")->currentRow(), 1);

        auto* givens = child<QListWidget>(s, "List2");
        givens->setCurrentRow(2);
        click(s, "Del1"); // the last: the new last is selected
        EXPECT_EQ(itemsOf(s, "List2"), (std::vector<std::string>{"A", "B"}));
        EXPECT_EQ(givens->currentRow(), 1);

        child<QListWidget>(s, "List1")->setCurrentRow(3);
        click(s, "Add2");
        click(s, "Add2");
        click(s, "Add2");
        click(s, "SwapBtn");
        EXPECT_EQ(itemsOf(s, "List2"), (std::vector<std::string>{"D", "P", "Q"}));
        EXPECT_EQ(itemsOf(s, "List3"), (std::vector<std::string>{"A", "B"}));

        auto* targets = child<QListWidget>(s, "List3");
        child<QListWidget>(s, "List1")->setCurrentRow(2);
        QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                                Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(targets->viewport(), &doubleClick); // adds C, the code chosen
        EXPECT_EQ(itemsOf(s, "List3"), (std::vector<std::string>{"A", "B", "C"}));
        targets->setCurrentRow(2);
        click(s, "Del2");
        targets->setCurrentRow(-1);
        click(s, "Del2"); // nothing selected: nothing removed
        EXPECT_EQ(targets->count(), 2);
        targets->setCurrentRow(0);
        click(s, "Del2");
        targets->setCurrentRow(0);
        click(s, "Del2"); // the only one: nothing left selected
        EXPECT_EQ(targets->count(), 0);
        EXPECT_EQ(targets->currentRow(), -1);
    });
}

TEST_F(SequenceWindow, PairingsRunGivensOutsideTargetsInsideOrAsGroups) {
    struct Grouping {
        bool givensAsGroup;
        bool targetsAsGroup;
        std::vector<std::string> headers;
    };
    const std::vector<Grouping> groupings{
        {false,
         false,
         {"|A| Targets: N = 1 |C|", "|A| Targets: N = 1 |D|", "|B| Targets: N = 1 |C|",
          "|B| Targets: N = 1 |D|", "|P| Targets: N = 1 |C|", "|P| Targets: N = 1 |D|"}},
        {true, false, {"|A|B|P| Targets: N = 1 |C|", "|A|B|P| Targets: N = 1 |D|"}},
        {true, true, {"|A|B|P| Targets: N = 2 |C|D|"}},
    };
    pickedForRun("one.eve", 1, 2);
    showWith([](QDialog& s) {
        click(s, "Add1");
        click(s, "Add1");
        child<QListWidget>(s, "List1")->setCurrentRow(4);
        click(s, "Add1");
        child<QListWidget>(s, "List1")->setCurrentRow(2);
        click(s, "Add2");
        click(s, "Add2");
        click(s, "Cancel");
    });
    for (const Grouping& grouping : groupings) {
        std::filesystem::remove(scratch.file("report.out"));
        pickedForRun("one.eve", 1, 2);
        showWith([&grouping](QDialog& s) {
            child<QCheckBox>(s, "Check3")->setChecked(grouping.givensAsGroup);
            child<QCheckBox>(s, "Check6")->setChecked(grouping.targetsAsGroup);
            click(s, "GoForIt");
        });
        std::vector<std::string> headers;
        const std::string report = readBytes(scratch.file("report.out"));
        for (std::size_t at = 0; (at = report.find("N =", at)) != std::string::npos;) {
            const std::size_t from = report.find('|', at);
            headers.push_back(report.substr(from, report.find(",", from) - from));
            at = report.find("\r\n", at);
        }
        EXPECT_EQ(headers, grouping.headers);
        if (!grouping.givensAsGroup) { // the last pairing's given stays in element 1
            EXPECT_EQ(sequential.sequence().run().gGivenCount, 1);
            EXPECT_EQ(sequential.sequence().run().gGivens[1], "P");
        }
    }
}

TEST_F(SequenceWindow, TheCountBoxRoundsHalvesToEvenAndReadsLettersAsZero) {
    for (const auto& [typed, lag] :
         std::vector<std::pair<std::string, int>>{{"2.5", 2}, {"3.5", 4}, {"abc", 0}}) {
        pickedForRun("one.eve", 1, 2);
        showWith([&typed](QDialog& s) {
            child<QLineEdit>(s, "Text1")->setText(QString::fromStdString(typed));
            click(s, "GoForIt");
        });
        EXPECT_EQ(sequential.sequence().run().gLagCount, lag) << typed;
    }
}

TEST_F(SequenceWindow, AListOfAnotherKindIsRefusedAtLoad) {
    writeListFile(scratch.file("toggle.lst"), "Toggle Files", {scratch.file("one.eve")});
    pickedForRun("toggle.lst", 4, 1);
    sequential.sequence().showForRun();
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].text, "Not a valid list: " + scratch.file("toggle.lst"));
    EXPECT_EQ(sp.dialogs.boxes[0].title, "Error!");
    EXPECT_TRUE(sp.dialogs.modalShown.empty());
    EXPECT_FALSE(sequential.sequence().loaded());
    EXPECT_FALSE(std::filesystem::exists(g.OutputFileName));
}

TEST_F(SequenceWindow, AWithinLevelRunWritesItsPerLevelTextReport) {
    pickedForRun("one.eve", 1, 1);
    showWith([](QDialog& s) {
        click(s, "Add1");
        click(s, "Add2");
        child<QCheckBox>(s, "Check5")->click();
        click(s, "GoForIt");
    });
    EXPECT_TRUE(sp.dialogs.boxes.empty());
    EXPECT_NE(readBytes(g.OutputFileName).find(" *** Multi-Group Sequential Analysis Results *** Date: "),
              std::string::npos);
}

// The codes of a Latin-1 code set, picked in the window, are the bytes the data holds.
TEST_F(SequenceWindow, Latin1CodesPickedInTheListsAreFoundInTheData) {
    useCodeTable(g, {{"caf\xe9", "", 1}, {"B", "", 1}});
    writeEventFile(scratch.file("latin.eve"), "latin",
                   {{"caf\xe9", 1}, {"B", 2}, {"caf\xe9", 3}, {"B", 4}, {"-500", 5}});
    pickedForRun("latin.eve", 1, 1);
    showWith([](QDialog& s) {
        click(s, "Add1");
        click(s, "Add2");
        click(s, "GoForIt");
    });
    EXPECT_TRUE(sp.dialogs.boxes.empty()) << sp.dialogs.boxes.front().text;
    const std::string report = readBytes(g.OutputFileName);
    EXPECT_EQ(sectionHeads(report), std::vector<std::string>{"latin.eve: caf\xe9 -> B"});
}

TEST_F(SequenceWindow, TimeWindowRunsAndLeavesItsScratchFilesUnlessKilled) {
    for (const bool kill : {false, true}) {
        pickedForRun("one.eve", 1, 1);
        std::filesystem::remove(g.OutputFileName);
        showWith([kill](QDialog& s) {
            if (!kill) { // the window keeps its choice for the second run
                child<QLineEdit>(s, "Text1")->setText("3");
                child<QRadioButton>(s, "Option2")->click();
                EXPECT_EQ(child<QLineEdit>(s, "Text1")->text().toStdString(), "5");
                EXPECT_EQ(child<QLabel>(s, "Label3")->text().toStdString(), "Time Unit(s)");
                EXPECT_FALSE(child<QGroupBox>(s, "Frame2")->isHidden());
            }
            child<QCheckBox>(s, "Check7_5")->setChecked(kill);
            click(s, "Add1");
            click(s, "Add2");
            click(s, "GoForIt");
        });
        EXPECT_TRUE(sp.dialogs.boxes.empty());
        EXPECT_NE(readBytes(g.OutputFileName).find(" from the Given(s), based on a time window"),
                  std::string::npos);
        EXPECT_EQ(std::filesystem::exists(scratch.file("one.SBS")), !kill);
        EXPECT_EQ(std::filesystem::exists(scratch.file("one.YNF")), !kill);
        std::filesystem::remove(scratch.file("one.SBS"));
        std::filesystem::remove(scratch.file("one.YNF"));
    }
}

TEST_F(SequenceWindow, ExplainShowsTheCheckboxExplanations) {
    pickedForRun("one.eve", 1, 2);
    showWith([](QDialog& s) { click(s, "Command1"); });
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].title, "Checkbox Explainations");
    EXPECT_EQ(sp.dialogs.boxes[0].icon, platform::Icon::Information);
    EXPECT_EQ(sp.dialogs.boxes[0].text.substr(0, 49), "Picking Backwards Search makes the analysis look ");
}

TEST_F(SequenceWindow, CancelStopsTheAnalysisAndALaterOneFindsTheListsUntilSettingsAreWritten) {
    pickedForRun("one.eve", 1, 2);
    showWith([](QDialog& s) {
        click(s, "Add1");
        click(s, "Cancel");
    });
    EXPECT_EQ(g.AbortRun, -1);
    pickedForRun("one.eve", 1, 2);
    showWith([](QDialog& s) { EXPECT_EQ(itemsOf(s, "List2"), (std::vector<std::string>{"A"})); });
    links.settingsCalls.unloadSequence();
    EXPECT_FALSE(sequential.sequence().loaded());
    showWith([](QDialog& s) { EXPECT_TRUE(itemsOf(s, "List2").empty()); });
}

TEST_F(SequenceWindow, AListOfListsRepeatsThePressOnlyWithinItsOwnRun) {
    writeListFile(scratch.file("lists.lst"), "List Files",
                  {scratch.file("study.lst"), scratch.file("study.lst")});
    const auto listToSpreadsheet = [](QDialog& anal) {
        child<QRadioButton>(anal, "Option4")->click();
        child<QRadioButton>(anal, "Option6")->click();
        click(anal, "Doit_Btn");
    };
    sp.dialogs.files = {scratch.file("lists.lst")};
    sp.dialogs.modalHandlers = {listToSpreadsheet, [](QDialog& s) {
                                    click(s, "Add1");
                                    click(s, "Add2");
                                    click(s, "GoForIt");
                                }};
    window.findChild<QAction*>("SeqMenu")->trigger();

    // One press covers both lists: the window shows once, the second list runs by itself.
    EXPECT_EQ(std::count(sp.dialogs.modalShown.begin(), sp.dialogs.modalShown.end(), "Sequence"), 1);
    const std::string report = readBytes(scratch.file("lists.lst.csv"));
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 6); // two lists of two files, each pooled

    // A new analysis starts with the flags cleared: the window waits for a press again.
    sp.dialogs.modalShown.clear();
    sp.dialogs.files = {scratch.file("lists.lst")};
    sp.dialogs.modalHandlers = {listToSpreadsheet, [](QDialog& s) { click(s, "Cancel"); }};
    window.findChild<QAction*>("SeqMenu")->trigger();
    EXPECT_EQ(std::count(sp.dialogs.modalShown.begin(), sp.dialogs.modalShown.end(), "Sequence"), 1);
}

} // namespace
