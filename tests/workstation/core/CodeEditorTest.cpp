// The code-set editor's logic, run once over each program's binding: the video coder's
// (gCodes, the editor's group descriptions) and the workstation's (CodeTable, GroupNames).
#include "workstation/core/CodeEditorRigs.h"

#include "support/ScratchFolder.h"
#include "textfile/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using testsupport::EditorRig;
using Rows = std::vector<std::string>;

const Rows kThree = {R"("A","Alpha",1)", R"("B","Beta",2)", R"("C","Gamma",3)"};

std::string groupLines(const std::vector<std::string>& names) {
    std::string text;
    for (int group = 0; group < 49; ++group) {
        text += "\"" +
                (group < static_cast<int>(names.size()) ? names[static_cast<std::size_t>(group)] : "") +
                "\"\r\n";
    }
    return text;
}

std::string codeFile(const Rows& rows, const std::vector<std::string>& groups = {"Talk", "Move"}) {
    std::string text = " " + std::to_string(rows.size()) + " \r\n";
    for (const std::string& row : rows) {
        text += row + "\r\n";
    }
    return text + groupLines(groups);
}

// Codes "Cn" numbered 1..count, each in group 1.
Rows manyCodes(int count) {
    Rows rows;
    for (int code = 1; code <= count; ++code) {
        rows.push_back("\"C" + std::to_string(code) + "\",\"\",1");
    }
    return rows;
}

struct RigParam {
    const char* name;
    std::unique_ptr<EditorRig> (*make)();
};

class CodeEditorTest : public ::testing::TestWithParam<RigParam> {
protected:
    void SetUp() override { rig = GetParam().make(); }
    // Reads a file of these codes as the program does and loads the editor.
    std::string start(const Rows& rows = kThree, const std::string& name = "set.cod") {
        const std::string path = scratch.file(name);
        textfile::saveFileAtomically(path, codeFile(rows));
        rig->read(path);
        rig->view().calls.clear();
        return path;
    }
    testsupport::ScriptedDialogs& dialogs() { return rig->doubles().dialogs; }
    vc::CodeEditor& editor() { return rig->editor(); }
    bool coder() const { return rig->coder(); }

    testsupport::ScratchFolder scratch;
    std::unique_ptr<EditorRig> rig;
};

// Every row action, from the row given, with the rows, count, current row and beeps after it.
TEST_P(CodeEditorTest, RowActionsAsTable) {
    struct Case {
        const char* what;
        Rows codes;
        int row;
        int action;
        Rows rows;
        int currentAfter;
        int beeps;
    };
    const std::vector<Case> cases = {
        {"delete the last row", kThree, 3, vc::kDeleteAction, {kThree[0], kThree[1]}, 3, 0},
        {"delete the first row", kThree, 1, vc::kDeleteAction, {kThree[1], kThree[2]}, 1, 0},
        {"delete the only row", {kThree[0]}, 1, vc::kDeleteAction, {kThree[0]}, 1, 0},
        {"delete with no current row", kThree, 0, vc::kDeleteAction, kThree, 0, 0},
        {"move up the first row", kThree, 1, vc::kMoveUpAction, kThree, 1, 1},
        {"move up: the moved row becomes text",
         kThree,
         2,
         vc::kMoveUpAction,
         {R"("B","Beta","2")", kThree[0], kThree[2]},
         1,
         0},
        {"move down the last row", kThree, 3, vc::kMoveDownAction, kThree, 3, 1},
        {"move down: the moved row becomes text",
         kThree,
         1,
         vc::kMoveDownAction,
         {R"("B","Beta","2")", kThree[0], kThree[2]},
         2,
         0},
        {"move up with no current row", kThree, 0, vc::kMoveUpAction, kThree, 0, 0},
        {"move down with no current row", kThree, 0, vc::kMoveDownAction, kThree, 0, 0},
        {"add: an empty row at the end",
         kThree,
         2,
         vc::kAddAction,
         {kThree[0], kThree[1], kThree[2], ",,"},
         2,
         0},
        {"insert: a Null row at the current row",
         kThree,
         2,
         vc::kInsertAction,
         {kThree[0], "#NULL#,#NULL#,#NULL#", kThree[1], kThree[2]},
         2,
         0},
        {"insert with no current row", kThree, 0, vc::kInsertAction, kThree, 0, 0},
        {"a separator", kThree, 2, 4, kThree, 2, 0},
        {"an index past the toolbar", kThree, 2, 15, kThree, 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        start(c.codes);
        rig->view().row = c.row;
        editor().Toolbar1_ButtonClick(c.action);
        EXPECT_EQ(rig->rows(), c.rows);
        EXPECT_EQ(rig->table().count(), static_cast<int>(c.rows.size()));
        EXPECT_EQ(rig->view().row, c.currentAfter);
        EXPECT_EQ(dialogs().beeps, c.beeps);
        EXPECT_EQ(rig->view().calls.front(), "commit") << "the cell being edited reaches the table first";
        EXPECT_TRUE(dialogs().boxes.empty());
    }
}

// Add refuses at exactly the program's limit, naming one more, joined as the box always read;
// Insert has no limit and a larger set read from a file still grows by Add.
TEST_P(CodeEditorTest, AddRefusesAtTheLimitOnly) {
    const int limit = coder() ? 499 : 999;
    start(manyCodes(limit));
    rig->view().row = 1;
    editor().ToolbarAction(vc::kAddAction);
    ASSERT_EQ(dialogs().boxes.size(), 1u);
    EXPECT_EQ(dialogs().boxes[0].text, coder() ? "Only 500allowed!" : "Only 1000allowed!");
    EXPECT_EQ(dialogs().boxes[0].title, "Too Many!");
    EXPECT_EQ(dialogs().boxes[0].buttons, Buttons::OK);
    EXPECT_EQ(rig->table().count(), limit);

    editor().ToolbarAction(vc::kInsertAction);
    EXPECT_EQ(rig->table().count(), limit + 1);
    editor().ToolbarAction(vc::kAddAction);
    EXPECT_EQ(rig->table().count(), limit + 2);
    EXPECT_EQ(dialogs().boxes.size(), 1u);
}

TEST_P(CodeEditorTest, EraseAllKeepsDescriptionsAndCaptionAndCancelChangesNothing) {
    const std::string path = start();
    dialogs().answers = {Answer::Cancel};
    editor().ToolbarAction(vc::kEraseAllAction);
    EXPECT_EQ(rig->rows(), kThree);
    EXPECT_EQ(rig->table().fileName(), path);

    editor().ToolbarAction(vc::kEraseAllAction);
    ASSERT_EQ(dialogs().boxes.size(), 2u);
    EXPECT_EQ(dialogs().boxes[1].text, "Really erase all codes?");
    EXPECT_EQ(dialogs().boxes[1].title, "Verify");
    EXPECT_EQ(dialogs().boxes[1].buttons, Buttons::OKCancel);
    EXPECT_EQ(rig->rows(), Rows{",,"});
    EXPECT_EQ(rig->table().count(), 1);
    EXPECT_EQ(rig->table().fileName(), "") << "the set is untitled";
    EXPECT_EQ(rig->group(0), "Talk");
    EXPECT_EQ(rig->view().caption, "Code File Editor (set.cod)") << "the caption is not renewed";

    dialogs().files = {scratch.file("named.cod")};
    editor().ToolbarAction(vc::kSaveAction);
    EXPECT_EQ(dialogs().saveRequests.size(), 1u) << "the next save asks for a name";
    EXPECT_TRUE(std::filesystem::exists(scratch.file("named.cod")));
}

TEST_P(CodeEditorTest, HelpShowsItsText) {
    start();
    editor().ToolbarAction(vc::kHelpAction);
    ASSERT_EQ(dialogs().boxes.size(), 1u);
    EXPECT_EQ(dialogs().boxes[0].text,
              "* Leave the mouse over each toolbar \r\n  button to show its function. \r\n\r\n"
              "* Loading a code file makes\r\n  it the current code file.\r\n\r\n"
              "* File gets saved when editor is closed. \r\n"
              "  To quit without saving... hit revert first.\r\n\r\n");
    EXPECT_EQ(dialogs().boxes[0].title, "Code file editor...");
    EXPECT_EQ(dialogs().boxes[0].icon, Icon::Information);
}

// Open asks even with a file named and saves nothing first; cancelled, the name, the table
// and the caption stay; a file read replaces the table and renews the caption.
TEST_P(CodeEditorTest, OpenCancelledKeepsAllAndOpenReadsAnother) {
    const std::string path = start();
    rig->view().row = 1;
    editor().ToolbarAction(vc::kInsertAction);
    const Rows edited = rig->rows();
    editor().ToolbarAction(vc::kOpenAction);
    ASSERT_EQ(dialogs().openRequests.size(), 1u);
    EXPECT_EQ(dialogs().openRequests[0].title, "Open the Code file...");
    EXPECT_TRUE(dialogs().saveRequests.empty());
    EXPECT_EQ(rig->table().fileName(), path);
    EXPECT_EQ(rig->rows(), edited);
    EXPECT_EQ(rig->view().caption, "Code File Editor (set.cod)");
    EXPECT_EQ(textfile::readWholeFile(path), codeFile(kThree)) << "Open never saves first";

    const std::string other = scratch.file("other.cod");
    textfile::saveFileAtomically(other, codeFile({R"("X","Ex",5)"}, {"Zero"}));
    dialogs().files = {other};
    rig->view().calls.clear();
    editor().MenuAction(vc::kOpenAction);
    EXPECT_EQ(rig->rows(), Rows{R"("X","Ex",5)"});
    EXPECT_EQ(rig->group(0), "Zero");
    EXPECT_EQ(rig->table().fileName(), other);
    EXPECT_EQ(rig->view().caption, "Code File Editor (other.cod)");
    EXPECT_NE(std::find(rig->view().calls.begin(), rig->view().calls.end(), "refreshCodes"),
              rig->view().calls.end())
        << "the grid shows the table read";
    EXPECT_EQ(textfile::readWholeFile(path), codeFile(kThree));
}

// A file that cannot be read leaves the set as it was, under its own name.
TEST_P(CodeEditorTest, OpenOfADamagedFileKeepsTheSet) {
    const std::string path = start();
    const std::string damaged = scratch.file("damaged.cod");
    textfile::saveFileAtomically(damaged, " 5 \r\n\"Q\",\"Cue\",1\r\n");
    dialogs().files = {damaged};
    editor().ToolbarAction(vc::kOpenAction);
    EXPECT_EQ(rig->rows(), kThree);
    EXPECT_EQ(rig->table().fileName(), path);
    EXPECT_FALSE(rig->table().changed());
}

// Save As: the coder saves the current file first; cancelled, the name stays.
TEST_P(CodeEditorTest, SaveAsCancelledKeepsTheName) {
    const std::string path = start();
    rig->view().row = 1;
    editor().ToolbarAction(vc::kDeleteAction);
    editor().ToolbarAction(vc::kSaveAsAction);
    EXPECT_EQ(rig->table().fileName(), path);
    EXPECT_EQ(rig->view().caption, "Code File Editor (set.cod)");
    ASSERT_EQ(dialogs().saveRequests.size(), 1u);
    EXPECT_EQ(dialogs().saveRequests[0].title, "Name the Code file...");
    EXPECT_EQ(textfile::readWholeFile(path) == codeFile(kThree), !coder())
        << "only the coder saves the current file first";
}

TEST_P(CodeEditorTest, SaveAsWritesTheSameCodesUnderTheNewName) {
    start();
    const std::string copy = scratch.file("copy.cod");
    dialogs().files = {copy};
    editor().ToolbarAction(vc::kSaveAsAction);
    EXPECT_EQ(rig->table().fileName(), copy);
    EXPECT_EQ(rig->view().caption, "Code File Editor (copy.cod)");
    EXPECT_NE(textfile::readWholeFile(copy).find("\"Gamma\""), std::string::npos);
    EXPECT_NE(textfile::readWholeFile(copy).find("\"Move\""), std::string::npos);
}

// New, cancelled: the coder's New is Save As; the workstation's puts back the table, the
// count and the group names under the old name (as it stood, an empty table would be left
// under the old name for its close to write over the old file).
TEST_P(CodeEditorTest, NewCancelledRestoresEverything) {
    const std::string path = start();
    editor().NewMnu_Click();
    EXPECT_EQ(rig->rows(), kThree);
    EXPECT_EQ(rig->table().count(), 3);
    EXPECT_EQ(rig->table().fileName(), path);
    EXPECT_EQ(rig->group(1), "Move");
    EXPECT_FALSE(rig->table().changed());
    EXPECT_EQ(textfile::readWholeFile(path), codeFile(kThree)) << "an unchanged set is written the same";
}

// New, named: the coder's file is a copy; the workstation's holds no codes but the group
// names, which then go from the editor.
TEST_P(CodeEditorTest, NewNamedMakesTheProgramsNewFile) {
    start();
    const std::string fresh = scratch.file("fresh.cod");
    dialogs().files = {fresh};
    editor().NewMnu_Click();
    EXPECT_EQ(rig->table().fileName(), fresh);
    EXPECT_EQ(rig->view().caption, "Code File Editor (fresh.cod)");
    const std::string written = textfile::readWholeFile(fresh);
    EXPECT_NE(written.find("\"Move\""), std::string::npos);
    if (coder()) {
        EXPECT_EQ(rig->rows(), kThree);
        EXPECT_EQ(rig->group(1), "Move");
        EXPECT_EQ(written.substr(0, 5), " 3 \r\n");
    } else {
        EXPECT_EQ(written.substr(0, 5), " 0 \r\n");
        EXPECT_EQ(rig->rows(), Rows{",,"});
        EXPECT_EQ(rig->table().count(), 0);
        EXPECT_EQ(rig->group(1), "");
    }
}

TEST_P(CodeEditorTest, RevertReadsTheFileAgain) {
    start();
    rig->view().row = 2;
    editor().ToolbarAction(vc::kInsertAction);
    editor().MenuAction(vc::kRevertAction);
    EXPECT_EQ(rig->rows(), kThree);
    EXPECT_TRUE(dialogs().openRequests.empty());
    EXPECT_FALSE(rig->table().changed());
}

// The clipboard keys act on the current cell with their exact shift states; X copies without
// clearing; other keys and states are left to the grid.
TEST_P(CodeEditorTest, ClipboardKeysWithExactShiftStates) {
    struct Case {
        int key;
        int shift;
        bool handled;
        std::vector<std::string> calls;
        const char* cellAfter;
    };
    const std::vector<Case> cases = {
        {67, 2, true, {"Clear", "Set Beta"}, "\"Beta\""},
        {88, 2, true, {"Clear", "Set Beta"}, "\"Beta\""},
        {45, 2, true, {"Clear", "Set Beta"}, "\"Beta\""},
        {86, 2, true, {"Get"}, "\"held\""},
        {45, 1, true, {"Get"}, "\"held\""},
        {67, 3, false, {}, "\"Beta\""},
        {86, 6, false, {}, "\"Beta\""},
        {86, 0, false, {}, "\"Beta\""},
        {45, 0, false, {}, "\"Beta\""},
        {65, 2, false, {}, "\"Beta\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.key) + " shift " + std::to_string(c.shift));
        SetUp();
        start();
        auto& clipboard = rig->doubles().clipboard;
        clipboard.held = "held";
        rig->view().row = 2;
        rig->view().field = 2;
        EXPECT_EQ(editor().Fg2_KeyDown(c.key, c.shift), c.handled);
        EXPECT_EQ(clipboard.calls, c.calls);
        EXPECT_EQ(rig->rows()[1], std::string("\"B\",") + c.cellAfter + ",2");
    }
}

// Load: the coder places the window where it was stored, the workstation centres it; the
// caption, the headers and the group column's list; a count of 0 becomes one code in the coder
// and stays 0 over one empty row in the workstation, which keeps its group names.
TEST_P(CodeEditorTest, LoadPlacesCaptionsDressesAndBinds) {
    const std::string path = scratch.file("set.cod");
    textfile::saveFileAtomically(path, codeFile(kThree, {"Kept"}));
    rig->read(path);
    const auto& calls = rig->view().calls;
    EXPECT_EQ(calls[0], coder() ? "place 0 0 0 0" : "centre");
    EXPECT_EQ(rig->view().caption, "Code File Editor (set.cod)");
    std::string list;
    for (int group = 0; group <= 48; ++group) {
        list += (group == 0 ? "" : "|") + std::to_string(group);
    }
    EXPECT_NE(std::find(calls.begin(), calls.end(), "dress Code,Description,Group " + list), calls.end());
    EXPECT_TRUE(editor().loaded());

    rig->table().setCount(0);
    editor().Form_Load();
    EXPECT_EQ(rig->rows(), Rows{",,"});
    EXPECT_EQ(rig->table().count(), coder() ? 1 : 0);
    EXPECT_EQ(rig->group(0), "Kept") << "a set of no codes keeps its group names";
}

// Unload: an unchanged set is not written; a changed one is; the coder stores its geometry and
// settings only in the normal state and then empties the set, the workstation keeps it.
TEST_P(CodeEditorTest, UnloadWritesOnlyChangesAndKeepsOrEmptiesTheSet) {
    const std::string path = start();
    std::filesystem::permissions(scratch.path(),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    editor().ExitMnu_Click();
    std::filesystem::permissions(scratch.path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(rig->view().closes, std::vector<std::string>{"closed"})
        << "a read-only unchanged set closes quietly";
    EXPECT_TRUE(dialogs().boxes.empty());
    EXPECT_FALSE(editor().loaded());
    if (coder()) {
        EXPECT_EQ(rig->rows(), Rows{",,"});
        EXPECT_EQ(rig->table().fileName(), "");
        EXPECT_EQ(rig->doubles().settings.values.count({"Vintrosa", "Window Positions", "gCodeLeft"}), 1u);
    } else {
        EXPECT_EQ(rig->rows(), kThree);
        EXPECT_EQ(rig->table().fileName(), path);
    }

    start();
    rig->view().row = 1;
    editor().ToolbarAction(vc::kAddAction);
    rig->view().normal = false;
    rig->doubles().settings.values.clear();
    ASSERT_TRUE(editor().Form_Unload());
    EXPECT_EQ(textfile::readWholeFile(path).substr(0, 5), " 4 \r\n");
    EXPECT_EQ(rig->doubles().settings.values.empty(), coder())
        << "maximised, the coder stores neither geometry nor settings";
}

// A changed set whose save did not happen keeps the editor open with its codes.
TEST_P(CodeEditorTest, CloseStopsWhenTheSaveDidNotHappen) {
    start();
    rig->view().row = 1;
    editor().ToolbarAction(vc::kEraseAllAction); // untitled now
    editor().ToolbarAction(vc::kAddAction);
    editor().ExitMnu_Click();
    EXPECT_EQ(rig->view().closes, std::vector<std::string>{"stays"});
    EXPECT_TRUE(editor().loaded());
    EXPECT_EQ(rig->table().count(), 2);

    const std::string blocker = scratch.file("blocker");
    textfile::saveFileAtomically(blocker, "x");
    dialogs().files = {blocker + "/set.cod"};
    editor().ExitMnu_Click();
    EXPECT_EQ(rig->view().closes, (std::vector<std::string>{"stays", "stays"}));
    EXPECT_TRUE(editor().loaded());
    EXPECT_EQ(rig->table().count(), 2);

    dialogs().files = {scratch.file("saved.cod")};
    editor().ExitMnu_Click();
    EXPECT_EQ(rig->view().closes.back(), "closed");
}

TEST_P(CodeEditorTest, PrintSendsTheCodesGridAfterThePrinterDialog) {
    const std::string path = start();
    auto& printer = rig->doubles().printer;
    printer.setupAnswer = false;
    editor().PrintMnu_Click();
    EXPECT_TRUE(printer.documents.empty());
    printer.setupAnswer = true;
    editor().PrintMnu_Click();
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(printer.documents[0], (std::vector<std::string>{"Code\tDescription\tGroup", "A\tAlpha\t1",
                                                              "B\tBeta\t2", "C\tGamma\t3"}));
    // Named by the code file as held, in portrait whatever the set-up chose.
    EXPECT_EQ(printer.names,
              (std::vector<testsupport::DocumentName>{{path, platform::PageOrientation::Portrait}}));
    printer.outcome = {platform::PrintOutcome::Kind::Failed, "no paper"};
    editor().PrintMnu_Click();
    ASSERT_EQ(dialogs().boxes.size(), 1u);
    EXPECT_NE(dialogs().boxes[0].text.find("no paper"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Bindings, CodeEditorTest,
                         ::testing::Values(RigParam{"coder", &testsupport::coderRig},
                                           RigParam{"workstation", &testsupport::workstationRig}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
