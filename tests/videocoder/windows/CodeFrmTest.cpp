// The code-set editor's window in the video coder, offscreen: its tabs, grids, toolbar, menus
// and keys, and what its edits do to the coding grid.
#include "videocoder/core/windows/CodeFrm.h"
#include "../core/SampleCoding.h"
#include "support/ScratchFolder.h"
#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"
#include "videocoder/coding/windows/DataFrmWindow.h"
#include "videocoder/core/CodeSetFile.h"
#include "videocoder/core/DataFile.h"
#include "videocoder/core/RefreshDataGrid.h"
#include "videocoder/core/windows/CodeFrmWindows.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

struct Coder {
    testsupport::ScratchFolder scratch;
    testsupport::ScriptedPlatform platform;
    testsupport::ScriptedDialogs& dialogs = platform.dialogs;
    vc::Globals g;
    vc::PlayerLinks players;
    vc::DataFrmWindow window{g, platform.platform, players};
    vc::CodingWindowModel dataFrm{window.controller()};
    vc::GroupDescriptions groups;
    vc::CoderLinks links{dialogs, dataFrm, groups, {}};
    vc::CodeFrmWindows codeFrm{g, links, platform.platform};

    Coder() {
        links.RefreshDataGrid = [this] { vc::RefreshDataGrid(g, links); };
        window.attach(links, {});
        window.controller().later().set(vc::LaterItem::ShowCodesMnu,
                                        [this] { codeFrm.ShowCodesMnu_Click(); });
    }
    // The sample study open in the coding window.
    std::string openSample() {
        const std::string cod = scratch.file("kids.cod");
        textfile::saveFileAtomically(cod, vctest::sampleCodeSet());
        g.data.gFileName = scratch.file("kids.qvd");
        textfile::saveFileAtomically(g.data.gFileName, vctest::sampleData(cod, 2, vctest::kSampleRows));
        EXPECT_TRUE(vc::OpenDataFile(g, links));
        return cod;
    }
    vc::CodeFrm& frm() { return codeFrm.window(); }
    QTableView* grid(const char* name) { return frm().findChild<QTableView*>(name); }
    std::string cell(const char* name, int row, int column) {
        return grid(name)->model()->index(row, column).data().toString().toStdString();
    }
};

TEST(CodeFrm, ShowsBothTabsOverTheCodeSetWithItsToolbarAndCaption) {
    Coder c;
    c.openSample();
    c.codeFrm.ShowCodesMnu_Click();
    vc::CodeFrm& frm = c.frm();
    EXPECT_TRUE(frm.isVisible());
    EXPECT_FALSE(frm.isModal());
    EXPECT_EQ(frm.windowTitle(), "Code File Editor (kids.cod)");

    auto* tabs = frm.findChild<QTabWidget*>("TabStrip1");
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->tabText(0), "Codes");
    EXPECT_EQ(tabs->tabText(1), "Group Descriptions");

    QAbstractItemModelTester codes(c.grid("Fg2")->model(),
                                   QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(c.grid("Fg2")->model()->rowCount(), 3);
    EXPECT_EQ(c.grid("Fg2")->model()->headerData(1, Qt::Horizontal).toString(), "Description");
    EXPECT_EQ(c.cell("Fg2", 1, 1), "Talks");
    EXPECT_EQ(c.cell("Fg2", 1, 2), "2");

    QAbstractItemModelTester groups(c.grid("Fg3")->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(c.grid("Fg3")->model()->rowCount(), 49);
    EXPECT_EQ(c.cell("Fg3", 0, 0), "Group 0");
    EXPECT_EQ(c.cell("Fg3", 48, 0), "Group 48");
    EXPECT_EQ(c.cell("Fg3", 2, 1), "Voice");
    EXPECT_EQ(c.grid("Fg3")->model()->headerData(1, Qt::Horizontal).toString(), "Description (optional)");

    auto* toolbar = frm.findChild<QToolBar*>("Toolbar1");
    ASSERT_NE(toolbar, nullptr);
    std::vector<std::string> tips;
    for (QAction* action : toolbar->actions()) {
        tips.push_back(action->isSeparator() ? "|" : action->toolTip().toStdString());
        EXPECT_TRUE(action->isSeparator() || !action->icon().isNull());
    }
    EXPECT_EQ(tips,
              (std::vector<std::string>{
                  "Opens a Code File (Saves the Current File)", "Save File to Disk",
                  "Save the Current Codes as a Different File", "|", "Delete the Current Code",
                  "Move the Current Code Up", "Move the Current Code Down", "Add a New Code", "Insert a Code",
                  "|", "Revert to Saved File", "Erase All Codes", "|", "Show the Help Text"}));
}

// The group column edits through a list of the numbers 0 to 48, kept as text.
TEST(CodeFrm, GroupColumnPicksFromItsList) {
    Coder c;
    c.openSample();
    c.codeFrm.show();
    QTableView* fg2 = c.grid("Fg2");
    const QModelIndex group = fg2->model()->index(0, 2);
    fg2->setCurrentIndex(group);
    fg2->edit(group);
    auto* list = fg2->findChild<QComboBox*>("groupList");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 49);
    EXPECT_EQ(list->itemText(0), "0");
    EXPECT_EQ(list->itemText(48), "48");
    list->setCurrentIndex(7);
    c.codeFrm.editor().Toolbar1_ButtonClick(vc::kSaveAction);
    EXPECT_EQ(c.g.codeSet.gCodes.at(3, 1), textfile::Value::ofText("7"));
    EXPECT_NE(textfile::readWholeFile(c.g.codeSet.gCodeFileName).find("\"L\",\"Looks at toy\",\"7\""),
              std::string::npos)
        << "the cell being edited reached the table before the save";
}

// Ctrl+S saves; Ctrl+X is Exit, which saves and closes; the clipboard keys work on the grid.
TEST(CodeFrm, KeysSaveExitAndCopy) {
    Coder c;
    const std::string cod = c.openSample();
    c.codeFrm.show();
    vc::CodeFrm& frm = c.frm();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frm));
    QTableView* fg2 = c.grid("Fg2");
    fg2->setFocus();
    fg2->setCurrentIndex(fg2->model()->index(1, 0));
    QTest::keyClick(fg2, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(c.platform.clipboard.calls, (std::vector<std::string>{"Clear", "Set T"}));
    fg2->setCurrentIndex(fg2->model()->index(2, 1));
    QTest::keyClick(fg2, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(c.g.codeSet.gCodes.at(2, 3), textfile::Value::ofText("T"));
    EXPECT_EQ(c.cell("Fg2", 2, 1), "T");

    QTest::keyClick(fg2, Qt::Key_S, Qt::ControlModifier);
    EXPECT_NE(textfile::readWholeFile(cod).find("\"Q\",\"T\",2"), std::string::npos);
    EXPECT_TRUE(frm.isVisible());

    c.g.codeSet.gCodes.at(1, 3) = textfile::Value::ofText("Z");
    QTest::keyClick(fg2, Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(frm.isVisible());
    EXPECT_EQ(c.g.open.gCodeOpen, vc::kFalse);
    EXPECT_NE(textfile::readWholeFile(cod).find("\"Z\",\"T\",2"), std::string::npos);
}

// Ctrl+L shows the loaded code set; a changed description and a new code reach the coding
// grid's title and pick list with Ctrl+J ("Adjust Data Grid for Current Codes and Settings").
TEST(CodeFrm, CtrlLShowsTheSetAndCtrlJTakesItsEditsIntoTheCodingGrid) {
    Coder c;
    c.openSample();
    c.g.settings.gEditInCell = 2;
    c.window.menuItem("ShowCodesMnu")->trigger();
    ASSERT_TRUE(c.frm().isVisible());
    EXPECT_EQ(c.frm().windowTitle(), "Code File Editor (kids.cod)");
    QAbstractItemModel* groups = c.grid("Fg3")->model();
    EXPECT_TRUE(groups->setData(groups->index(2, 1), "Speech", Qt::EditRole));
    c.codeFrm.editor().Toolbar1_ButtonClick(vc::kAddAction);
    QAbstractItemModel* codes = c.grid("Fg2")->model();
    ASSERT_EQ(codes->rowCount(), 4);
    codes->setData(codes->index(3, 0), "S", Qt::EditRole);
    codes->setData(codes->index(3, 1), "Sings", Qt::EditRole);
    codes->setData(codes->index(3, 2), "2", Qt::EditRole);

    EXPECT_EQ(c.window.gridModel()->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), "Voice");
    c.window.menuItem("AdjustGridMnu")->trigger();
    EXPECT_EQ(c.window.gridModel()->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), "Speech");
    EXPECT_EQ(c.dataFrm.FG1[3].title, "Speech");
    EXPECT_NE(c.dataFrm.FG1[3].comboList.find("S|"), std::string::npos);
}

// Closing the editor saves the set and lets it go; Ctrl+J then reads the set the Code File
// field names again, so the edits stay in the grid and its pick lists. A field naming no file
// leaves the grid without a set, asking nothing.
TEST(CodeFrm, CtrlJAfterTheEditorClosedReadsTheFieldsSetAgain) {
    Coder c;
    const std::string cod = c.openSample();
    c.g.settings.gEditInCell = 2;
    c.window.menuItem("ShowCodesMnu")->trigger();
    QAbstractItemModel* groups = c.grid("Fg3")->model();
    EXPECT_TRUE(groups->setData(groups->index(2, 1), "Speech", Qt::EditRole));
    c.codeFrm.editor().Toolbar1_ButtonClick(vc::kAddAction);
    QAbstractItemModel* codes = c.grid("Fg2")->model();
    codes->setData(codes->index(3, 0), "S", Qt::EditRole);
    codes->setData(codes->index(3, 2), "2", Qt::EditRole);
    ASSERT_TRUE(c.frm().close());
    EXPECT_EQ(c.g.codeSet.gCodeFileName, "");

    c.window.menuItem("AdjustGridMnu")->trigger();
    EXPECT_EQ(c.g.codeSet.gCodeFileName, cod);
    EXPECT_EQ(c.g.codeSet.gCodeCount, 4);
    EXPECT_EQ(c.dataFrm.FG1[3].title, "Speech");
    EXPECT_NE(c.dataFrm.FG1[3].comboList.find("S|"), std::string::npos);
    EXPECT_FALSE(c.frm().isVisible()) << "read, not shown";

    vc::discardCodeEditor(c.g, c.links);
    c.dataFrm.Text1[vc::kCodeFileField] = c.scratch.file("gone.cod");
    c.window.menuItem("AdjustGridMnu")->trigger();
    EXPECT_EQ(c.g.codeSet.gCodeFileName, "");
    EXPECT_TRUE(c.dialogs.openRequests.empty());
    EXPECT_TRUE(c.dialogs.boxes.empty());
}

// Closed by the program (the coding window's close), the editor's window goes with it; a set
// whose save was cancelled keeps it open with its codes.
// The testers watch every signal the grids' models send while the toolbar reshapes the set,
// the cells take edits and the editor unloads.
TEST(CodeFrm, BothGridsKeepTheItemModelRulesThroughEveryEdit) {
    Coder c;
    c.openSample();
    c.codeFrm.show();
    QAbstractItemModel* codes = c.grid("Fg2")->model();
    QAbstractItemModel* groups = c.grid("Fg3")->model();
    QAbstractItemModelTester codesTester(codes, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QAbstractItemModelTester groupsTester(groups, QAbstractItemModelTester::FailureReportingMode::Fatal);

    c.grid("Fg2")->setCurrentIndex(codes->index(1, 0));
    for (int action :
         {vc::kAddAction, vc::kInsertAction, vc::kMoveUpAction, vc::kMoveDownAction, vc::kDeleteAction}) {
        c.codeFrm.editor().Toolbar1_ButtonClick(action);
    }
    EXPECT_EQ(codes->rowCount(), 4);
    EXPECT_TRUE(codes->setData(codes->index(0, 1), QStringLiteral("Chats"), Qt::EditRole));
    EXPECT_EQ(c.cell("Fg2", 0, 1), "Chats");
    EXPECT_FALSE(
        codes->setData(codes->index(codes->rowCount(), 1), QStringLiteral("past the end"), Qt::EditRole));
    EXPECT_FALSE(groups->setData(groups->index(3, 0), QStringLiteral("Group 9"), Qt::EditRole));
    EXPECT_FALSE(groups->flags(groups->index(3, 0)).testFlag(Qt::ItemIsEditable));
    EXPECT_TRUE(groups->setData(groups->index(3, 1), QStringLiteral("Gesture"), Qt::EditRole));
    EXPECT_EQ(c.cell("Fg3", 3, 1), "Gesture");
    EXPECT_EQ(c.cell("Fg3", 3, 0), "Group 3");

    c.codeFrm.editor().Toolbar1_ButtonClick(vc::kEraseAllAction);
    c.dialogs.files = {c.scratch.file("new.cod")};
    EXPECT_EQ(vc::unloadCodeEditor(c.g, c.links), vc::CodeEditorUnload::Unloaded);
    EXPECT_EQ(codes->rowCount(), 0);
}

TEST(CodeFrm, ClosesWithTheProgramsUnloadAndStaysWhenTheSaveDidNotHappen) {
    Coder c;
    c.openSample();
    c.codeFrm.show();
    c.codeFrm.editor().Toolbar1_ButtonClick(vc::kEraseAllAction); // untitled
    c.codeFrm.editor().Toolbar1_ButtonClick(vc::kAddAction);
    EXPECT_FALSE(c.frm().close());
    EXPECT_TRUE(c.frm().isVisible());
    EXPECT_EQ(c.g.codeSet.gCodeCount, 2);

    c.dialogs.files = {c.scratch.file("new.cod")};
    EXPECT_EQ(vc::unloadCodeEditor(c.g, c.links), vc::CodeEditorUnload::Unloaded);
    EXPECT_FALSE(c.frm().isVisible());
    EXPECT_FALSE(c.codeFrm.editor().loaded());
    EXPECT_EQ(c.grid("Fg2")->model()->rowCount(), 0);
}

} // namespace
