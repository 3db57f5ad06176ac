// The list editor: saved lists against fixture files, its commands and refusals, and the
// window from the main window's menu item to the file it writes.
#include "ToolsTestSupport.h"
#include "support/FixtureCases.h"
#include "support/ScratchFolder.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFiles.h"
#include "workstation/core/ListFile.h"
#include "workstation/core/windows/Talvor.h"
#include "workstation/tools/ListEditSession.h"
#include "workstation/tools/windows/ListEdit3.h"
#include "workstation/tools/windows/ToolWindows.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QUrl>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace ws {
namespace {

namespace fs = std::filesystem;
using platform::Answer;
using platform::Buttons;
using testsupport::readBytes;
using testsupport::ScratchFolder;
using testsupport::writeBytes;

std::vector<std::string> linesOf(const fs::path& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

class ListSaveCase : public testsupport::FixtureCase {
protected:
    fs::path family() const override { return testsupport::fixtureFamily("tools/list-save"); }
};

// Entries come in through "&Add a File..." (which keeps repeats), the type from the check mark,
// the name from the save dialog.
TEST_P(ListSaveCase, SavedListMatchesExpectedBytes) {
    auto settings = caseSettings();
    ScratchFolder scratch;
    testsupport::ScriptedPlatform sp;
    ListEditSession list(sp.dialogs);
    for (const std::string& entry : linesOf(folder() / "entries.txt")) {
        sp.dialogs.files.push_back(entry);
        list.addFile();
    }
    if (settings["listOfLists"] == "1") {
        list.toggleListOfLists();
    }
    sp.dialogs.files.push_back(scratch.file(settings["chosen"]));
    list.SaveList();

    EXPECT_TRUE(sp.dialogs.boxes.empty());
    EXPECT_EQ(list.ListName, scratch.file(settings["written"]));
    EXPECT_EQ(list.caption(), "List Editor (" + settings["written"] + ")");
    EXPECT_FALSE(list.ListChanged);
    EXPECT_TRUE(
        testsupport::sameAsFile(readBytes(scratch.file(settings["written"])), folder() / "expected.lst"));
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch.path()), fs::directory_iterator()), 1);
}

SUITE_FIXTURE_CASES(ListSaveCase, "tools/list-save");

class ListEditSessionTest : public ::testing::Test {
protected:
    ScratchFolder scratch;
    testsupport::ScriptedPlatform sp;
    ListEditSession list{sp.dialogs};
};

TEST_F(ListEditSessionTest, SaveAsksOnlyWhenItMustAndWritesNoEmptyList) {
    list.SaveList(); // untitled, unchanged, empty: nothing at all
    EXPECT_TRUE(sp.dialogs.saveRequests.empty());
    list.ListChanged = true;
    list.SaveList(); // empty: nothing written, nothing shown, the change forgotten
    EXPECT_TRUE(sp.dialogs.saveRequests.empty());
    EXPECT_FALSE(list.ListChanged);

    list.dropFiles({"/d/a.eve"});
    list.ListChanged = false;
    list.SaveList(); // untitled with entries asks even when unchanged
    ASSERT_EQ(sp.dialogs.saveRequests.size(), 1u);
    const auto& request = sp.dialogs.saveRequests[0];
    EXPECT_EQ(request.title, "Name the list file...");
    EXPECT_EQ(request.filter, "TALVOR List Files (*.lst)|*.lst|All Files(*.*)|*.*");
    EXPECT_EQ(request.flags, platform::kOverwritePrompt | platform::kHideReadOnly);
    EXPECT_TRUE(list.DialogCancelled);
    EXPECT_EQ(list.ListName, "Untitled");
    EXPECT_FALSE(fs::exists(scratch.file("Untitled")));

    sp.dialogs.files.push_back(scratch.file("kids"));
    list.SaveList();
    EXPECT_EQ(list.ListName, scratch.file("kids.lst"));
    writeBytes(list.ListName, "stale");
    list.SaveList(); // a named list is written again even when unchanged
    EXPECT_EQ(readBytes(list.ListName), "Event Files\r\n 1 \r\n/d/a.eve\r\n");
    EXPECT_EQ(sp.dialogs.saveRequests.size(), 2u);
}

TEST_F(ListEditSessionTest, ASaveThatPartsTheListFromItsHardLinksSaysSoOnce) {
    const std::string path = scratch.file("kids.lst");
    const std::string old = "Event Files\r\n 1 \r\n/d/old.eve\r\n";
    writeBytes(path, old);
    ASSERT_EQ(::link(path.c_str(), scratch.file("shared.lst").c_str()), 0);
    sp.dialogs.files.push_back(path);
    list.OpenList();
    list.dropFiles({"/d/a.eve"});
    list.SaveList();
    list.SaveList();
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].text, "Saved " + path +
                                            ".\r\nThe file had other hard links: they keep the old "
                                            "contents, and only this name holds what was saved.");
    EXPECT_EQ(sp.dialogs.boxes[0].title, "File Saved");
    EXPECT_EQ(readBytes(scratch.file("shared.lst")), old);
    EXPECT_EQ(readBytes(path), "Event Files\r\n 2 \r\n/d/old.eve\r\n/d/a.eve\r\n");
}

TEST_F(ListEditSessionTest, FailedSaveSaysSoKeepsTheOldFileAndStopsNewAndOpen) {
    const std::string old = scratch.file("kids.lst");
    writeBytes(old, "Event Files\r\n 1 \r\n/d/old.eve\r\n");
    sp.dialogs.files.push_back(old);
    list.OpenList();
    list.dropFiles({"/d/a.eve", "/d/b.eve"});
    {
        toolstest::FileSizeLimit full(8); // a disk that takes no more than 8 bytes per file
        list.SaveList();
        list.newList();
        sp.dialogs.files.push_back(scratch.file("other.lst"));
        list.open();
        EXPECT_FALSE(list.exit()); // nor may the window go
    }
    ASSERT_EQ(sp.dialogs.boxes.size(), 4u);
    EXPECT_EQ(sp.dialogs.boxes[0].text, "Error Saving " + old + "\r");
    EXPECT_EQ(sp.dialogs.boxes[0].title, "ERROR!");
    EXPECT_EQ(sp.dialogs.beeps, 4);
    EXPECT_EQ(readBytes(old), "Event Files\r\n 1 \r\n/d/old.eve\r\n");
    EXPECT_EQ(list.entries, (std::vector<std::string>{"/d/old.eve", "/d/a.eve", "/d/b.eve"}));
    EXPECT_TRUE(list.ListChanged);
    EXPECT_EQ(sp.dialogs.files.size(), 1u); // Open never asked for the other list

    // A folder that is not there.
    list.ListName = scratch.file("gone/kids.lst");
    list.SaveList();
    EXPECT_EQ(sp.dialogs.boxes.back().text, "Error Saving " + scratch.file("gone/kids.lst") + "\r");
    EXPECT_TRUE(list.SaveFailed);
}

TEST_F(ListEditSessionTest, OpenTakesAnyTypeAndAShortListLoadsWhatItHas) {
    const std::string lists = scratch.file("lists.lst");
    writeBytes(lists, "List Files\r\n 2 \r\n/l/a.lst\r\n/l/a.lst\r\n");
    sp.dialogs.files.push_back(lists);
    list.open();
    EXPECT_EQ(list.entries, (std::vector<std::string>{"/l/a.lst", "/l/a.lst"}));
    EXPECT_FALSE(list.listOfLists); // the check mark is never taken from a file
    EXPECT_EQ(list.caption(), "List Editor (lists.lst)");
    EXPECT_EQ(sp.dialogs.openRequests.at(0).title, "Pick the list file to open...");
    EXPECT_EQ(sp.dialogs.openRequests.at(0).filter, "TALVOR List Files (*.lst)|*.lst|All Files (*.*)|*.*");

    const std::string shortList = scratch.file("short.lst");
    writeBytes(shortList, "Event Files\r\n 5 \r\n/d/a.eve\r\n/d/b.eve\r\n/d/c.eve\r\n");
    sp.dialogs.files.push_back(shortList);
    list.open();
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].text, "Error loading short.lst\rUntitled will be used...");
    EXPECT_EQ(sp.dialogs.boxes[0].title, "ERROR!");
    EXPECT_EQ(list.entries.size(), 3u);
    EXPECT_EQ(list.ListName, "Untitled");
    list.SaveList(); // Save asks for a name now
    EXPECT_EQ(sp.dialogs.saveRequests.size(), 1u);
}

TEST_F(ListEditSessionTest, EditsMoveDeleteDropAndToggle) {
    list.dropFiles({"/d/a.eve", "/d/b.eve", "/d/a.eve"});
    EXPECT_EQ(list.entries, (std::vector<std::string>{"/d/a.eve", "/d/b.eve"}));
    EXPECT_TRUE(list.IsInList("/d/b.eve"));
    EXPECT_FALSE(list.IsInList("/D/b.eve"));
    list.ListChanged = false;
    list.dropFiles({"/d/b.eve"});
    EXPECT_FALSE(list.ListChanged);

    struct Move {
        int selected;
        bool up;
        int after;
        std::vector<std::string> entries;
    };
    for (const Move& m :
         {Move{0, true, 0, {"/d/a.eve", "/d/b.eve"}}, Move{1, false, 1, {"/d/a.eve", "/d/b.eve"}},
          Move{-1, false, -1, {"/d/a.eve", "/d/b.eve"}}, Move{1, true, 0, {"/d/b.eve", "/d/a.eve"}},
          Move{0, false, 1, {"/d/a.eve", "/d/b.eve"}}}) {
        list.selected = m.selected;
        m.up ? list.moveUp() : list.moveDown();
        EXPECT_EQ(list.selected, m.after);
        EXPECT_EQ(list.entries, m.entries);
    }

    list.ListChanged = false;
    list.selected = -1;
    list.deleteEntry();
    EXPECT_TRUE(list.ListChanged);
    EXPECT_EQ(list.entries.size(), 2u);
    list.selected = 0;
    list.deleteEntry();
    EXPECT_EQ(list.entries, std::vector<std::string>{"/d/b.eve"});

    list.toggleListOfLists();
    EXPECT_TRUE(list.listOfLists);
    list.newList(); // changed and untitled: the save asks, and a cancel keeps everything
    EXPECT_EQ(list.entries.size(), 1u);
    list.ListChanged = false;
    list.newList();
    EXPECT_TRUE(list.entries.empty());
    EXPECT_EQ(list.ListName, "Untitled");
}

// A name that would not read back as the one entry it is, added or dropped, is refused with
// a box and leaves the list as it was.
TEST_F(ListEditSessionTest, NamesWithLineEndsOrNulBytesAreRefused) {
    for (const std::string& name : {std::string("/d/a\r\nb.eve"), std::string("/d/a\rb.eve"),
                                    std::string("/d/a\nb.eve"), std::string("/d/a.eve\0/etc/passwd", 20)}) {
        SCOPED_TRACE(testing::PrintToString(name));
        ListEditSession session(sp.dialogs);
        sp.dialogs.boxes.clear();
        sp.dialogs.files.push_back(name);
        session.addFile();
        session.dropFiles({name, "/d/ok.eve"});
        EXPECT_EQ(session.entries, std::vector<std::string>{"/d/ok.eve"});
        ASSERT_EQ(sp.dialogs.boxes.size(), 2u);
        for (const testsupport::ShownBox& box : sp.dialogs.boxes) {
            EXPECT_EQ(box.text,
                      "A list cannot keep a file name that holds a line break or a NUL byte:\r" + name);
            EXPECT_EQ(box.title, "ERROR!");
            EXPECT_EQ(box.buttons, Buttons::OK);
        }
        EXPECT_TRUE(session.DialogCancelled);
    }
}

TEST_F(ListEditSessionTest, SaveAsKeepsTheOldNameWhenCancelledAndExitLetsACancelGo) {
    list.dropFiles({"/d/a.eve"});
    sp.dialogs.files.push_back(scratch.file("a.lst"));
    list.SaveList();
    list.saveAs(); // cancelled
    EXPECT_EQ(list.ListName, scratch.file("a.lst"));
    EXPECT_FALSE(list.DialogCancelled);
    sp.dialogs.files.push_back(scratch.file("b.x.y"));
    list.saveAs();
    EXPECT_EQ(list.ListName, scratch.file("b.lst"));
    EXPECT_TRUE(fs::exists(scratch.file("b.lst")));

    ListEditSession untitled(sp.dialogs);
    untitled.dropFiles({"/d/a.eve"});
    EXPECT_TRUE(untitled.exit()); // the person cancelled the name: they chose not to save
}

TEST_F(ListEditSessionTest, HelpText) {
    list.help();
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].title, "List Editor");
    EXPECT_EQ(sp.dialogs.boxes[0].icon, platform::Icon::Information);
    EXPECT_EQ(sp.dialogs.boxes[0].text, "List Editor Help\r\n\r\n"
                                        " The list editor lets you make lists of event files to \r\n"
                                        " process with the different Talvor analyses. \r\n\r\n"
                                        " You can drag files from the Windows Explorer folder \r\n"
                                        " onto the list area to put files in the list quickly. \r\n\r\n"
                                        " The toolbar buttons have pop-up tool tips that explain \r\n"
                                        " what they do if you hover over each button with the mouse.  \r\n"
                                        " The buttons mimic the drop down menu options.\r\n\r\n"
                                        " If the list file is a list of list files be sure the \r\n"
                                        " 'List of List Files' menu item is checked on the Edit Menu \r\n"
                                        " when you save the list.\r\n\r\n");
}

// From the main window's menu item to the list file, through the window's own menus, toolbar
// and a drop from the file manager.
TEST(ListEdit3Window, MenuItemToSavedList) {
    ScratchFolder scratch;
    toolstest::Workstation station;
    auto& sp = station.sp;
    sp.dialogs.files = {scratch.file("one.eve"), scratch.file("day.2.lst")};
    std::string caption;
    sp.dialogs.modalHandlers.push_back([&](QDialog& dialog) {
        auto& editor = dynamic_cast<ListEdit3&>(dialog);
        EXPECT_EQ(editor.windowTitle().toStdString(), "List Editor (Untitled)");
        editor.findChild<QAction*>("AddFileMnu")->trigger();

        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(scratch.file("two.eve"))),
                      QUrl::fromLocalFile(QString::fromStdString(scratch.file("one.eve")))});
        auto* list = editor.findChild<QListWidget*>("List1");
        toolstest::dropFiles(*list->viewport(), data);
        ASSERT_EQ(list->count(), 2);

        list->setCurrentRow(1);
        editor.findChild<QAction*>("Toolbar1_8")->trigger(); // Move File Up
        editor.findChild<QAction*>("LOLMnu")->trigger();
        editor.findChild<QAction*>("LOLMnu")->trigger();
        editor.findChild<QAction*>("Toolbar1_3")->trigger(); // Save List File
        caption = editor.windowTitle().toStdString();
        editor.findChild<QAction*>("ExitMnu")->trigger();
    });
    station.choose("ListEditor");

    EXPECT_EQ(sp.dialogs.modalShown, std::vector<std::string>{"ListEdit3"});
    EXPECT_EQ(caption, "List Editor (day.lst)");
    EXPECT_EQ(
        readBytes(scratch.file("day.lst")),
        testsupport::crlfLines({"Event Files", " 2 ", scratch.file("two.eve"), scratch.file("one.eve")}));
    EXPECT_TRUE(sp.dialogs.boxes.empty());
}

} // namespace
} // namespace ws
