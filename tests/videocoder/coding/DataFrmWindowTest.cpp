// The coding window offscreen: its menus, shortcuts, toolbar and grid gestures, and what each
// runs, with and without a media window open.
#include "CodingWindowRig.h"
#include "KeyUpGap.h"
#include "videocoder/coding/DataFrmMenus.h"
#include "videocoder/coding/windows/HeaderPanel.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using Trace = std::vector<std::string>;

std::string unavailable(const std::string& item) {
    return "box " + item + " is not available yet.";
}

// What each menu item runs, beyond the numbered commands and boxes in its trace: the probes
// look at the file, the window and the grid after it.
struct ItemCase {
    std::string item;
    Trace withoutMedia;
    Trace withMedia; // the same when empty
};

const std::vector<ItemCase>& itemCases() {
    static const std::vector<ItemCase> cases = {
        {"SaveMnu", {"saved"}, {}},
        {"CloseMnu", {"saved", "closed"}, {}},
        {"SaveAsMnu", {"command 3"}, {}},
        {"RevertMnu", {unavailable("Revert to Saved")}, {}},
        {"PrintMnu", {unavailable("Print")}, {}},
        {"ExportMnu", {"saved", "command 2", unavailable("Export")}, {}},
        {"VTRSImport", {unavailable("VTRS Data Import")}, {}},
        {"CSVImport", {unavailable("Comma Seperated File Import")}, {}},
        {"ExitMnu", {"closed"}, {}},
        {"Command(0)", {}, {"command 100"}},
        {"Command(1)", {}, {"command 101"}},
        {"Command(2)", {}, {"command 102"}},
        {"Command(3)", {}, {"command 103"}},
        {"Command(4)", {}, {"command 104"}},
        {"Command(6)", {}, {"command 106"}},
        {"Command(7)", {}, {"command 107"}},
        {"Command(8)", {}, {"command 108"}},
        {"ReverseMnu", {"command 99"}, {}},
        {"ADdMarkStopMnu", {"command 105"}, {}},
        {"HalfSpeedMnu", {"command 22"}, {}},
        {"BackwardsMnu", {"command 98"}, {"command 98", "backwards play"}},
        {"MuteMnu", {"command 21"}, {}},
        {"FilterMnu", {unavailable("Filter Rows")}, {}},
        {"AddRowsMnu", {unavailable("Add Rows")}, {}},
        {"SortMnu", {unavailable("Sort Rows")}, {}},
        {"SortByTimeMnu", {unavailable("Sort Data Grid by Time")}, {}},
        {"ShowCodesMnu", {unavailable("Show Loaded Code File")}, {}},
        {"AdjustGridMnu", {"grid dressed"}, {}},
        {"FillInMnu", {unavailable("Fill in Initial Codes")}, {}},
        {"DataCleanupMnu", {"codes validated"}, {}},
        {"Cnvrtmnu", {unavailable("Convert All Times to Current Time Format")}, {}},
        {"grdMnu(0)", {"command 8"}, {}},
        {"grdMnu(1)", {"command 9"}, {}},
        {"grdMnu(2)", {"command 11"}, {}},
        {"grdMnu(3)",
         {"box Please change the grid selection mode to\r\nselect by rows to use this function (hit F2)"},
         {}},
        {"HideColsMnu", {unavailable("Hide Selected Columns")}, {}},
        {"gridsel(0)", {"selection mode 3"}, {}},
        {"gridsel(1)", {"selection mode 2"}, {}},
        {"gridsel(2)", {"selection mode 0"}, {}},
    };
    return cases;
}

// A study open (with the media window when asked), a cell edited so that a save writes, a
// code cell that validating puts right, the grid's dressing wiped so that dressing it shows.
struct ItemRun {
    vctest::CodingWindowRig rig;
    std::string path;
    std::string bytes;

    explicit ItemRun(bool media) {
        rig.openStudy();
        path = rig.g.data.gFileName;
        if (media) {
            rig.openMedia();
        }
        rig.g.data.gData.at(3, 2) = textfile::Value::ofText(" L ");
        bytes = textfile::readWholeFile(path);
        rig.model.FG1[1].title.clear();
        rig.window.setSelectionMode(-1);
    }
    Trace after() {
        Trace trace = rig.trace();
        if (textfile::readWholeFile(path) != bytes) {
            trace.insert(trace.begin(), "saved");
        }
        if (!rig.window.isVisible()) {
            trace.push_back("closed");
        }
        if (rig.window.isVisible() && rig.model.FG1[1].title == "Looking") {
            trace.push_back("grid dressed");
        }
        if (rig.window.isVisible() && rig.g.data.gData.rows() >= 2 &&
            rig.g.data.gData.at(3, 2).asText() == "L") {
            trace.push_back("codes validated");
        }
        if (rig.window.selectionMode() != -1) {
            trace.push_back("selection mode " + std::to_string(rig.window.selectionMode()));
        }
        return trace;
    }
};

TEST(DataFrmWindow, EveryMenuItemRunsWhatItsTableSaysWithAndWithoutMedia) {
    for (const bool media : {false, true}) {
        for (const ItemCase& c : itemCases()) {
            ItemRun run(media);
            QAction* action = run.rig.window.menuItem(c.item);
            ASSERT_NE(action, nullptr) << c.item;
            action->trigger();
            const Trace& expected = media && !c.withMedia.empty() ? c.withMedia : c.withoutMedia;
            EXPECT_EQ(run.after(), expected) << c.item << (media ? " with media" : " without media");
        }
    }
}

TEST(DataFrmWindow, MenusHoldTheirItemsInOrderWithTheEditMenuHidden) {
    vctest::CodingWindowRig rig;
    std::vector<std::string> bar;
    for (QAction* menu : rig.window.menuBar()->actions()) {
        bar.push_back(menu->text().toStdString() + (menu->isVisible() ? "" : " (hidden)"));
    }
    EXPECT_EQ(bar, (std::vector<std::string>{"&File", "&Edit (hidden)", "&Media Control", "&Data"}));
    auto listed = [&](const char* menu) {
        std::vector<std::string> items;
        for (QAction* a : rig.window.findChild<QMenu*>(menu)->actions()) {
            std::string line = a->isSeparator() ? "-" : a->text().toStdString();
            if (!a->shortcut().isEmpty()) {
                line += " " + a->shortcut().toString().toStdString();
            }
            items.push_back(line);
        }
        return items;
    };
    EXPECT_EQ(listed("FileMnu"),
              (std::vector<std::string>{"&Save Ctrl+S", "Save and &Close Ctrl+W", "Save &As...",
                                        "Revert to Saved", "-", "Print... Ctrl+P", "-", "&Export File...",
                                        "&Import File...", "-", "E&xit without saving"}));
    EXPECT_EQ(listed("ImpMenu"),
              (std::vector<std::string>{"VTRS Data Import...", "Comma Seperated File Import..."}));
    EXPECT_EQ(
        listed("ControlMnu"),
        (std::vector<std::string>{"Play Ctrl+D", "Stop Ctrl+F", "Go to Start Ctrl+G", "Frame Back F7",
                                  "Frame Ahead F8", "-", "Mark Ctrl+E", "Find/Seek Ctrl+R", "Replay Ctrl+A",
                                  "Pre-Roll and play Ctrl+B", "Add - Mark - Stop Ctrl+X", "-",
                                  "Three Quarter Speed F5", "Jump Backwards F6", "Mute F9"}));
    EXPECT_EQ(listed("s3"),
              (std::vector<std::string>{
                  "&Filter Rows...", "&Add Rows...", "&Sort Rows...", "Sort Data Grid by Time F12", "-",
                  "Show Loaded Code File Ctrl+L", "Adjust Data Grid for Current Codes and Settings Ctrl+J",
                  "Fill in Initial Codes Ctrl+I", "Adjust Codes/Descriptions To Current Display Options",
                  "Convert All Times to Current Time Format", "-", "Delete current row Ctrl+K",
                  "Insert a Row Ctrl+N", "Add a Row Ctrl+M", "Delete Selected Rows",
                  "Hide Selected Columns Ctrl+H", "Grid Selection Mode"}));
    EXPECT_EQ(listed("GridSel0"),
              (std::vector<std::string>{"Select Rows F2", "Select Columns F3", "Select Ranges F4"}));
}

// Where the focus can be when a shortcut is pressed.
enum class Focus { Grid, CellEditor, HeaderField, Notes };

QWidget* focus(vctest::CodingWindowRig& rig, Focus where) {
    vc::DataFrmWindow& w = rig.window;
    switch (where) {
    case Focus::Grid:
        rig.dataFrm.TS1_Click(2);
        w.FG1()->setFocus();
        return w.FG1();
    case Focus::CellEditor: {
        rig.dataFrm.TS1_Click(2);
        w.FG1()->setCurrentIndex(w.gridModel()->index(0, 0));
        w.FG1()->edit(w.FG1()->currentIndex());
        QWidget* editor = w.FG1()->findChild<QLineEdit*>();
        editor->setFocus();
        return editor;
    }
    case Focus::HeaderField:
        w.header()->Text1(0)->setFocus();
        return w.header()->Text1(0);
    case Focus::Notes:
        w.header()->notes()->setFocus();
        return w.header()->notes();
    }
    return nullptr;
}

TEST(DataFrmWindow, ShortcutsRunTheirItemWhereverTheFocusIs) {
    std::map<std::string, Trace> expected;
    for (const ItemCase& c : itemCases()) {
        expected[c.item] = c.withMedia.empty() ? c.withoutMedia : c.withMedia;
    }
    for (const vc::DataFrmMenuItem& item : vc::dataFrmMenuItems()) {
        if (item.shortcut.empty() || !item.click) {
            continue;
        }
        for (const Focus where : {Focus::Grid, Focus::CellEditor, Focus::HeaderField, Focus::Notes}) {
            ItemRun run(true);
            run.rig.window.show();
            run.rig.window.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&run.rig.window));
            QWidget* target = focus(run.rig, where);
            const QKeyCombination keys = QKeySequence(QString::fromStdString(item.shortcut))[0];
            QTest::keyClick(target, keys.key(), keys.keyboardModifiers());
            EXPECT_EQ(run.after(), expected[item.name]) << item.name << " focus " << static_cast<int>(where);
        }
    }
}

TEST(DataFrmWindow, ToolbarButtonsSendTheirIndexAndSeparatorsNothing) {
    ItemRun run(false);
    std::vector<std::string> shown;
    for (const vc::ToolbarButton& button : vc::toolbarButtons()) {
        QAction* action = run.rig.window.toolbarButton(button.index);
        ASSERT_EQ(action->isSeparator(), button.caption.empty());
        if (action->isSeparator()) {
            continue;
        }
        shown.push_back(action->text().toStdString() + "|" + action->toolTip().toStdString());
        EXPECT_FALSE(action->icon().isNull());
        action->trigger();
        // What the command set does after the routing, without media.
        const std::map<int, std::string> then{
            {2, unavailable("Export")}, {4, "media asked"}, {10, "box No video file is open"}};
        Trace expected{"command " + std::to_string(button.index)};
        if (then.count(button.index)) {
            expected.push_back(then.at(button.index));
        }
        EXPECT_EQ(run.rig.trace(), expected);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "Save|Saves the current file", "Export|Export File",
                         "Media|Selects the associated video file", "Replay|Plays the selected event",
                         "Seek|Go to the selected frame", "Delete|Delete Current Row", "Insert|Insert a Row",
                         "Mark|Set time mark for this row", "Add Row|Add a row to the data file"}));
}

TEST(DataFrmWindow, GridMouseUpSeeksWithCtrlAloneAndMarksWithAltAlone) {
    ItemRun run(true);
    run.rig.dataFrm.TS1_Click(2);
    run.rig.window.show();
    QWidget* viewport = run.rig.window.FG1()->viewport();
    const QPoint cell = run.rig.window.FG1()->visualRect(run.rig.window.gridModel()->index(1, 0)).center();
    const std::vector<std::pair<Qt::MouseButton, int>> buttons = {
        {Qt::LeftButton, 1}, {Qt::RightButton, 2}, {Qt::MiddleButton, 4}};
    for (const auto& [button, vbButton] : buttons) {
        for (int shift = 0; shift < 8; ++shift) {
            Qt::KeyboardModifiers modifiers;
            modifiers.setFlag(Qt::ShiftModifier, (shift & 1) != 0);
            modifiers.setFlag(Qt::ControlModifier, (shift & 2) != 0);
            modifiers.setFlag(Qt::AltModifier, (shift & 4) != 0);
            QTest::mouseClick(viewport, button, modifiers, cell);
            Trace expected;
            if (vbButton == 1 && shift == 2) {
                expected = {"command 6"};
            } else if (vbButton == 1 && shift == 4) {
                expected = {"command 10"};
            }
            EXPECT_EQ(run.rig.trace(), expected) << "button " << vbButton << " shift " << shift;
        }
    }
    EXPECT_EQ(run.rig.dataFrm.Row(), 2);
}

TEST(DataFrmWindow, SpeedAndMuteChangeTheirCaptionsBeforeTheirCommands) {
    ItemRun run(true);
    std::vector<std::string> captions;
    for (const char* item : {"HalfSpeedMnu", "MuteMnu"}) {
        QAction* action = run.rig.window.menuItem(item);
        for (int i = 0; i < 3; ++i) {
            action->trigger();
            captions.push_back(action->text().toStdString());
        }
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"Normal Speed", "Three Quarter Speed", "Normal Speed",
                                                  "Mute Off", "Mute", "Mute Off"}));
    EXPECT_EQ(run.rig.trace(),
              (Trace{"command 22", "command 22", "command 22", "command 21", "command 21", "command 21"}));
}

TEST(DataFrmWindow, ItemsBuiltElsewhereRunTheirWiredHandlerInPlaceOfTheBox) {
    ItemRun run(false);
    int reverts = 0;
    run.rig.dataFrm.later().set(vc::LaterItem::RevertMnu, [&] { ++reverts; });
    run.rig.window.menuItem("RevertMnu")->trigger();
    run.rig.window.menuItem("PrintMnu")->trigger();
    EXPECT_EQ(reverts, 1);
    EXPECT_EQ(run.rig.trace(), Trace{unavailable("Print")});
}

TEST(DataFrmWindow, GridKeysReachTheirHandlersThroughTheKeyAdapter) {
    ItemRun run(false);
    run.rig.dataFrm.TS1_Click(2);
    run.rig.window.show();
    QTableView* grid = run.rig.window.FG1();
    grid->setFocus();
    grid->setCurrentIndex(run.rig.window.gridModel()->index(0, 1));
    // Delete asks before it erases; No keeps the cell.
    run.rig.dialogs.answers = {platform::Answer::No};
    QTest::keyClick(grid, Qt::Key_Delete);
    vctest::waitOutKeyUpGap(); // the erase runs at the key-up
    EXPECT_EQ(run.rig.trace(), Trace{"box Really Erase Selection?  Can't be undone..."});
    EXPECT_EQ(run.rig.g.data.gData.at(2, 1).asText(), "L");
    // Ctrl+C copies the grid's selection, though the Edit menu holds the same shortcut.
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(run.rig.sim.scripted.clipboard.held, "L");
    // Quick keys on without a video: the key edits the cell.
    run.rig.g.settings.gQKMode = vc::kTrue;
    grid->setCurrentIndex(run.rig.window.gridModel()->index(0, 0));
    QTest::keyClick(grid, Qt::Key_A, Qt::NoModifier);
    EXPECT_NE(grid->findChild<QLineEdit*>(), nullptr);
}

TEST(DataFrmWindow, GroupColumnsEditThroughTheirPickLists) {
    ItemRun run(false);
    run.rig.dataFrm.TS1_Click(2);
    run.rig.window.show();
    QTableView* grid = run.rig.window.FG1();
    grid->setCurrentIndex(run.rig.window.gridModel()->index(0, 3));
    grid->edit(grid->currentIndex());
    auto* combo = grid->findChild<QComboBox*>();
    ASSERT_NE(combo, nullptr);
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) {
        items.append(combo->itemText(i));
    }
    EXPECT_EQ(items, (QStringList{"T", "Q", " "}));
    EXPECT_EQ(combo->currentText(), "T");
    combo->setCurrentIndex(1);
    QTest::keyClick(combo, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(run.rig.g.data.gData.at(4, 1).asText(), "Q");
    // The time column has no list: a line.
    grid->setCurrentIndex(run.rig.window.gridModel()->index(1, 0));
    grid->edit(grid->currentIndex());
    EXPECT_NE(grid->findChild<QLineEdit*>(), nullptr);
}

} // namespace

namespace {

TEST(DataFrmWindow, TheGridGivesItsSelectionAsARangeAndAsClipText) {
    ItemRun run(false);
    vc::DataFrmView& grid = run.rig.window;
    grid.select(2, 3);
    EXPECT_EQ(grid.row(), 2);
    EXPECT_EQ(grid.col(), 3);
    const vc::GridRange one = grid.selection();
    EXPECT_EQ(std::vector<int>({one.row1, one.col1, one.row2, one.col2}), std::vector<int>({2, 3, 2, 3}));

    QItemSelectionModel* chosen = run.rig.window.FG1()->selectionModel();
    const auto* model = run.rig.window.gridModel();
    chosen->select(QItemSelection(model->index(0, 0), model->index(1, 3)),
                   QItemSelectionModel::ClearAndSelect);
    const vc::GridRange range = grid.selection();
    EXPECT_EQ(std::vector<int>({range.row1, range.col1, range.row2, range.col2}),
              std::vector<int>({1, 0, 2, 3}));
    EXPECT_EQ(grid.clip(), "00:00:05.20\tL\t\tT\r00:00:06.00\t\t L \tQ");

    // Pasting fills the selection from its top left and no further.
    chosen->select(QItemSelection(model->index(0, 1), model->index(1, 2)),
                   QItemSelectionModel::ClearAndSelect);
    grid.setClip("a\tb\tc\r\nd\te\rf\tg");
    EXPECT_EQ(run.rig.g.data.gData.at(2, 1).asText(), "a");
    EXPECT_EQ(run.rig.g.data.gData.at(3, 1).asText(), "b");
    EXPECT_EQ(run.rig.g.data.gData.at(4, 1).asText(), "T");
    EXPECT_EQ(run.rig.g.data.gData.at(2, 2).asText(), "d");
    EXPECT_EQ(run.rig.g.data.gData.at(3, 2).asText(), "e");
    EXPECT_EQ(run.rig.g.data.gRowCount.asNumber(), 2);

    grid.setRowHidden(2, true);
    EXPECT_TRUE(grid.rowHidden(2));
    EXPECT_FALSE(grid.rowHidden(1));
    grid.setRowHidden(2, false);
    EXPECT_FALSE(grid.rowHidden(2));
}

} // namespace
