// Recoding: the modes against fixture folders, the refusals and failures, and the run from
// the main window's menu item through the analysis dialog and the recode window.
#include "workstation/tools/windows/Recode.h"
#include "ToolsTestSupport.h"
#include "support/FixtureCases.h"
#include "support/ScratchFolder.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFiles.h"
#include "textfile/Files.h"
#include "textfile/Numeric.h"
#include "workstation/analyses/windows/AnalysisWindows.h"
#include "workstation/core/CodeSetFile.h"
#include "workstation/core/windows/Talvor.h"
#include "workstation/tools/FileRecode.h"
#include "workstation/tools/windows/ToolWindows.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <filesystem>
#include <sstream>

namespace ws {
namespace {

namespace fs = std::filesystem;
using testsupport::CurrentFolder;
using testsupport::readBytes;
using testsupport::ScratchFolder;
using testsupport::writeBytes;

const fs::path kRecodeCases = testsupport::fixtureFamily("tools/recode");

std::vector<std::string> split(const std::string& text) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, '|');) {
        parts.push_back(part);
    }
    return parts;
}

class RecodeCase : public testsupport::FixtureCase {
protected:
    fs::path family() const override { return kRecodeCases; }
};

TEST_P(RecodeCase, RecodedFilesMatchExpectedBytes) {
    ScratchFolder scratch;
    fs::copy(folder(), scratch.path(), fs::copy_options::recursive);
    CurrentFolder inCase(scratch.path());
    auto settings = testsupport::readCaseSettings("case.txt");
    testsupport::ScriptedPlatform sp;
    Global g;
    g.Code_File = "code.cod";
    ASSERT_EQ(OpenCodeFile(g, sp.platform), textfile::kTrue);
    g.DataFileName = settings["pick"];
    g.InputMode = settings["list"] == "1" ? 4 : 1;
    g.OutputFileName = "report.txt";
    RecodeChoice choice{settings["mode"] == "individuals" ? RecodeMode::Individuals : RecodeMode::Groups,
                        split(settings["from"]), split(settings["to"])};
    std::vector<std::string> titles;

    FileRecode(g, sp.platform, choice, [&](const std::string& title) { titles.push_back(title); });

    EXPECT_TRUE(sp.dialogs.boxes.empty()) << sp.dialogs.boxes.front().text;
    EXPECT_EQ(titles, split(settings["titles"]));
    EXPECT_FALSE(fs::exists("report.txt"));
    for (const auto& expected : fs::directory_iterator("expected")) {
        const std::string name = expected.path().filename().string();
        ASSERT_TRUE(fs::exists(name)) << name;
        EXPECT_TRUE(testsupport::sameAsFile(readBytes(name), expected.path())) << name;
    }
}

SUITE_FIXTURE_CASES(RecodeCase, "tools/recode");

class FileRecodeTest : public ::testing::Test {
protected:
    void SetUp() override {
        g.NumCodes = 2;
        g.CodeTable.resize(2);
        g.CodeTable(1, 1) = textfile::Value::ofText("A");
        g.CodeTable(1, 2) = textfile::Value::ofText("B");
        g.OutputFileName = scratch.file("report.txt");
        g.InputMode = 1;
    }
    void run(const RecodeChoice& choice) {
        FileRecode(g, sp.platform, choice, [&](const std::string& t) { titles.push_back(t); });
    }
    std::string eventFile(const std::string& name, const std::vector<std::pair<std::string, int>>& records) {
        testsupport::writeEventFile(scratch.file(name), "h", records);
        return scratch.file(name);
    }

    ScratchFolder scratch;
    testsupport::ScriptedPlatform sp;
    Global g;
    std::vector<std::string> titles;
    const RecodeChoice aToB{RecodeMode::Individuals, {"A"}, {"B"}};
};

TEST_F(FileRecodeTest, ChoicesThatLeaveNothingToDoAreRefusedBeforeAnyFileIsRead) {
    g.DataFileName = eventFile("kid.eve", {{"A", 1}, {"-500", 2}});
    struct Case {
        RecodeChoice choice;
        std::string text;
    };
    for (const Case& c : {Case{{RecodeMode::Groups, {"A"}, {}}, "No 'To' codes selected, nothing to do..."},
                          Case{{RecodeMode::Groups, {}, {}}, "No 'To' codes selected, nothing to do..."},
                          Case{{RecodeMode::Groups, {}, {"A"}}, "No 'From' codes selected, nothing to do..."},
                          Case{{RecodeMode::Individuals, {"A", "B"}, {"B"}},
                               "The number of 'From' codes and 'To' codes do not match.\rWhen individual is "
                               "selected, pairs are needed. \r"}}) {
        sp.dialogs.boxes.clear();
        run(c.choice);
        ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
        EXPECT_EQ(sp.dialogs.boxes[0].text, c.text);
        EXPECT_EQ(sp.dialogs.boxes[0].title, "TALVOR");
    }
    EXPECT_FALSE(fs::exists(scratch.file("kid.ever.eve")));
}

TEST_F(FileRecodeTest, OtherNamesAreWarnedAboutAndStillRecoded) {
    g.DataFileName = eventFile("kid.txt", {{"A", 1}, {"-500", 2}});
    run(aToB);
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].text,
              "Any files that are not TALVOR event files are recoded into TALVOR event file format.");
    EXPECT_EQ(sp.dialogs.boxes[0].title, "Warning");
    EXPECT_EQ(readBytes(scratch.file("kid.txtr.eve")), "Events\r\nh\r\nB, 1 \r\n-500, 2 \r\n");
}

TEST_F(FileRecodeTest, ListsOfOtherTypesAreRefused) {
    for (const std::string type : {"List Files", "event files", "Interval Files"}) {
        sp.dialogs.boxes.clear();
        g.InputMode = 4;
        g.DataFileName = scratch.file("study.lst");
        testsupport::writeListFile(g.DataFileName, type, {eventFile("kid.eve", {{"A", 1}, {"-500", 2}})});
        run(aToB);
        ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
        EXPECT_EQ(sp.dialogs.boxes[0].text, "Not a valid list: " + scratch.file("study.lst"));
        EXPECT_EQ(sp.dialogs.boxes[0].title, "ERROR!");
        EXPECT_EQ(g.InputMode, 4);
    }
    EXPECT_EQ(sp.dialogs.beeps, 3);
    EXPECT_FALSE(fs::exists(scratch.file("kid.ever.eve")));
}

TEST_F(FileRecodeTest, ARefusedFileEndsTheRunWithAMessageNamingIt) {
    g.InputMode = 4;
    g.DataFileName = scratch.file("study.lst");
    const std::string bad = eventFile("bad.eve", {{"A", 5}, {"B", 3}, {"-500", 9}});
    testsupport::writeListFile(g.DataFileName, "Event Files",
                               {eventFile("one.eve", {{"A", 1}, {"-500", 2}}), bad,
                                eventFile("three.eve", {{"A", 1}, {"-500", 2}})});
    run(aToB);
    EXPECT_TRUE(fs::exists(scratch.file("one.ever.eve")));
    EXPECT_FALSE(fs::exists(scratch.file("bad.ever.eve")));
    EXPECT_FALSE(fs::exists(scratch.file("three.ever.eve")));
    EXPECT_EQ(titles.size(), 2u);
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].text, "Recoding stopped at " + bad +
                                            ", which could not be read.\rIts errors are in " +
                                            g.OutputFileName);
    EXPECT_EQ(sp.dialogs.boxes[0].title, "Sorry");
    EXPECT_NE(readBytes(g.OutputFileName).find(" Times out of sequence!"), std::string::npos);
}

TEST_F(FileRecodeTest, AShortListEndsWithAMessageAfterTheEntriesItHas) {
    g.InputMode = 4;
    g.DataFileName = scratch.file("study.lst");
    writeBytes(g.DataFileName,
               "Event Files\r\n 3 \r\n" + eventFile("one.eve", {{"A", 1}, {"-500", 2}}) + "\r\n");
    run(aToB);
    EXPECT_TRUE(fs::exists(scratch.file("one.ever.eve")));
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].title, "ERROR!");
    EXPECT_NE(sp.dialogs.boxes[0].text.find(scratch.file("study.lst")), std::string::npos);
}

TEST_F(FileRecodeTest, ARunPastTheSlotWritesNothingForThatFile) {
    std::vector<std::pair<std::string, int>> records;
    for (int i = 1; i < kMaxEvents; ++i) {
        records.emplace_back(i % 2 ? "A" : "B", i);
    }
    records.emplace_back("-500", kMaxEvents);
    g.DataFileName = eventFile("full.eve", records);
    run(RecodeChoice{RecodeMode::Groups, {"A"}, {"A", "B"}});
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].text,
              "Recoding " + g.DataFileName + " would pass 20000 events; nothing was written for it.");
    EXPECT_FALSE(fs::exists(scratch.file("full.ever.eve")));
    EXPECT_EQ(g.EventTimes[0], kMaxEvents); // the slot as it was read

    // Shrinking runs never read what stands past the end record.
    run(RecodeChoice{RecodeMode::Groups, {"A", "B"}, {"B"}});
    const std::string shrunk = readBytes(scratch.file("full.ever.eve"));
    EXPECT_EQ(g.EventTimes[0], kMaxEvents / 2 + 1);
    const std::string tail = "B, 19997 \r\nA, 19999 \r\n-500, 20000 \r\n";
    EXPECT_EQ(shrunk.substr(shrunk.size() - tail.size()), tail);
}

TEST_F(FileRecodeTest, AWriteErrorSaysWhereAndEndsTheRun) {
    g.DataFileName = eventFile("kid.eve", {{"A", 1}, {"-500", 2}});
    fs::create_directory(scratch.file("kid.ever.eve")); // a folder stands where the output goes
    run(aToB);
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].text,
              " There was an error writing your files!\r  Possibly disk is full or has too "
              "many\r  file names ...\r\r  ERR Number: 75\r  File:       " +
                  scratch.file("kid.ever.eve") + "\r  Line:       2");
}

// The main window's item, the analysis dialog and the recode window, as the program wires them.
class RecodeThroughAnal : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy(kRecodeCases / "list-run", scratch.path(), fs::copy_options::recursive);
        g.Code_File = "code.cod";
        ASSERT_EQ(OpenCodeFile(g, sp.platform), textfile::kTrue);
        analyses.wireInto(links);
        tools.wireInto(links);
        analyses.routes().showRecode = [this] { return tools.showRecode(); };
        analyses.routes().fileRecode = [this] { tools.fileRecode(); };
    }

    // Operates the analysis dialog: list or single file, then the pick button.
    std::function<void(QDialog&)> pick(bool list) {
        return [list](QDialog& anal) {
            EXPECT_EQ(anal.findChild<QLabel*>("Label1")->text().toStdString(), " Data File Recoding");
            anal.findChild<QRadioButton*>(list ? "Option4" : "Option1")->setChecked(true);
            anal.findChild<QPushButton*>("Doit_Btn")->click();
        };
    }
    static void click(QDialog& window, const char* name) { window.findChild<QPushButton*>(name)->click(); }

    ScratchFolder scratch;
    CurrentFolder inCase{scratch.path()};
    testsupport::ScriptedPlatform sp;
    Global g;
    MainWindowLinks links;
    AnalysisWindows analyses{g, sp.platform};
    std::vector<std::string> titles;
    ToolWindows tools{g, sp.platform, [this](const std::string& text) {
                          titles.push_back(text);
                          analyses.anal().setLabel(text);
                          analyses.anal().redraw();
                      }};
    Talvor main{g, sp.platform, links};
};

TEST_F(RecodeThroughAnal, AListRunsFromTheMenuItemWithGoForIt) {
    sp.dialogs.files.push_back("study.lst");
    sp.dialogs.modalHandlers.push_back(pick(true));
    sp.dialogs.modalHandlers.push_back([](QDialog& recode) {
        EXPECT_EQ(recode.windowTitle().toStdString(), "File Recoder");
        auto* codes = recode.findChild<QListWidget*>("List1");
        ASSERT_EQ(codes->count(), 6);
        EXPECT_EQ(codes->currentRow(), 0); // A
        click(recode, "Command1");
        codes->setCurrentRow(1); // B
        click(recode, "Command1");
        click(recode, "Command1");
        codes->setCurrentRow(5); // X
        click(recode, "Command3");
        auto* from = recode.findChild<QListWidget*>("List2");
        from->setCurrentRow(2);
        click(recode, "Command2"); // the repeated B goes; the selection moves to the new last entry
        EXPECT_EQ(from->count(), 2);
        EXPECT_EQ(from->currentRow(), 1);
        EXPECT_TRUE(recode.findChild<QRadioButton*>("Option2")->isChecked());
        click(recode, "Command5");
        click(recode, "Command6");
    });
    main.findChild<QAction*>("RecodeData")->trigger();

    EXPECT_EQ(sp.dialogs.modalShown, (std::vector<std::string>{"Anal", "Recode"}));
    EXPECT_TRUE(sp.dialogs.boxes.empty()) << sp.dialogs.boxes.front().text;
    EXPECT_EQ(titles, (std::vector<std::string>{"Processing-day1.eve", "Processing-day2.eve"}));
    for (const char* name : {"day1.ever.eve", "day2.ever.eve"}) {
        EXPECT_EQ(readBytes(name), readBytes(std::string("expected/") + name)) << name;
    }
    EXPECT_TRUE(sp.launcher.started.empty()); // recoding shows no report
}

// Cancel, before or after "&Go for it!", recodes nothing: outputs already there keep their bytes.
TEST_F(RecodeThroughAnal, CancelRecodesNothing) {
    const std::string kept = "Events\r\nkept by hand\r\n-500, 1 \r\n";
    for (const bool goFirst : {false, true}) {
        SCOPED_TRACE(goFirst ? "after Go for it" : "before Go for it");
        writeBytes("day1.ever.eve", kept);
        writeBytes("day2.ever.eve", kept);
        sp.dialogs.files.push_back("study.lst");
        sp.dialogs.modalHandlers.push_back(pick(true));
        sp.dialogs.modalHandlers.push_back([&](QDialog& recode) {
            recode.findChild<QRadioButton*>("Option1")->setChecked(true);
            click(recode, "Command1");
            click(recode, "Command3");
            if (goFirst) {
                click(recode, "Command5");
                // What the person does with the outputs after the run is theirs to keep.
                writeBytes("day1.ever.eve", kept);
                writeBytes("day2.ever.eve", kept);
            }
            click(recode, "Command6");
        });
        main.findChild<QAction*>("RecodeData")->trigger();
        EXPECT_EQ(readBytes("day1.ever.eve"), kept);
        EXPECT_EQ(readBytes("day2.ever.eve"), kept);
        EXPECT_EQ(g.AbortRun, goFirst ? textfile::kFalse : textfile::kTrue);
    }
    EXPECT_TRUE(sp.dialogs.boxes.empty()) << sp.dialogs.boxes.front().text;
}

TEST_F(RecodeThroughAnal, GoForItRunsOnceAndClosingRunsNothingMore) {
    sp.dialogs.files.push_back("day1.eve");
    sp.dialogs.modalHandlers.push_back(pick(false));
    sp.dialogs.modalHandlers.push_back([&](QDialog& recode) {
        recode.findChild<QRadioButton*>("Option1")->setChecked(true);
        click(recode, "Command1");
        recode.findChild<QListWidget*>("List1")->setCurrentRow(2);
        click(recode, "Command3");
        click(recode, "Command5");
        EXPECT_EQ(readBytes("day1.ever.eve"), "Events\r\nDay one\r\nC, 2 \r\nB, 4 \r\n-500, 9 \r\n");
        fs::remove("day1.ever.eve");
        click(recode, "Command7");
    });
    main.findChild<QAction*>("RecodeData")->trigger();
    EXPECT_FALSE(fs::exists("day1.ever.eve"));
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].title, "File recoding...");
    EXPECT_EQ(sp.dialogs.boxes[0].text.substr(0, 51),
              "If you select 'Individual' here, all the codes in\r\n");
}

TEST_F(RecodeThroughAnal, AListTheWindowRefusesAtLoadEndsTheRunOnce) {
    testsupport::writeListFile("lists.lst", "List Files", {"study.lst"});
    // A list of lists runs the recoding for each list it names; this one names a list of lists.
    writeBytes("bad.lst", "Toggle Files\r\n 1 \r\nday1.eve\r\n");
    sp.dialogs.files.push_back("bad.lst");
    sp.dialogs.modalHandlers.push_back(pick(true));
    main.findChild<QAction*>("RecodeData")->trigger();
    EXPECT_EQ(sp.dialogs.modalShown, std::vector<std::string>{"Anal"});
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].text, "Not a valid list: bad.lst");
    EXPECT_EQ(sp.dialogs.boxes[0].title, "Error!");
    EXPECT_EQ(g.AbortRun, textfile::kTrue);
    EXPECT_FALSE(tools.recode().loaded());
}

TEST_F(RecodeThroughAnal, ListsGrowOnlyToTheSizeOfTheCodeSet) {
    g.InputMode = 1;
    Recode& window = tools.recode();
    ASSERT_TRUE(window.Form_Load());
    for (int i = 0; i < 8; ++i) {
        window.Command1_Click();
    }
    EXPECT_EQ(window.choice().from.size(), 6u);
    EXPECT_EQ(sp.dialogs.beeps, 2);
    window.Command4_Click(); // nothing selected in an empty list
    EXPECT_TRUE(window.choice().to.empty());
}

} // namespace
} // namespace ws
