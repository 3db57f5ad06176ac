// The analysis dialog offscreen: its controls as they load, the choices that show and
// hide controls, and its two buttons driven through a modal showing.
#include "AnalTestSupport.h"
#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"
#include "textfile/Numeric.h"
#include "workstation/analyses/windows/Anal.h"
#include "workstation/analyses/windows/ShowAnalysis.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <gtest/gtest.h>

namespace ws {
namespace {

using namespace analtest;

template <class W> W* control(QDialog& dialog, const char* name) {
    W* widget = dialog.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

class AnalDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        useCodeTable(g, {{"A", "Apple", 1}});
        writeEventFile(scratch.file("a.eve"), "one", {{"A", 1}, {"-500", 9}});
        writeListFile(scratch.file("study.lst"), "Event Files", {scratch.file("a.eve")});
    }

    QRadioButton* option(const char* name) { return control<QRadioButton>(anal, name); }
    QCheckBox* check1() { return control<QCheckBox>(anal, "Check1"); }
    QLineEdit* text1() { return control<QLineEdit>(anal, "Text1"); }

    void expectLoadTimeState() {
        EXPECT_EQ(control<QLabel>(anal, "Label1")->text(), "Analysis:");
        EXPECT_TRUE(option("Option1")->isChecked());
        EXPECT_TRUE(option("Option5")->isChecked());
        EXPECT_TRUE(check1()->isHidden());
        EXPECT_FALSE(check1()->isChecked());
        EXPECT_TRUE(text1()->isHidden());
        EXPECT_FALSE(text1()->isEnabled());
        EXPECT_TRUE(text1()->text().isEmpty());
        EXPECT_TRUE(control<QProgressBar>(anal, "ProgressBar1")->isHidden());
        EXPECT_TRUE(control<QPushButton>(anal, "Doit_Btn")->isEnabled());
    }

    ScratchFolder scratch;
    testsupport::ScriptedPlatform sp;
    Global g;
    AnalysisRoutes routes;
    Anal anal{g, sp.platform, routes};
};

TEST_F(AnalDialogTest, ControlsCarryTheirCaptionsAndLoadState) {
    EXPECT_EQ(anal.objectName(), "Anal");
    EXPECT_EQ(anal.windowTitle(), "Analysis File Selection");
    const std::vector<std::pair<const char*, const char*>> captions{
        {"Option1", "&Single Data File"}, {"Option4", "&List of Files"},      {"Check1", "Skip to &Pooled"},
        {"Option5", "Text Editor"},       {"Option6", "&Spreadsheet Editor"}, {"Option7", "&File..."},
        {"OutPrefs", "Prefs..."},         {"Doit_Btn", "&Pick File..."},      {"Cancel_Btn", "&Cancel"},
    };
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(control<QAbstractButton>(anal, name)->text(), caption) << name;
    }
    EXPECT_EQ(control<QGroupBox>(anal, "Frame1")->title(), "Input File Type...");
    EXPECT_EQ(control<QGroupBox>(anal, "Frame2")->title(), "Output to...");
    anal.Form_Load();
    expectLoadTimeState();
}

TEST_F(AnalDialogTest, ListChoiceShowsSkipToPooledAndSingleFileClearsIt) {
    option("Option4")->click();
    EXPECT_FALSE(check1()->isHidden());
    check1()->click();

    option("Option1")->click();
    EXPECT_TRUE(check1()->isHidden());
    EXPECT_FALSE(check1()->isChecked());
}

TEST_F(AnalDialogTest, KeepsOneSizeAndLoadsCentred) {
    anal.Form_Load();
    const QSize loaded = anal.size();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(anal.pos(),
              QPoint((screen.width() - loaded.width()) / 2, (screen.height() - loaded.height()) / 2));
    EXPECT_EQ(anal.minimumSize(), anal.maximumSize()) << "the person cannot resize it";

    // Every control that comes and goes, and a long progress text, leave the size alone.
    sp.dialogs.files.push_back("/data/all runs.csv");
    option("Option4")->click();
    option("Option7")->click();
    anal.showProgress(true);
    anal.setLabel(
        "Please pick the file to compare to a very long name of an event file from an observer.eve");
    anal.show();
    QApplication::processEvents();
    EXPECT_EQ(anal.size(), loaded);
    const QPoint checkAt = check1()->pos();
    option("Option1")->click();
    option("Option5")->click();
    anal.showProgress(false);
    QApplication::processEvents();
    EXPECT_EQ(anal.size(), loaded);
    EXPECT_EQ(check1()->pos(), checkAt) << "controls stay where they were";
    anal.hide();
}

TEST_F(AnalDialogTest, AnOptionReachedByItsAccessKeyIsChosen) {
    const auto reach = [](QRadioButton* option, Qt::FocusReason reason) {
        QFocusEvent focusIn(QEvent::FocusIn, reason);
        QCoreApplication::sendEvent(option, &focusIn);
    };
    // Activating the window or tabbing through chooses nothing.
    reach(option("Option4"), Qt::ActiveWindowFocusReason);
    reach(option("Option6"), Qt::TabFocusReason);
    EXPECT_TRUE(option("Option1")->isChecked());
    EXPECT_TRUE(option("Option5")->isChecked());

    reach(option("Option4"), Qt::ShortcutFocusReason);
    EXPECT_TRUE(option("Option4")->isChecked());
    EXPECT_FALSE(check1()->isHidden());
    reach(option("Option6"), Qt::ShortcutFocusReason);
    EXPECT_TRUE(option("Option6")->isChecked());
    reach(option("Option1"), Qt::ShortcutFocusReason);
    EXPECT_TRUE(option("Option1")->isChecked());
    EXPECT_TRUE(check1()->isHidden());

    sp.dialogs.files.push_back("/data/all runs.csv");
    reach(option("Option7"), Qt::ShortcutFocusReason);
    EXPECT_EQ(sp.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(text1()->text(), "/data/all runs.csv");
    reach(option("Option5"), Qt::ShortcutFocusReason);
    EXPECT_TRUE(option("Option5")->isChecked());
    EXPECT_TRUE(text1()->isHidden());
}

TEST_F(AnalDialogTest, FileChoiceAsksForTheReportName) {
    sp.dialogs.files.push_back("/data/all runs.csv");
    option("Option7")->click();

    ASSERT_EQ(sp.dialogs.saveRequests.size(), 1u);
    const auto& request = sp.dialogs.saveRequests[0];
    EXPECT_EQ(request.title, "Name the output file (if file exists it will be appended)...");
    EXPECT_EQ(request.filter, "Comma Seperated Values (*.csv)|*.csv|All Files(*.*)|*.*");
    EXPECT_EQ(request.fileName, "");
    EXPECT_EQ(request.flags, platform::kHideReadOnly);
    EXPECT_TRUE(option("Option7")->isChecked());
    EXPECT_EQ(text1()->text(), "/data/all runs.csv");
    EXPECT_FALSE(text1()->isHidden());
    EXPECT_TRUE(text1()->isEnabled());

    option("Option6")->click(); // leaving "&File..." forgets the name
    EXPECT_TRUE(text1()->text().isEmpty());
    EXPECT_TRUE(text1()->isHidden());
}

TEST_F(AnalDialogTest, CancelledFileNameFallsBackToTextEditor) {
    option("Option6")->click();
    option("Option7")->click(); // no name given

    EXPECT_TRUE(option("Option5")->isChecked());
    EXPECT_TRUE(text1()->isHidden());
    EXPECT_FALSE(text1()->isEnabled());
    EXPECT_EQ(anal.choices().destination, ReportDestination::TextEditor);
}

TEST_F(AnalDialogTest, CancelButtonStopsTheRunAndResetsTheDialog) {
    const auto show = makeShowAnalysis(anal, sp.platform);
    sp.dialogs.modalHandlers.push_back([](QDialog& dialog) {
        dialog.findChild<QRadioButton*>("Option4")->click();
        dialog.findChild<QPushButton*>("Cancel_Btn")->click();
    });
    show(" Frequency and Duration");

    EXPECT_EQ(sp.dialogs.modalShown, std::vector<std::string>{"Anal"});
    EXPECT_EQ(g.AbortRun, textfile::kTrue);
    EXPECT_EQ(sp.dialogs.yields, 1);
    expectLoadTimeState();
}

TEST_F(AnalDialogTest, PickButtonRunsTheChosenAnalysisAndTheDialogLivesOn) {
    const auto show = makeShowAnalysis(anal, sp.platform);
    for (int showing = 0; showing < 2; ++showing) {
        sp.dialogs.files.push_back(scratch.file("study.lst"));
        sp.dialogs.modalHandlers.push_back([](QDialog& dialog) {
            dialog.findChild<QRadioButton*>("Option4")->click();
            dialog.findChild<QCheckBox*>("Check1")->click();
            dialog.findChild<QRadioButton*>("Option6")->click();
            dialog.findChild<QPushButton*>("Doit_Btn")->click();
        });
        show(" Data File Checking");

        EXPECT_EQ(g.SkipToPooled, 1);
        EXPECT_EQ(g.OutputKind, 2);
        EXPECT_EQ(g.OutputFileName, scratch.file("study.lst.csv"));
        expectLoadTimeState();
    }
    // The check ran each time, into a report of its own.
    EXPECT_EQ(readBytes(scratch.file("study.lst.csv")), "No error in file:" + scratch.file("a.eve") + "\r\n");
}

TEST_F(AnalDialogTest, PickButtonRunsTheFrequencyReportWithTheDialogAsItsStatus) {
    sp.dialogs.files.push_back(scratch.file("a.eve"));
    sp.dialogs.modalHandlers.push_back(
        [](QDialog& dialog) { dialog.findChild<QPushButton*>("Doit_Btn")->click(); });
    makeShowAnalysis(anal, sp.platform)(" Frequency and Duration");

    EXPECT_TRUE(sp.dialogs.boxes.empty());
    EXPECT_NE(readBytes(scratch.file("a.eve.txt")).find(" File name: a.eve"), std::string::npos);
    expectLoadTimeState();
}

TEST_F(AnalDialogTest, PrefsButtonOpensTheOptions) {
    int opened = 0;
    anal.setShowOptions([&opened] { ++opened; });
    control<QPushButton>(anal, "OutPrefs")->click();
    EXPECT_EQ(opened, 1);
}

} // namespace
} // namespace ws
