// Code setup files from the sequential settings window's File menu, driven through the
// scripted doubles: the saved bytes against expected files, then read back into a freshly
// loaded window; and the ways a save or an open can fail.
#include "support/FixtureCases.h"
#include "support/ScriptedPlatform.h"
#include "support/ScriptedRandom.h"
#include "workstation/analyses/AnalTestSupport.h"
#include "workstation/analyses/windows/AnalysisWindows.h"
#include "workstation/sequential/SeqWindowDriver.h"
#include "workstation/sequential/windows/SequentialWindows.h"

#include <QAction>
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
using testsupport::sameAsFile;

const char* const kPrompt = "Enter a name for the code setup file...";

std::vector<std::string> splitAtBars(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t bar = std::min(text.find('|', from), text.size());
        parts.push_back(text.substr(from, bar - from));
        from = bar + 1;
    }
    return parts;
}

void trigger(QDialog& dialog, const char* item) {
    dialog.findChild<QAction*>(QString::fromLatin1(item))->trigger();
}

// The message boxes shown, without the name questions (the doubles record those too); every
// question must have been the name question.
std::vector<testsupport::ShownBox> messagesOf(const std::vector<testsupport::ShownBox>& shown) {
    std::vector<testsupport::ShownBox> messages;
    for (const auto& box : shown) {
        if (box.text == kPrompt) {
            EXPECT_EQ(box.title, "File Name?");
        } else {
            messages.push_back(box);
        }
    }
    return messages;
}

const std::vector<std::string> kBoxes{"Check1", "Check2", "Check3"};

class SetupWindow {
public:
    SetupWindow() {
        useCodeTable(g, {{"A", "", 1}, {"B", "", 1}, {"C", "", 3}, {"D", "", 1}, {"X,Y", "", 2}});
        g.DataFileName = scratch.file("one.eve");
        g.InputMode = 1;
        g.OutputKind = 1;
    }
    // Loads the window afresh and lets `handler` work it.
    void show(std::function<void(QDialog&)> handler) {
        sequential.sequence().unload();
        sp.dialogs.modalHandlers.push_back(std::move(handler));
        sequential.sequence().showForRun();
    }

    ScratchFolder scratch;
    testsupport::ScriptedPlatform sp;
    ws::Global g;
    ws::AnalysisWindows analyses{g, sp.platform};
    testsupport::ScriptedRandom random;
    ws::SequentialWindows sequential{g, sp.platform, random, analyses};
};

class SeqSetupFiles : public testsupport::FixtureCase {
protected:
    std::filesystem::path family() const override { return testsupport::fixtureFamily("seqsetup"); }
};

TEST_P(SeqSetupFiles, SaveWritesTheLayoutAndOpenReadsItBack) {
    auto settings = caseSettings();
    const auto givens = splitAtBars(settings["givens"]);
    const auto targets = splitAtBars(settings["targets"]);
    const auto ticked = splitAtBars(settings["ticked"]);
    const std::string countRead = settings.count("count_read") ? settings["count_read"] : settings["count"];
    SetupWindow w;
    const std::string name = w.scratch.file("codes.set");
    w.sp.dialogs.inputs = {name};
    w.show([&](QDialog& s) {
        addCodes(s, givens, "Add1");
        addCodes(s, targets, "Add2");
        for (const auto& box : ticked) {
            child<QCheckBox>(s, box)->setChecked(true);
        }
        child<QLineEdit>(s, "Text1")->setText(QString::fromStdString(settings["count"]));
        trigger(s, "FileSave");
    });
    EXPECT_TRUE(sameAsFile(readBytes(name), folder() / "expected.txt"));
    EXPECT_EQ(w.sequential.sequence().session().SeqSetupFileName(), name);

    w.sp.dialogs.inputs = {name};
    w.show([&](QDialog& s) {
        trigger(s, "FileOpen");
        EXPECT_EQ(itemsOf(s, "List2"), givens);
        EXPECT_EQ(itemsOf(s, "List3"), targets);
        for (const auto& box : kBoxes) {
            const bool wanted = std::find(ticked.begin(), ticked.end(), box) != ticked.end();
            EXPECT_EQ(child<QCheckBox>(s, box)->isChecked(), wanted) << box;
        }
        EXPECT_TRUE(child<QRadioButton>(s, "Option1")->isChecked());
        EXPECT_EQ(child<QLineEdit>(s, "Text1")->text().toStdString(), countRead);
    });
    EXPECT_TRUE(messagesOf(w.sp.dialogs.boxes).empty());
    EXPECT_EQ(w.sequential.sequence().session().SeqSetupFileName(), name);
    EXPECT_EQ(w.g.UnsavedChanges, 0); // a fresh load cleared it and reading leaves it alone
}

SUITE_FIXTURE_CASES(SeqSetupFiles, "seqsetup");

TEST(SeqSetupFile, SaveAsOffersTheNameWithoutItsFolderAndCancellingLeavesNoName) {
    SetupWindow w;
    const std::string name = w.scratch.file("first.set");
    w.sp.dialogs.inputs = {name};
    w.show([&](QDialog& s) {
        const CurrentFolder here(w.scratch.path());
        trigger(s, "FileSave");
        addCodes(s, {"A"}, "Add1");
        trigger(s, "FileSaveAs"); // no answer scripted: the offered name is taken as it stands
        EXPECT_EQ(w.sequential.sequence().session().SeqSetupFileName(), "first.set");
        w.sp.dialogs.inputs = {std::nullopt, std::string("second.set")};
        trigger(s, "FileSaveAs"); // cancelled
        EXPECT_EQ(w.sequential.sequence().session().SeqSetupFileName(), "");
        trigger(s, "FileSave"); // asks again: a name relative to the current folder
    });
    EXPECT_NE(readBytes(name).find("\r\nA\r\n"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(w.scratch.file("second.set")));
    EXPECT_TRUE(w.sp.dialogs.inputs.empty());
    EXPECT_EQ(w.sp.dialogs.boxes.size(), 4u); // four name questions and nothing else
    EXPECT_TRUE(messagesOf(w.sp.dialogs.boxes).empty());
}

// A code set written in Latin-1: its codes go through the lists as the bytes they are, so a
// setup file naming them is opened and saved again byte for byte.
TEST(SeqSetupFile, Latin1CodesKeepTheirBytesThroughTheLists) {
    SetupWindow w;
    useCodeTable(w.g, {{"caf\xe9", "", 1}, {"na\xefve", "", 1}, {"B", "", 2}});
    const std::string name = w.scratch.file("latin.set");
    const std::string bytes = "Sequential\r\n 1 \r\ncaf\xe9\r\n 2 \r\nna\xefve\r\nB\r\n 0 \r\n 0 \r\n 0 \r\n"
                              "True\r\nFalse\r\n1\r\n";
    writeBytes(name, bytes);
    w.sp.dialogs.inputs = {name};
    w.show([&](QDialog& s) {
        trigger(s, "FileOpen");
        trigger(s, "FileSave");
    });
    EXPECT_EQ(readBytes(name), bytes);

    const std::string picked = w.scratch.file("picked.set");
    w.sp.dialogs.inputs = {picked};
    w.show([&](QDialog& s) {
        child<QListWidget>(s, "List1")->setCurrentRow(0);
        child<QPushButton>(s, "Add1")->click();
        child<QPushButton>(s, "Add2")->click();
        trigger(s, "FileSave");
    });
    EXPECT_EQ(
        readBytes(picked),
        "Sequential\r\n 1 \r\ncaf\xe9\r\n 1 \r\nna\xefve\r\n 0 \r\n 0 \r\n 0 \r\nTrue\r\nFalse\r\n1\r\n");
    EXPECT_TRUE(messagesOf(w.sp.dialogs.boxes).empty());
}

TEST(SeqSetupFile, SaveWithACurrentNameWritesWithoutAQuestion) {
    SetupWindow w;
    const std::string name = w.scratch.file("kept.set");
    w.sp.dialogs.inputs = {name};
    w.show([&](QDialog& s) {
        trigger(s, "FileSave");
        addCodes(s, {"D"}, "Add2");
        trigger(s, "FileSave");
    });
    EXPECT_TRUE(w.sp.dialogs.inputs.empty());
    EXPECT_NE(readBytes(name).find("\r\nD\r\n"), std::string::npos);
}

TEST(SeqSetupFile, ARefusedFileIsNeitherAdoptedNorWrittenOverOnExit) {
    SetupWindow w;
    const std::string events = w.scratch.file("one.eve");
    const std::string eventBytes = "Events\r\nfirst\r\nA,1\r\n-500,2\r\n";
    writeBytes(events, eventBytes);
    w.sp.dialogs.inputs = {events, std::nullopt};
    w.show([&](QDialog& s) {
        trigger(s, "FileOpen");
        addCodes(s, {"A"}, "Add1");
        trigger(s, "FileExit"); // unsaved, no name: asks, and Cancel unloads without writing
    });
    const auto messages = messagesOf(w.sp.dialogs.boxes);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Wrong file type:" + events);
    EXPECT_EQ(messages[0].buttons, platform::Buttons::OK);
    EXPECT_EQ(w.sp.dialogs.beeps, 1);
    EXPECT_TRUE(w.sp.dialogs.inputs.empty());
    EXPECT_EQ(readBytes(events), eventBytes);
    EXPECT_FALSE(w.sequential.sequence().loaded());
}

TEST(SeqSetupFile, OpenSavesPendingEditsFirstThenClearsTheLists) {
    SetupWindow w;
    const std::string edits = w.scratch.file("edits.set");
    w.sp.dialogs.inputs = {edits, std::nullopt};
    w.show([&](QDialog& s) {
        addCodes(s, {"A", "B"}, "Add1");
        trigger(s, "FileOpen");
        EXPECT_TRUE(itemsOf(s, "List2").empty());
    });
    EXPECT_NE(readBytes(edits).find(" 2 \r\nA\r\nB\r\n"), std::string::npos);
    EXPECT_TRUE(messagesOf(w.sp.dialogs.boxes).empty());
}

// A file that cannot be read whole is reported with its name and the reason; the lists stay
// empty and its name is not taken.
TEST(SeqSetupFile, AFileThatCannotBeReadIsReported) {
    struct Case {
        const char* name;
        const char* bytes; // null: no such file
        const char* reason;
    };
    for (const Case& c : {Case{"missing.set", nullptr, "File not found"},
                          Case{"short.set", "Sequential\r\n 3 \r\nA\r\nB\r\n", "Input past end of file"},
                          Case{"text.set", "Sequential\r\n two \r\n", "Type mismatch"}}) {
        SetupWindow w;
        const std::string path = w.scratch.file(c.name);
        if (c.bytes != nullptr) {
            writeBytes(path, c.bytes);
        }
        w.sp.dialogs.inputs = {path};
        w.show([&](QDialog& s) {
            trigger(s, "FileOpen");
            EXPECT_TRUE(itemsOf(s, "List2").empty()) << c.name;
        });
        const auto messages = messagesOf(w.sp.dialogs.boxes);
        ASSERT_EQ(messages.size(), 1u) << c.name;
        EXPECT_EQ(messages[0].text, "The code setup file " + path + " could not be read: " + c.reason + ".");
        EXPECT_EQ(w.sequential.sequence().session().SeqSetupFileName(), "") << c.name;
    }
}

TEST(SeqSetupFile, AFailedWriteIsReportedAndExitKeepsTheWindow) {
    SetupWindow w;
    const std::string nowhere = w.scratch.file("no-folder/codes.set");
    w.sp.dialogs.inputs = {nowhere};
    w.show([&](QDialog& s) {
        addCodes(s, {"A"}, "Add1");
        trigger(s, "FileExit");
        EXPECT_EQ(itemsOf(s, "List2"), std::vector<std::string>{"A"});
    });
    EXPECT_TRUE(w.sequential.sequence().loaded());
    const auto messages = messagesOf(w.sp.dialogs.boxes);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text.rfind("The code setup file " + nowhere + " could not be saved: ", 0), 0u);
}

// The bytes of a setup file holding these lists, no box ticked, event lags and the count 1.
std::string setupFile(const std::vector<std::string>& givens, const std::vector<std::string>& targets) {
    std::vector<std::string> lines{"Sequential", " " + std::to_string(givens.size()) + " "};
    lines.insert(lines.end(), givens.begin(), givens.end());
    lines.push_back(" " + std::to_string(targets.size()) + " ");
    lines.insert(lines.end(), targets.begin(), targets.end());
    lines.insert(lines.end(), {" 0 ", " 0 ", " 0 ", "True", "False", "1"});
    return crlfLines(lines);
}

// Read without the duplicate test, a setup file may hold more givens and targets than the
// code set has codes: they swap, save and run whole.
TEST(SeqSetupFile, ListsLongerThanTheCodeSetSwapSaveAndRunWhole) {
    SetupWindow w;
    const std::vector<std::string> givens{"A", "B", "C", "D", "A", "B", "C"};
    const std::vector<std::string> targets{"D", "C", "B", "A", "D", "C"};
    const std::string name = w.scratch.file("long.set");
    writeBytes(name, setupFile(givens, targets));
    writeEventFile(w.g.DataFileName, "long", {{"A", 1}, {"D", 2}, {"B", 3}, {"C", 4}, {"-500", 5}});
    w.g.OutputFileName = w.scratch.file("report.out");
    const std::string swapped = w.scratch.file("swapped.set");
    w.sp.dialogs.inputs = {name, swapped};
    w.show([&](QDialog& s) {
        trigger(s, "FileOpen");
        child<QPushButton>(s, "SwapBtn")->click();
        EXPECT_EQ(itemsOf(s, "List2"), targets);
        EXPECT_EQ(itemsOf(s, "List3"), givens);
        trigger(s, "FileSaveAs");
        child<QCheckBox>(s, "Check3")->setChecked(true); // givens as one group
        child<QCheckBox>(s, "Check6")->setChecked(true); // targets as one group
        child<QPushButton>(s, "GoForIt")->click();
    });
    EXPECT_EQ(readBytes(swapped), setupFile(targets, givens));
    const std::string report = readBytes(w.g.OutputFileName);
    EXPECT_NE(report.find(" Givens: N = 6\r\n D C B A D C\r\n"), std::string::npos);
    EXPECT_NE(report.find(" Targets: N = 7\r\n A B C D A B C\r\n"), std::string::npos);
    EXPECT_TRUE(messagesOf(w.sp.dialogs.boxes).empty());
}

TEST(SeqSetupFile, NewEmptiesTheListsAndTheNameOnly) {
    SetupWindow w;
    w.sp.dialogs.inputs = {w.scratch.file("a.set")};
    w.show([&](QDialog& s) {
        addCodes(s, {"A"}, "Add1");
        addCodes(s, {"B"}, "Add2");
        child<QCheckBox>(s, "Check2")->setChecked(true);
        trigger(s, "FileSave");
        trigger(s, "NewFile");
        EXPECT_TRUE(itemsOf(s, "List2").empty());
        EXPECT_TRUE(itemsOf(s, "List3").empty());
        EXPECT_TRUE(child<QCheckBox>(s, "Check2")->isChecked());
    });
    EXPECT_EQ(w.sequential.sequence().session().SeqSetupFileName(), "");
    EXPECT_NE(w.g.UnsavedChanges, 0);
}

} // namespace
