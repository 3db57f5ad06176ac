// The coding window's load, resize and unload, its header panel's procedures and its
// autosave tick, offscreen.
#include "CodingWindowRig.h"
#include "videocoder/coding/windows/HeaderPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using vctest::CodingWindowRig;

std::string fieldShown(CodingWindowRig& rig, int index) {
    return rig.window.header()->fieldText(index);
}

void editCell(CodingWindowRig& rig, int row, int column, const char* text) {
    rig.window.gridModel()->setData(rig.window.gridModel()->index(row - 1, column - 1), QString(text),
                                    Qt::EditRole);
}

TEST(DataFrmLoad, ANewFileStartsWithOneEmptyRowOfFiftyColumnsOnTheHeaderTab) {
    CodingWindowRig rig;
    rig.g.data.gDataType = "EVENTS";
    rig.g.data.gRowCount = textfile::Value::ofNumber(0);
    rig.model.ensureLoaded(rig.g);
    rig.dataFrm.show();
    EXPECT_EQ(rig.g.data.gData.rows(), 1);
    EXPECT_EQ(rig.g.data.gRowCount.asNumber(), 1);
    EXPECT_EQ(rig.g.data.gColCount.asNumber(), 50);
    EXPECT_EQ(rig.window.gridModel()->rowCount(), 1);
    EXPECT_EQ(rig.window.gridModel()->columnCount(), 50);
    EXPECT_EQ(rig.window.gridModel()->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), "Group 2");
    EXPECT_TRUE(rig.window.header()->isVisible());
    EXPECT_FALSE(rig.window.dataPanel()->isVisible());
    EXPECT_EQ(rig.window.TS1()->currentIndex(), 0);
    // The grid selection mode comes from gSelectionMode (2, ranges).
    EXPECT_TRUE(rig.window.menuItem("gridsel(2)")->isChecked());
    EXPECT_FALSE(rig.window.menuItem("gridsel(0)")->isChecked());
    EXPECT_EQ(rig.window.selectionMode(), 0);
}

TEST(DataFrmLoad, StoredGeometryIsAppliedWhereItIsNotZero) {
    struct Case {
        double left, top, height, width;
        QRect expected;
    };
    const std::vector<Case> cases = {
        {1500, 3000, 6000, 9000, QRect(100, 200, 600, 400)},
        {0, 3000, 0, 9000, QRect(7, 200, 600, 300)},
    };
    for (const Case& c : cases) {
        CodingWindowRig rig;
        rig.window.setGeometry(7, 9, 500, 300);
        rig.g.settings.gDataLeft = c.left;
        rig.g.settings.gDataTop = c.top;
        rig.g.settings.gDataHeight = c.height;
        rig.g.settings.gDataWidth = c.width;
        rig.openStudy();
        EXPECT_EQ(QRect(rig.window.pos(), rig.window.size()), c.expected) << c.left;
    }
}

TEST(DataFrmLoad, TabsSwitchPanelsAndResizeLaysThemOutInTwips) {
    CodingWindowRig rig;
    rig.openStudy();
    rig.window.resize(600, 450);
    rig.window.TS1()->setCurrentIndex(1);
    EXPECT_EQ(rig.dataFrm.currentPanel(), 1);
    EXPECT_TRUE(rig.window.dataPanel()->isVisible());
    EXPECT_FALSE(rig.window.header()->isVisible());
    const int toolbar = rig.window.Tb1()->sizeHint().height();
    // Tabs: 50 twips in, under the toolbar, 100 twips narrower; panels 300 below the tabs' top.
    EXPECT_EQ(rig.window.TS1()->geometry(), QRect(3, toolbar, 600 - 7, 450 - toolbar));
    EXPECT_EQ(rig.window.dataPanel()->geometry(), QRect(3, toolbar + 20, 593 - 13, 450 - toolbar - 80));
    EXPECT_EQ(rig.window.FG1()->geometry().topLeft(), QPoint(3, 7));
    EXPECT_FALSE(rig.window.List1()->isVisibleTo(rig.window.dataPanel()));

    // A window made tiny keeps what could be placed, and no box is shown.
    const QRect grid = rig.window.FG1()->geometry();
    rig.window.resize(20, 20);
    EXPECT_TRUE(rig.dialogs.boxes.empty());
    EXPECT_EQ(rig.window.FG1()->geometry(), grid);
    rig.window.resize(600, 450);
    EXPECT_EQ(rig.window.FG1()->geometry(), grid);
}

TEST(DataFrmLoad, ATranscriptSharesItsPanelWithTheCodeListAndAddCodeAppendsBracketedCodes) {
    CodingWindowRig rig;
    const std::string path = rig.scratch.file("talk.qvd");
    const std::string codes = rig.codeFile();
    textfile::saveFileAtomically(
        path, "TRANSCRIPT\r\nS01\r\n\r\n\r\n\r\n\r\n\r\n<notes>\r\n</notes>\r\n\r\n" + codes +
                  "\r\n\r\n\r\n\r\n\r\n1\r\n\"00:00:01.00\",\"[X] \",\"hello\"\r\n");
    rig.open(path);
    rig.window.resize(600, 450);
    rig.window.TS1()->setCurrentIndex(1);
    EXPECT_TRUE(rig.window.List1()->isVisible());
    EXPECT_TRUE(rig.window.AddCodeBtn()->isVisible());
    EXPECT_EQ(rig.window.List1()->count(), 3);
    EXPECT_EQ(rig.window.List1()->item(1)->text(), "T - Talks");
    EXPECT_EQ(rig.window.FG1()->geometry().left(), 0);
    EXPECT_GT(rig.window.List1()->geometry().left(), rig.window.FG1()->geometry().right());

    rig.window.List1()->item(0)->setSelected(true);
    rig.window.List1()->item(2)->setSelected(true);
    rig.window.AddCodeBtn()->click();
    EXPECT_EQ(rig.g.data.gData.at(2, 1).asText(), "[X] [L] [Q] ");
    EXPECT_TRUE(rig.window.List1()->selectedItems().empty());
}

// Each case opens the study, edits a cell, does something to close the window, and says
// what it expects of the file, the window and the stored position.
struct CloseCase {
    std::string name;
    std::function<void(CodingWindowRig&)> close;
    bool fileChanged;
    bool stillOpen;
    bool positionStored;
};

TEST(DataFrmUnload, ClosingKeepsOrDropsTheDataAndThePositionAsTheTableSays) {
    const std::vector<CloseCase> cases = {
        {"closed normally", [](CodingWindowRig& r) { r.window.close(); }, true, false, true},
        {"closed minimised",
         [](CodingWindowRig& r) {
             r.window.setWindowState(Qt::WindowMinimized);
             r.window.close();
         },
         true, false, false},
        {"closed maximised",
         [](CodingWindowRig& r) {
             r.window.setWindowState(Qt::WindowMaximized);
             r.window.close();
         },
         true, false, false},
        {"Exit without saving", [](CodingWindowRig& r) { r.window.menuItem("ExitMnu")->trigger(); }, false,
         false, true},
        {"Save and Close", [](CodingWindowRig& r) { r.window.menuItem("CloseMnu")->trigger(); }, true, false,
         true},
        {"a save that fails at close",
         [](CodingWindowRig& r) {
             r.g.data.gFileName = r.scratch.file("gone/kids.qvd");
             r.window.close();
         },
         false, true, true},
        {"Save and Close whose save fails",
         [](CodingWindowRig& r) {
             r.g.data.gFileName = r.scratch.file("gone/kids.qvd");
             r.window.menuItem("CloseMnu")->trigger();
         },
         false, true, false},
    };
    for (const CloseCase& c : cases) {
        CodingWindowRig rig;
        rig.openStudy();
        const std::string path = rig.g.data.gFileName;
        const std::string before = textfile::readWholeFile(path);
        rig.window.move(30, 40);
        rig.window.resize(700, 500);
        editCell(rig, 1, 2, "X");
        c.close(rig);
        EXPECT_EQ(textfile::readWholeFile(path) != before, c.fileChanged) << c.name;
        EXPECT_EQ(rig.window.isVisible(), c.stillOpen) << c.name;
        EXPECT_EQ(rig.g.open.gDataOpen, c.stillOpen ? vc::kTrue : vc::kFalse) << c.name;
        EXPECT_EQ(rig.g.data.gData.at(2, 1).asText(), c.stillOpen ? "X" : "") << c.name;
        EXPECT_EQ(rig.g.data.gFileName.empty(), !c.stillOpen) << c.name;
        const bool stored = rig.sim.scripted.settings.has("Vintrosa", "Window Positions", "gDataLeft");
        EXPECT_EQ(stored, c.positionStored) << c.name;
        if (c.positionStored) {
            EXPECT_EQ(rig.g.settings.gDataLeft, 450) << c.name;
            EXPECT_EQ(rig.g.settings.gDataTop, 600) << c.name;
            EXPECT_EQ(rig.g.settings.gDataWidth, 10500) << c.name;
            EXPECT_EQ(rig.g.settings.gDataHeight, 7500) << c.name;
        }
        if (c.stillOpen) {
            EXPECT_EQ(rig.dialogs.boxes.back().title, "VTRS Error") << c.name;
        }
    }
}

TEST(DataFrmUnload, ADvdFileThenAPlainOneLeavesNoDvdStateBehind) {
    CodingWindowRig rig;
    rig.open(rig.dataFile("dvd.qvd", "DVD", rig.codeFile()));
    EXPECT_TRUE(rig.window.header()->chkDVD()->isChecked());
    EXPECT_FALSE(rig.window.header()->Text1(vc::kMediaField)->isEnabled());
    EXPECT_FALSE(rig.window.header()->BrowseBtn(0)->isEnabled());
    EXPECT_EQ(rig.g.coding.gUseDVD, vc::kTrue);
    rig.window.close();

    rig.open(rig.dataFile("plain.qvd", "", rig.codeFile()));
    EXPECT_FALSE(rig.window.header()->chkDVD()->isChecked());
    EXPECT_TRUE(rig.window.header()->Text1(vc::kMediaField)->isEnabled());
    EXPECT_TRUE(rig.window.header()->BrowseBtn(0)->isEnabled());
    EXPECT_TRUE(rig.window.header()->Command1(0)->isEnabled());
    EXPECT_EQ(fieldShown(rig, vc::kMediaField), "");
    EXPECT_EQ(rig.g.coding.gUseDVD, vc::kFalse);
}

TEST(DataFrmUnload, ACodedFileThenAnUncodedOneShowsNoPickListOrHiddenColumnOfTheFirst) {
    CodingWindowRig rig;
    rig.open(rig.dataFile("coded.qvd", "", rig.codeFile()));
    EXPECT_TRUE(rig.window.FG1()->isColumnHidden(2));
    EXPECT_TRUE(rig.window.FG1()->isColumnHidden(10));
    EXPECT_EQ(rig.model.FG1[1].comboList, "L| |");
    rig.window.menuItem("MuteMnu")->trigger();
    rig.window.TS1()->setCurrentIndex(1);
    rig.window.close();

    rig.open(rig.dataFile("uncoded.qvd", "", ""));
    for (int column = 0; column < vc::kGridColumns; ++column) {
        EXPECT_EQ(rig.model.FG1[column].comboList, "") << column;
    }
    EXPECT_FALSE(rig.window.FG1()->isColumnHidden(2));
    EXPECT_FALSE(rig.window.FG1()->isColumnHidden(10));
    EXPECT_EQ(rig.window.gridModel()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Group 0");
    EXPECT_EQ(rig.window.menuItem("MuteMnu")->text(), "Mute");
    EXPECT_EQ(rig.window.TS1()->currentIndex(), 0);
    EXPECT_TRUE(rig.window.header()->isVisible());
}

TEST(DataFrmHeader, TheNotesBoxGivesBackItsLinesByteForByte) {
    CodingWindowRig rig;
    rig.openStudy();
    EXPECT_EQ(rig.window.header()->notes()->toPlainText(), "first line\nsecond line\n");
    EXPECT_EQ(fieldShown(rig, vc::kNotesField), "first line\r\nsecond line\r\n");
    EXPECT_FALSE(vc::dataChanged(rig.g, rig.links));

    // Typing at the end adds a line, every line still ending in CR LF.
    QPlainTextEdit* notes = rig.window.header()->notes();
    notes->moveCursor(QTextCursor::End);
    QTest::keyClicks(notes, "third");
    QTest::keyClick(notes, Qt::Key_Return);
    EXPECT_EQ(rig.model.Text1[vc::kNotesField], "first line\r\nsecond line\r\nthird\r\n");

    // Bytes that are not UTF-8, and a no-break space, come back as they went in.
    const std::string latin = "caf\xe9\xa0ok\r\n";
    rig.model.Text1[vc::kNotesField] = latin;
    rig.dataFrm.refresh();
    EXPECT_EQ(fieldShown(rig, vc::kNotesField), latin);
}

TEST(DataFrmHeader, CtrlClickStampsDatesAndTimesOnlyWithCtrlAlone) {
    CodingWindowRig rig;
    rig.openStudy();
    rig.window.show();
    for (int index = 0; index < vc::kHeaderFields; ++index) {
        for (int shift = 0; shift < 8; ++shift) {
            for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
                const std::string before = rig.model.Text1[static_cast<std::size_t>(index)];
                Qt::KeyboardModifiers modifiers;
                modifiers.setFlag(Qt::ShiftModifier, (shift & 1) != 0);
                modifiers.setFlag(Qt::ControlModifier, (shift & 2) != 0);
                modifiers.setFlag(Qt::AltModifier, (shift & 4) != 0);
                QTest::mouseClick(rig.window.header()->Text1(index), button, modifiers, QPoint(4, 4));
                const bool ctrlAlone = shift == 2;
                const bool date = index == 1 || index == 11 || index == 12;
                const bool time = index == 9 || index == 10;
                const std::string now = rig.model.Text1[static_cast<std::size_t>(index)];
                EXPECT_EQ(now, ctrlAlone && date ? "12/10/2026" : before) << index << " " << shift;
                EXPECT_EQ(fieldShown(rig, index), now) << index;
                const std::vector<std::string> boxes = rig.newBoxes();
                EXPECT_EQ(boxes, ctrlAlone && time ? std::vector<std::string>{"No video file is open"}
                                                   : std::vector<std::string>{})
                    << index << " " << shift;
                rig.model.Text1[static_cast<std::size_t>(index)] = before;
                rig.dataFrm.refresh();
            }
        }
    }
    EXPECT_EQ(rig.dialogs.boxes.back().title, "Vintrosa");
}

TEST(DataFrmHeader, BrowseTakesAChosenFileAndCancelChangesNothing) {
    CodingWindowRig rig;
    rig.openStudy();
    const std::string oldCode = rig.g.codeSet.gCodeFileName;
    rig.window.header()->BrowseBtn(0)->click();
    rig.window.header()->BrowseBtn(1)->click();
    EXPECT_EQ(rig.model.Text1[vc::kMediaField], "");
    EXPECT_EQ(rig.g.codeSet.gCodeFileName, oldCode);
    ASSERT_EQ(rig.dialogs.openRequests.size(), 2U);
    EXPECT_EQ(rig.dialogs.openRequests[0].title, "Select the Video file to open");
    EXPECT_EQ(
        rig.dialogs.openRequests[0].filter,
        "Movie Files (*.wmv;*.mpeg;*.mpg;*.avi;*.mov)|*.wmv;*.mpeg;*.mpg;*.avi;*.mov|All Files (*.*)|*.*");
    EXPECT_EQ(rig.dialogs.openRequests[0].flags, 4100);
    EXPECT_EQ(rig.dialogs.openRequests[1].title, "Select the code file to open");
    EXPECT_EQ(rig.dialogs.openRequests[1].filter, "Code Files (*.cod)|*.cod|All Files (*.*)|*.*");
    EXPECT_EQ(rig.dialogs.openRequests[1].flags, 4100);

    const std::string clip = rig.clip();
    rig.dialogs.files = {clip};
    rig.window.header()->BrowseBtn(0)->click();
    EXPECT_EQ(rig.model.Text1[vc::kMediaField], clip);
    EXPECT_EQ(rig.g.data.gVideoFileName, clip);
    EXPECT_EQ(fieldShown(rig, vc::kMediaField), clip);
    EXPECT_EQ(rig.g.open.gVideoOpen, vc::kFalse); // not opened here

    const std::string other = rig.scratch.file("other.cod");
    textfile::saveFileAtomically(other, " 1 \r\n\"Z\",\"Zips\",5\r\n");
    rig.dialogs.files = {other};
    rig.window.header()->BrowseBtn(1)->click();
    EXPECT_EQ(rig.g.codeSet.gCodeFileName, other);
    EXPECT_EQ(fieldShown(rig, vc::kCodeFileField), other);
    EXPECT_FALSE(rig.window.FG1()->isColumnHidden(6)); // group 5 dressed
    EXPECT_TRUE(rig.window.FG1()->isColumnHidden(1));
}

TEST(DataFrmHeader, UseCurrentNeedsAnOpenMediaOrCodeSet) {
    CodingWindowRig rig;
    rig.open(rig.dataFile("uncoded.qvd", "", ""));
    rig.model.Text1[vc::kCodeFileField] = "typed.cod";
    rig.window.header()->Command1(0)->click();
    rig.window.header()->Command1(1)->click();
    EXPECT_EQ(rig.newBoxes(), (std::vector<std::string>{"You must open a video file first.",
                                                        "You must open a code file first."}));
    EXPECT_EQ(rig.dialogs.boxes.back().title, "Oops!");
    EXPECT_EQ(rig.model.Text1[vc::kCodeFileField], "typed.cod");

    rig.openMedia();
    rig.g.open.gCodeOpen = vc::kTrue;
    rig.window.header()->Command1(0)->click();
    rig.window.header()->Command1(1)->click();
    EXPECT_TRUE(rig.newBoxes().empty());
    EXPECT_EQ(fieldShown(rig, vc::kMediaField), rig.g.data.gVideoFileName);
    EXPECT_EQ(fieldShown(rig, vc::kCodeFileField), rig.g.codeSet.gCodeFileName);
}

TEST(DataFrmHeader, TheLengthLabelCountsInEveryForm) {
    struct Case {
        double form;
        std::string start, end, caption;
    };
    const std::vector<Case> cases = {
        {0, "10", "60.5", "Length:50.50"},
        {1, "00:00:10.00", "00:01:00.50", "Length:00:00:50.50"},
        {1, "", "00:01:00.00", "Length:00:01:00.00"},
        {2, "300", "900", "Length:600"},
        {2, "300", "", "Length:-300"},
        {3, "00:00:10:00", "00:01:00:15", "Length:00:00:50:16"},
        {3, "", "00:00:01:00", "Length:00:00:01:00"},
    };
    for (const Case& c : cases) {
        CodingWindowRig rig;
        rig.openStudy();
        rig.g.settings.FrameDisplay = c.form;
        rig.model.Text1[vc::kStartTimeField] = c.start;
        rig.model.Text1[vc::kEndTimeField] = c.end;
        QTest::mouseClick(rig.window.header()->Label2(), Qt::LeftButton);
        EXPECT_EQ(rig.window.header()->Label2()->text().toStdString(), c.caption) << c.form << " " << c.start;
        EXPECT_TRUE(rig.newBoxes().empty());
    }
    // A timecode whose fields are not numbers is a box, and the label stays.
    CodingWindowRig rig;
    rig.openStudy();
    rig.g.settings.FrameDisplay = 3;
    rig.model.Text1[vc::kStartTimeField] = "ab:cd:ef:gh";
    rig.model.Text1[vc::kEndTimeField] = "00:00:01:00";
    QTest::mouseClick(rig.window.header()->Label2(), Qt::LeftButton);
    EXPECT_EQ(rig.window.header()->Label2()->text(), "Click here to calc length");
    EXPECT_EQ(rig.dialogs.boxes.back().title, "VTRS Error");
}

TEST(DataFrmHeader, TheDvdBoxLocksTheMediaFieldAndUntickingEmptiesIt) {
    CodingWindowRig rig;
    rig.openStudy();
    rig.window.show();
    rig.window.header()->chkDVD()->click();
    EXPECT_EQ(fieldShown(rig, vc::kMediaField), "DVD");
    EXPECT_FALSE(rig.window.header()->Text1(vc::kMediaField)->isEnabled());
    EXPECT_FALSE(rig.window.header()->Command1(0)->isEnabled());
    EXPECT_EQ(rig.g.coding.gUseDVD, vc::kTrue);
    rig.window.header()->chkDVD()->click();
    EXPECT_EQ(fieldShown(rig, vc::kMediaField), "");
    EXPECT_TRUE(rig.window.header()->Text1(vc::kMediaField)->isEnabled());
    EXPECT_EQ(rig.g.coding.gUseDVD, vc::kFalse);
}

void tick(CodingWindowRig& rig) {
    QMetaObject::invokeMethod(rig.window.AutoSaveTimer(), "timeout", Qt::DirectConnection);
}

TEST(DataFrmAutosave, TheTickWaitsForOpenDialogsAndSaysAFailureOnce) {
    CodingWindowRig rig;
    rig.openStudy();
    const std::string path = rig.g.data.gFileName;
    editCell(rig, 1, 2, "X");

    // Not while a save runs, nor while a dialog is open.
    rig.g.data.fileInUse = true;
    tick(rig);
    rig.g.data.fileInUse = false;
    {
        QDialog dialog;
        dialog.setModal(true);
        dialog.show();
        tick(rig);
    }
    EXPECT_EQ(textfile::readWholeFile(path).find("\"X\""), std::string::npos);

    // A failing save is said at the first tick only, and again after a save succeeded.
    rig.g.data.gFileName = rig.scratch.file("gone/kids.qvd");
    for (int i = 0; i < 3; ++i) {
        tick(rig);
    }
    EXPECT_EQ(rig.newBoxes().size(), 1U);
    rig.g.data.gFileName = path;
    tick(rig);
    EXPECT_NE(textfile::readWholeFile(path).find("\"X\""), std::string::npos);
    editCell(rig, 1, 2, "Y");
    rig.g.data.gFileName = rig.scratch.file("gone/kids.qvd");
    tick(rig);
    tick(rig);
    EXPECT_EQ(rig.newBoxes().size(), 1U);
    EXPECT_EQ(rig.g.data.gData.at(2, 1).asText(), "Y");
}

} // namespace

namespace {

TEST(DataFrmRange, TheWindowAsksTheChosenLoadedPlayerOnly) {
    CodingWindowRig rig;
    rig.openStudy();
    rig.openMedia();
    rig.g.settings.gRangeWarning = vc::kTrue;
    rig.model.Text1[vc::kStartTimeField] = "00:00:10.00";
    rig.model.Text1[vc::kEndTimeField] = "00:01:00.00";
    testsupport::SimulatedPlayer& player = rig.sim.last();
    player.setPosition(5);
    EXPECT_TRUE(rig.dataFrm.TimeOuttaRange());
    player.setPosition(10);
    EXPECT_FALSE(rig.dataFrm.TimeOuttaRange());
    rig.model.Text1[vc::kEndTimeField] = " ";
    player.setPosition(5);
    EXPECT_FALSE(rig.dataFrm.TimeOuttaRange());
    // The DVD window is chosen but not loaded: no player, no warning, and none is made.
    rig.model.Text1[vc::kEndTimeField] = "00:01:00.00";
    rig.g.settings.PlayerSelection = 2;
    EXPECT_FALSE(rig.dataFrm.TimeOuttaRange());
    EXPECT_EQ(rig.players.dvdWindow(), nullptr);
}

} // namespace
