#include "workstation/core/windows/frmOptions.h"

#include "support/ScratchFolder.h"
#include "support/ScriptedPlatform.h"
#include "workstation/core/CodeSetFile.h"
#include "workstation/core/Settings.h"
#include "workstation/core/windows/DORUSettings.h"
#include "workstation/core/windows/FGCont.h"
#include "workstation/core/windows/ODFSettings.h"
#include "workstation/core/windows/VTRSSettings.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTreeWidget>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The options dialog over the scripted platform, with a code set it can reopen and the
// settings stored into the scripted store.
struct OptionsRig {
    testsupport::ScratchFolder folder;
    testsupport::ScriptedPlatform sp;
    ws::Global g;
    std::unique_ptr<ws::frmOptions> dialog;

    OptionsRig() {
        g.Code_File = folder.file("kids.cod");
        std::ofstream(g.Code_File, std::ios::binary) << " 1 \r\n\"A\",\"Alone\",1\r\n";
        dialog =
            std::make_unique<ws::frmOptions>(g, sp.platform, [this] { ws::SaveSettings(g, sp.platform); });
    }
    std::size_t settingsSaves() const { return sp.settings.savedAfterWrites.size(); }
    std::string rulesFile() const { return folder.file("ContVarGrid.csv"); }
    // Shows the dialog and operates it while it is up.
    void show(std::function<void(ws::frmOptions&)> operate) {
        sp.dialogs.modalHandlers.push_back(
            [operate](QDialog& shown) { operate(static_cast<ws::frmOptions&>(shown)); });
        dialog->showDialog();
    }
};

void press(QWidget* target, int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &event);
}

// The controls of a panel take clicks only while its tab is selected.
void selectTab(ws::frmOptions& d, int tab) {
    d.tbsOptions->setCurrentIndex(tab);
}

QString cell(ws::frmOptions& d, int rule, int column) {
    return d.FGCont->model().index(rule - 1, column).data().toString();
}

TEST(frmOptions, InputFormatButtonFollowsTheChosenFormat) {
    OptionsRig rig;
    rig.g.gFileFormat = 2;
    rig.show([](ws::frmOptions& d) {
        EXPECT_EQ(d.windowTitle(), "TALVOR Preferences");
        // Centred at the size its layout gives it, not at a window's default size.
        const QPoint middle = d.screen()->geometry().center();
        EXPECT_LE(std::abs(d.frameGeometry().center().x() - middle.x()), 1);
        EXPECT_LE(std::abs(d.frameGeometry().center().y() - middle.y()), 1);
        EXPECT_NE(d.size(), QSize(640, 480));
        EXPECT_TRUE(d.Option1[2]->isChecked());
        EXPECT_FALSE(d.VTRSBtn->isHidden());
        EXPECT_EQ(d.VTRSBtn->text(), "ODF Settings");
        const char* const captions[] = {"", "Vintro Settings", "ODF Settings", "Doru Settings"};
        for (int format : {1, 3, 0}) {
            d.Option1[static_cast<std::size_t>(format)]->click();
            EXPECT_EQ(d.VTRSBtn->isHidden(), format == 0);
            if (format != 0) {
                EXPECT_EQ(d.VTRSBtn->text(), captions[format]);
            }
        }
        d.Option1[3]->click();
        d.VTRSBtn->click();
        d.cmdOK->click();
    });
    EXPECT_EQ(rig.g.gFileFormat, 3);
    EXPECT_EQ(rig.sp.dialogs.modalShown, (std::vector<std::string>{"frmOptions", "DORUSettings"}));
    EXPECT_EQ(rig.settingsSaves(), 2u); // on showing, and after OK
    EXPECT_EQ(rig.sp.settings.values.at({"OSTRAVEL", "Analysis Settings", "gFileFormat"}), "3");
}

TEST(frmOptions, CutOffBoxesAndRefusedOk) {
    OptionsRig rig;
    rig.g.gNumToUse = 100;
    rig.show([&rig](ws::frmOptions& d) {
        EXPECT_EQ(d.Text2->text(), " 0");
        EXPECT_EQ(d.Text3->text(), " 1");
        EXPECT_TRUE(d.Text2->isHidden()); // cut-off not ticked
        d.Check3->click();
        EXPECT_FALSE(d.Text2->isHidden());
        d.Text2->setText("0");
        d.Text1->setText("7");
        d.cmdOK->click();
        ASSERT_EQ(rig.sp.dialogs.boxes.size(), 1u);
        EXPECT_EQ(rig.sp.dialogs.boxes[0].text, "X= must be a whole number from 1 to 99.");
        EXPECT_EQ(rig.sp.dialogs.boxes[0].title, "TALVOR Preferences");
        EXPECT_EQ(rig.sp.dialogs.boxes[0].buttons, platform::Buttons::OK);
        EXPECT_EQ(rig.g.gIOAWindow, 3); // nothing copied
        EXPECT_EQ(rig.settingsSaves(), 1u);
        EXPECT_FALSE(d.isHidden() && d.result() == QDialog::Accepted);
        d.Text2->setText("3");
        d.Text3->setText("2");
        d.cmdOK->click();
    });
    EXPECT_EQ(rig.g.gNumToUse, 203);
    EXPECT_EQ(rig.g.gCutOffEvents, 1);
    EXPECT_EQ(rig.g.gIOAWindow, 7);
    EXPECT_EQ(rig.settingsSaves(), 2u);
    EXPECT_EQ(rig.g.NumCodes, 1); // the code set reopened
}

TEST(frmOptions, ChooseTakesEffectEvenOnCancel) {
    OptionsRig rig;
    const std::string chosen = rig.folder.file("other.cod");
    std::ofstream(chosen, std::ios::binary) << " 2 \r\n\"A\",\"Alone\",1\r\n\"B\",\"Both\",1\r\n";
    rig.sp.dialogs.files = {chosen, "  "};
    rig.show([&](ws::frmOptions& d) {
        selectTab(d, 1);
        d.Choose_Btn[0]->click();
        EXPECT_EQ(d.Label4->text().toStdString(), chosen);
        d.Choose_Btn[1]->click(); // blanks only: nothing changes
        EXPECT_EQ(d.Label6->text(), "xdg-open");
        selectTab(d, 2);
        d.Check4->click();
        d.cmdCancel->click();
    });
    EXPECT_EQ(rig.g.Code_File, chosen);
    EXPECT_EQ(rig.g.NumCodes, 2); // the name and the codes counted by go together
    EXPECT_EQ(rig.g.Text_Editor, "xdg-open");
    EXPECT_EQ(rig.g.gSoundsOn, 1); // ticked off, then cancelled
    const platform::FileDialogRequest& request = rig.sp.dialogs.openRequests.at(0);
    EXPECT_EQ(request.title, "Select the code file to use");
    EXPECT_EQ(request.filter, "TALVOR/VTRS Code Files (*.cod)|*.cod|All Files (*.*)|*.*");
    EXPECT_EQ(request.flags, platform::kHideReadOnly | platform::kFileMustExist);
    EXPECT_EQ(rig.sp.dialogs.openRequests.at(1).title, "Select the text editor executable to use");
    // Programs here are executable files of any name: those first, then every file.
    EXPECT_EQ(rig.sp.dialogs.openRequests.at(1).filter, "Programs (executable files)|*|All Files (*.*)|*.*");
    EXPECT_TRUE(rig.sp.dialogs.openRequests.at(1).programs);
    EXPECT_FALSE(request.programs);
    EXPECT_EQ(rig.settingsSaves(), 1u);
}

// A code set that cannot be read is refused as it is chosen and again at OK (the file may
// change while the dialog is up): neither the setting nor the store ever names it, and a
// start whose stored code set cannot be read asks for one.
TEST(frmOptions, ARefusedCodeSetIsNeverStoredAndAStartAsksForAnother) {
    OptionsRig rig;
    const std::string kids = rig.g.Code_File;
    ASSERT_EQ(ws::OpenCodeFile(rig.g, rig.sp.platform), -1);
    const std::string bad = rig.folder.file("bad.cod");
    std::ofstream(bad, std::ios::binary) << "many\r\n";
    const std::string refusal = "The code file " + bad +
                                " could not be read: its first line does not give the number of codes."
                                " The code set in use was kept.";
    rig.sp.dialogs.files = {bad};
    rig.show([&](ws::frmOptions& d) {
        selectTab(d, 1);
        d.Choose_Btn[0]->click();
        EXPECT_EQ(d.Label4->text().toStdString(), kids);
        d.Label4->setText(QString::fromStdString(bad)); // as if chosen before the file went bad
        d.cmdOK->click();
    });
    ASSERT_EQ(rig.sp.dialogs.boxes.size(), 2u);
    for (const auto& box : rig.sp.dialogs.boxes) {
        EXPECT_EQ(box.text, refusal);
        EXPECT_EQ(box.title, "File Load Error");
    }
    EXPECT_EQ(rig.g.Code_File, kids);
    EXPECT_EQ(rig.g.NumCodes, 1);
    EXPECT_EQ(rig.sp.settings.values.at({"OSTRAVEL", "StartUp", "Code_File"}), kids);

    // Next start, with a stored code set that cannot be read: refused, then asked for.
    rig.sp.settings.values[{"OSTRAVEL", "StartUp", "Code_File"}] = bad;
    rig.sp.dialogs.boxes.clear();
    rig.sp.dialogs.openRequests.clear();
    rig.sp.dialogs.files = {kids};
    ws::Global started;
    ws::LoadSettings(started, rig.sp.platform);
    ASSERT_EQ(rig.sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(rig.sp.dialogs.boxes[0].text, refusal);
    ASSERT_EQ(rig.sp.dialogs.openRequests.size(), 1u);
    EXPECT_EQ(rig.sp.dialogs.openRequests[0].title, "Open the Code file...");
    EXPECT_EQ(started.Code_File, kids);
    EXPECT_EQ(started.NumCodes, 1);
}

// The rule grid's model keeps the item-model rules through a load and edits, and takes no
// edit outside its 99 rows and 4 columns.
TEST(FGCont, ModelKeepsTheItemModelRulesThroughLoadsAndEdits) {
    ws::FGCont grid;
    ws::ContGridModel& model = grid.model();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    ws::ContGridData rules;
    rules.cells[1] = {"2", "0", "60", "LOW"};
    model.setCells(rules);
    EXPECT_EQ(model.index(0, 3).data().toString(), "LOW");
    EXPECT_TRUE(model.setData(model.index(98, 0), QStringLiteral("3"), Qt::EditRole));
    EXPECT_EQ(model.cells().cells[99][ws::ContGridData::CsvColumn], "3");
    EXPECT_FALSE(model.setData(model.index(99, 0), QStringLiteral("4"), Qt::EditRole));
    EXPECT_FALSE(model.setData(model.index(0, 4), QStringLiteral("4"), Qt::EditRole));
    EXPECT_TRUE(model.cells().cells[100][ws::ContGridData::CsvColumn].empty());
    EXPECT_TRUE(model.flags(model.index(5, 2)).testFlag(Qt::ItemIsEditable));
}

TEST(frmOptions, RulesGridShowsTheFileAndOkSavesItOnlyWhenReadingMeasures) {
    for (bool readCont : {false, true}) {
        SCOPED_TRACE(readCont);
        OptionsRig rig;
        std::ofstream(rig.g.Code_File, std::ios::binary)
            << " 2 \r\n\"LOW\",\"Low rate\",1\r\n\"HIGH\",\"High rate\",1\r\n";
        // A short rules file: the cells it holds are read, the rest stay empty.
        const std::string shortFile = "\"2\",\"0\",\"60\",\"LOW\"\r\n\"2\",\"60\"";
        std::ofstream(rig.rulesFile(), std::ios::binary) << shortFile;
        rig.show([readCont](ws::frmOptions& d) {
            const ws::ContGridModel& grid = d.FGCont->model();
            EXPECT_EQ(grid.rowCount(), 99);
            const char* const titles[] = {"CSV Column", "Min Value", "Max Value", "Talvor Code"};
            const int widths[] = {73, 64, 64, 78};
            for (int column = 0; column < 4; ++column) {
                EXPECT_EQ(grid.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(),
                          titles[column]);
                EXPECT_EQ(d.FGCont->columnWidth(column), widths[column]);
            }
            EXPECT_EQ(grid.headerData(98, Qt::Vertical, Qt::DisplayRole).toInt(), 99);
            EXPECT_EQ(cell(d, 1, 3), "LOW");
            EXPECT_EQ(cell(d, 2, 1), "60");
            EXPECT_EQ(cell(d, 2, 2), "");
            selectTab(d, 3);
            d.FGCont->model().setData(d.FGCont->model().index(1, 2), "200", Qt::EditRole);
            d.FGCont->model().setData(d.FGCont->model().index(1, 3), "HIGH", Qt::EditRole);
            d.ContCheck[0]->setChecked(readCont);
            d.ContCheck[4]->setChecked(true);
            d.cmdOK->click();
        });
        EXPECT_EQ(rig.g.gReadCont, readCont ? 1 : 0);
        EXPECT_EQ(rig.g.gSaveContMerged, 1);
        // The merge counts by the edited rules at once when it reads measures.
        EXPECT_EQ(rig.g.ContGrid.cells[2][ws::ContGridData::TalvorCode], readCont ? "HIGH" : "");
        const std::string saved = fileText(rig.rulesFile());
        if (!readCont) {
            EXPECT_EQ(saved, shortFile);
            continue;
        }
        std::string expected = "\"2\",\"0\",\"60\",\"LOW\"\r\n\"2\",\"60\",\"200\",\"HIGH\"\r\n";
        for (int row = 3; row <= 99; ++row) {
            expected += "\"\",\"\",\"\",\"\"\r\n";
        }
        EXPECT_EQ(saved, expected);
    }
}

// A rule whose code the code set lacks would have the merge insert a code no analysis knows,
// and a quote would come back from the file cut: OK names the row and stays, whichever code
// set the person chose, until the rule is mended.
TEST(frmOptions, OkRefusesRulesTheFileCannotCarryOrTheCodeSetLacks) {
    struct Case {
        const char* code;
        const char* box;
    };
    for (const Case& c : {Case{"B", "Rule 2 of ContVarGrid.csv: the code \"B\" is not in the code file."},
                          Case{"", "Rule 2 of ContVarGrid.csv: the code \"\" is not in the code file."},
                          Case{"A\"", "Row 2 of ContVarGrid.csv: a cell cannot hold a double quote."}}) {
        SCOPED_TRACE(c.code);
        OptionsRig rig;
        const std::string chosenSet = rig.folder.file("other.cod");
        std::ofstream(chosenSet, std::ios::binary) << " 1 \r\n\"B\",\"Babble\",1\r\n";
        rig.sp.dialogs.files.push_back(chosenSet);
        const std::string oldRules = "\"2\",\"0\",\"60\",\"A\"\r\n";
        std::ofstream(rig.rulesFile(), std::ios::binary) << oldRules;
        bool stayed = false;
        rig.show([&](ws::frmOptions& d) {
            ws::ContGridModel& grid = d.FGCont->model();
            grid.setData(grid.index(1, 0), "2", Qt::EditRole);
            grid.setData(grid.index(1, 1), "60", Qt::EditRole);
            grid.setData(grid.index(1, 2), "99", Qt::EditRole);
            grid.setData(grid.index(1, 3), QString::fromUtf8(c.code), Qt::EditRole);
            d.ContCheck[0]->setChecked(true);
            d.cmdOK->click(); // rule 1's A is in the loaded set, rule 2 in neither
            stayed = !(d.isHidden() && d.result() == QDialog::Accepted);
            selectTab(d, 1);
            d.Choose_Btn[0]->click(); // the set OK will open has B, not A
            grid.setData(grid.index(0, 3), "B", Qt::EditRole);
            grid.setData(grid.index(1, 3), "B", Qt::EditRole);
            d.cmdOK->click();
        });
        EXPECT_TRUE(stayed);
        ASSERT_EQ(rig.sp.dialogs.boxes.size(), 1u) << rig.sp.dialogs.boxes.back().text;
        EXPECT_EQ(rig.sp.dialogs.boxes[0].text, c.box);
        EXPECT_EQ(rig.sp.dialogs.boxes[0].title, "TALVOR Preferences");
        const std::string rules = "\"2\",\"0\",\"60\",\"B\"\r\n\"2\",\"60\",\"99\",\"B\"\r\n";
        EXPECT_EQ(fileText(rig.folder.file("ContVarGrid.csv")).substr(0, rules.size()), rules);
        EXPECT_EQ(rig.g.gReadCont, 1);
    }
}

TEST(frmOptions, FailedRulesSaveIsSaidAndOkGoesOn) {
    OptionsRig rig;
    // A folder where the rules file should be: no file can replace it.
    std::filesystem::create_directory(rig.rulesFile());
    rig.g.gReadCont = 1;
    rig.g.NumCodes = 0;
    rig.show([](ws::frmOptions& d) {
        d.Check1->click();
        d.cmdOK->click();
    });
    ASSERT_EQ(rig.sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(rig.sp.dialogs.boxes[0].text, "Unable to save continous variable grid.\rIf you are not merging "
                                            "continous varible, ignore this message");
    EXPECT_EQ(rig.sp.dialogs.boxes[0].title, "TALVOR");
    EXPECT_EQ(rig.settingsSaves(), 2u);
    EXPECT_EQ(rig.sp.settings.values.at({"OSTRAVEL", "StartUp", "gStartBanner"}),
              rig.g.gStartBanner != 0 ? "1" : "0");
    EXPECT_EQ(rig.g.NumCodes, 1); // the code set reopened
}

TEST(frmOptions, OnlyCtrlTabChangesTabsAndOnlyTheSelectedPanelShows) {
    OptionsRig rig;
    rig.show([](ws::frmOptions& d) {
        EXPECT_EQ(d.tbsOptions->tabText(3), "Continous Variables");
        EXPECT_EQ(d.tbsOptions->tabToolTip(1), "Set Helper Application Locations");
        auto shownPanels = [&d] {
            std::vector<int> shown;
            for (int i = 0; i < 4; ++i) {
                QWidget* panel = d.picOptions[static_cast<std::size_t>(i)];
                if (!panel->isHidden() && panel->isEnabled()) {
                    shown.push_back(i);
                }
            }
            return shown;
        };
        EXPECT_EQ(shownPanels(), std::vector<int>{0});
        selectTab(d, 3);
        EXPECT_EQ(shownPanels(), std::vector<int>{3});
        press(d.ContCheck[1], Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(d.tbsOptions->currentIndex(), 0);
        EXPECT_EQ(shownPanels(), std::vector<int>{0});
        press(d.Text1, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        press(d.Text1, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        press(d.tbsOptions, Qt::Key_Right, Qt::NoModifier);
        press(&d, Qt::Key_Tab, Qt::NoModifier);
        EXPECT_EQ(d.tbsOptions->currentIndex(), 0);
        press(d.Text1, Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(d.tbsOptions->currentIndex(), 1);
        // A rule cell being edited does not take Ctrl+Tab for itself either.
        selectTab(d, 3);
        d.FGCont->edit(d.FGCont->model().index(0, 0));
        QWidget* editor = d.FGCont->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        press(editor, Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(d.tbsOptions->currentIndex(), 0);
        d.cmdCancel->click();
    });
    // Shown again, it starts afresh on the first tab.
    rig.show([](ws::frmOptions& d) { EXPECT_EQ(d.tbsOptions->currentIndex(), 0); });
}

TEST(frmOptions, RulesMessage) {
    OptionsRig rig;
    rig.show([](ws::frmOptions& d) {
        selectTab(d, 3);
        d.Command1->click();
    });
    ASSERT_EQ(rig.sp.dialogs.boxes.size(), 1u);
    const std::string& text = rig.sp.dialogs.boxes[0].text;
    EXPECT_EQ(rig.sp.dialogs.boxes[0].title, "The Rules");
    EXPECT_EQ(text.rfind("TALVOR can read in a comma seperated file", 0), 0u);
    EXPECT_NE(text.find("into a TALVOR code.\r\n\r\nThe first column"), std::string::npos);
    EXPECT_NE(text.find("in the same folder.\r\n\r\nIf the \"first time as zero\" box"), std::string::npos);
    const std::string last = "subtracted from all the other times.\r\n";
    EXPECT_EQ(text.substr(text.size() - last.size()), last);
}

TEST(ImportSettings, IgnoredGroupsShowRedAndToggle) {
    OptionsRig rig;
    rig.g.gFileFormat = 1;
    rig.g.gVTRSCombine = 1;
    rig.g.ColumnGroupStates[4] = 2;
    rig.g.ColumnGroupStates[5] = 1;
    rig.show([](ws::frmOptions& d) {
        ws::VTRSSettings& v = d.vtrsSettings();
        ASSERT_EQ(v.tView1->topLevelItemCount(), 50);
        QTreeWidgetItem* ignored = v.tView1->topLevelItem(4);
        EXPECT_EQ(ignored->text(0), "Group 4 Ignored");
        EXPECT_EQ(ignored->checkState(0), Qt::Unchecked);
        EXPECT_EQ(ignored->background(0).color(), QColor(255, 0, 0));
        EXPECT_EQ(v.tView1->topLevelItem(5)->checkState(0), Qt::Checked);
        EXPECT_EQ(v.tView1->topLevelItem(5)->background(0).color(), QColor(255, 255, 255));

        v.tView1->setCurrentItem(ignored);
        v.IggyBtn->click();
        EXPECT_EQ(ignored->text(0), "Group 4");
        EXPECT_EQ(ignored->background(0).color(), QColor(255, 255, 255));
        v.IggyBtn->click();
        EXPECT_EQ(ignored->text(0), "Group 4 Ignored");
        EXPECT_EQ(ignored->background(0).color(), QColor(255, 0, 0));

        // Checked and red stores 2; clearing the combine box hides the tree, keeps its marks.
        QTreeWidgetItem* both = v.tView1->topLevelItem(6);
        both->setCheckState(0, Qt::Checked);
        v.tView1->setCurrentItem(both);
        v.IggyBtn->click();
        v.CombineChk->click();
        EXPECT_TRUE(v.tView1->isHidden());
        EXPECT_TRUE(v.IggyBtn->isHidden());
        v.Command1->click();
        d.cmdOK->click();
    });
    EXPECT_EQ(rig.g.gVTRSCombine, 0);
    EXPECT_EQ(rig.g.ColumnGroupStates[4], 2);
    EXPECT_EQ(rig.g.ColumnGroupStates[5], 1);
    EXPECT_EQ(rig.g.ColumnGroupStates[6], 2);
}

TEST(ImportSettings, CancelledBrowseKeepsThePathAndCancelStoresNothing) {
    OptionsRig rig;
    rig.g.gDORUUseTranslation = 1;
    rig.g.gODFConvertTimes = 1;
    rig.show([&rig](ws::frmOptions& d) {
        ws::DORUSettings& doru = d.doruSettings();
        EXPECT_EQ(doru.windowTitle(), "DORU Import Settings");
        EXPECT_EQ(doru.Label2->text(), "Browse to pick the translation file...");
        doru.Command1->click(); // cancelled
        EXPECT_EQ(doru.Label2->text(), "Browse to pick the translation file...");
        EXPECT_EQ(rig.sp.dialogs.openRequests.at(0).title, "Select the code translation file to use");
        rig.sp.dialogs.files.push_back("/data/trans.txt");
        doru.Command1->click();
        EXPECT_EQ(doru.Label2->text(), "/data/trans.txt");
        doru.Check2->click();
        EXPECT_TRUE(doru.Label2->isHidden());
        d.odfSettings().Check1->click();
        d.vtrsSettings().Check1[0]->click();
        d.cmdCancel->click();
    });
    EXPECT_EQ(rig.g.gDORUTransFile, "Browse to pick the translation file...");
    EXPECT_EQ(rig.g.gDORUUseTranslation, 1);
    EXPECT_EQ(rig.g.gODFConvertTimes, 1);
    EXPECT_EQ(rig.g.gVintro2Secs, 0);
}

} // namespace

namespace {

// The translation file's row, shown by its box, makes the window taller instead of squeezing
// the explanation above it.
TEST(ImportSettings, DoruWindowGrowsToShowTheTranslationRow) {
    testsupport::ScriptedPlatform sp;
    ws::DORUSettings doru(sp.platform);
    doru.fill({0, 0, 0, "/data/a rather long folder name/for the translation/trans.txt"});
    doru.show();
    QApplication::processEvents();
    doru.Check2->click();
    QApplication::processEvents();
    EXPECT_FALSE(doru.Command1->isHidden());
    EXPECT_GE(doru.Label1->height(), doru.Label1->heightForWidth(doru.Label1->width()));
    for (QWidget* w :
         std::initializer_list<QWidget*>{doru.Label1, doru.Label2, doru.Command1, doru.Command2}) {
        EXPECT_TRUE(doru.rect().contains(w->geometry())) << w->objectName().toStdString();
    }
}

} // namespace
