#include "../core/SampleCoding.h"
#include "support/RecordingFileTypes.h"
#include "support/ScratchFolder.h"
#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"
#include "videocoder/coding/windows/DataFrmWindow.h"
#include "videocoder/core/DataFile.h"
#include "videocoder/core/RefreshDataGrid.h"
#include "videocoder/core/windows/FrmSplash.h"
#include "videocoder/core/windows/MainFrmWindow.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// A timer's tick, as the event loop would deliver it.
void fire(QTimer* timer) {
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
}

bool gone(const QPointer<vc::FrmSplash>& splash) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return splash.isNull();
}

TEST(FrmSplash, ShowsTitleAndVersionAndClosesOnTimerKeyOrClick) {
    const std::vector<std::function<void(vc::FrmSplash&)>> closers = {
        [](vc::FrmSplash& s) { fire(s.Timer1()); },
        [](vc::FrmSplash& s) { QTest::keyClick(&s, Qt::Key_Space); },
        [](vc::FrmSplash& s) { QTest::mouseClick(s.Frame1(), Qt::LeftButton, {}, QPoint(5, 5)); },
    };
    for (const auto& close : closers) {
        QPointer<vc::FrmSplash> splash = new vc::FrmSplash;
        splash->show();
        EXPECT_EQ(splash->lblVersion()->text(), QString("Version %1.%2.%3")
                                                    .arg(SUITE_VERSION_MAJOR)
                                                    .arg(SUITE_VERSION_MINOR)
                                                    .arg(SUITE_VERSION_PATCH));
        EXPECT_EQ(splash->lblProductName()->text(), "Vintrosa");
        EXPECT_EQ(splash->Timer1()->interval(), 2000);
        EXPECT_TRUE(splash->Timer1()->isActive());
        EXPECT_FALSE(gone(splash));
        close(*splash);
        EXPECT_TRUE(gone(splash));
    }
}

// The coder wired as the program wires it, over scripted dialogs and a scratch folder.
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

    Coder() {
        links.RefreshDataGrid = [this] { vc::RefreshDataGrid(g, links); };
        window.attach(links, {});
    }
    std::string sampleFile() {
        const std::string cod = scratch.file("kids.cod");
        textfile::saveFileAtomically(cod, vctest::sampleCodeSet());
        const std::string path = scratch.file("kids.qvd");
        textfile::saveFileAtomically(path, vctest::sampleData(cod, 2, vctest::kSampleRows));
        return path;
    }
    std::string cell(int row, int column) const {
        return window.gridModel()->index(row, column).data().toString().toStdString();
    }
};

TEST(DataFrmWindow, ShowsTheFileRowsUnderTheCodeSetTitles) {
    Coder c;
    c.g.data.gFileName = c.sampleFile();
    ASSERT_TRUE(vc::OpenDataFile(c.g, c.links));
    c.window.show();
    vc::DataGridModel* model = c.window.gridModel();
    ASSERT_NE(model, nullptr);
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);

    EXPECT_EQ(model->rowCount(), 2);
    EXPECT_EQ(c.cell(0, 0), "00:00:05.20");
    EXPECT_EQ(c.cell(0, 1), "L");
    EXPECT_EQ(c.cell(0, 3), "T");
    EXPECT_EQ(c.cell(1, 3), "Q");
    EXPECT_EQ(model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Time");
    EXPECT_EQ(model->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Looking");
    EXPECT_EQ(model->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), "Voice");
    std::vector<int> shown;
    for (int column = 0; column < model->columnCount(); ++column) {
        if (!c.window.FG1()->isColumnHidden(column)) {
            shown.push_back(column);
        }
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 3}));

    // A cleared cell becomes Null; a typed one text.
    EXPECT_TRUE(model->setData(model->index(1, 3), QString(), Qt::EditRole));
    EXPECT_TRUE(model->setData(model->index(1, 1), QString("L"), Qt::EditRole));
    EXPECT_EQ(c.g.data.gData.at(4, 2), textfile::Value::null());
    EXPECT_EQ(c.g.data.gData.at(2, 2), textfile::Value::ofText("L"));
}

TEST(DataFrmWindow, ClosingSavesAndForgetsTheFileOrStaysWhenItCannotSave) {
    Coder c;
    const std::string path = c.sampleFile();
    c.g.data.gFileName = path;
    ASSERT_TRUE(vc::OpenDataFile(c.g, c.links));
    c.window.show();

    // Unchanged, it closes without writing; changed, a save that fails keeps it open.
    c.g.data.gFileName = c.scratch.file("gone/kids.qvd");
    c.window.gridModel()->setData(c.window.gridModel()->index(0, 1), "X", Qt::EditRole);
    EXPECT_FALSE(c.window.close());
    EXPECT_TRUE(c.window.isVisible());
    EXPECT_EQ(c.g.open.gDataOpen, vc::kTrue);
    EXPECT_EQ(c.cell(0, 1), "X");

    c.g.data.gFileName = path;
    EXPECT_TRUE(c.window.close());
    EXPECT_FALSE(c.window.isVisible());
    EXPECT_EQ(c.g.open.gDataOpen, vc::kFalse);
    EXPECT_EQ(c.g.open.gCodeOpen, vc::kFalse);
    EXPECT_EQ(c.g.data.gFileName, "");
    EXPECT_EQ(c.g.data.gData.rows(), 1);
    EXPECT_NE(textfile::readWholeFile(path).find("\"00:00:05.20\",\"X\""), std::string::npos);
}

TEST(DataFrmWindow, AutosaveTickSavesOnlyANamedFile) {
    Coder c;
    const std::string path = c.sampleFile();
    c.g.data.gFileName = path;
    c.g.settings.gAutoSave = vc::kTrue;
    c.g.settings.gSaveTimerDuration = 90;
    ASSERT_TRUE(vc::OpenDataFile(c.g, c.links));
    EXPECT_TRUE(c.window.AutoSaveTimer()->isActive());
    EXPECT_EQ(c.window.AutoSaveTimer()->interval(), 90000);
    c.g.data.gData.at(2, 1) = textfile::Value::ofText("Y");
    fire(c.window.AutoSaveTimer());
    EXPECT_NE(textfile::readWholeFile(path).find("\"Y\""), std::string::npos);

    c.g.data.gFileName.clear();
    fire(c.window.AutoSaveTimer());
    EXPECT_TRUE(c.dialogs.saveRequests.empty());
}

QAction* action(QWidget& window, const char* name) {
    return window.findChild<QAction*>(name);
}

TEST(MainFrmWindow, MenusHoldTheirCaptionsInOrder) {
    Coder c;
    testsupport::RecordingFileTypes fileTypes;
    vc::MainFrmLinks windows;
    vc::MainFrmWindow mainFrm(c.g, c.links, {c.platform.settings, fileTypes, "/opt/Vintrosa"}, windows);
    EXPECT_EQ(mainFrm.windowTitle(), "Vintro for Digital Video");
    EXPECT_EQ(mainFrm.findChild<QLabel*>("Label1")->text(), "Vintro DV");

    auto captions = [](QMenu* menu) {
        std::vector<std::string> out;
        for (QAction* a : menu->actions()) {
            out.push_back(a->isSeparator() ? "-" : a->text().toStdString());
        }
        return out;
    };
    std::vector<std::string> bar;
    for (QAction* a : mainFrm.menuBar()->actions()) {
        bar.push_back(a->text().toStdString());
    }
    EXPECT_EQ(bar, (std::vector<std::string>{"&File", "&Edit", "&Help"}));
    EXPECT_EQ(captions(mainFrm.findChild<QMenu*>("FileMnu")),
              (std::vector<std::string>{"&New", "&Open", "Import a DORU File...",
                                        "Convert a Transcription file to Events...", "-", "", "", "", "", "-",
                                        "E&xit"}));
    EXPECT_EQ(captions(mainFrm.findChild<QMenu*>("NewMnu")),
              (std::vector<std::string>{"&Observation Data File", "&Transcription Data File", "&Code File"}));
    EXPECT_EQ(captions(mainFrm.findChild<QMenu*>("OpenMnu")),
              (std::vector<std::string>{"Open a &Data File...", "Open a &Media File...", "Open a DVD...",
                                        "Open a &Code file..."}));
    EXPECT_EQ(captions(mainFrm.findChild<QMenu*>("EditMnu")),
              (std::vector<std::string>{"&Options...", "Reset all options settings to default...",
                                        "Reset Windows File Associations for *.qvd"}));
    EXPECT_EQ(
        captions(mainFrm.findChild<QMenu*>("HelpMnu")),
        (std::vector<std::string>{"About Vintro DV...", "-", "Convert a Time to the Current Time Format"}));

    c.platform.settings.values[{"Vintrosa", "Data Settings", "recent1"}] = "/data/R&D kids.qvd";
    mainFrm.controller().Form_Load("");
    EXPECT_TRUE(action(mainFrm, "sep5")->isVisible());
    EXPECT_TRUE(action(mainFrm, "recentMnu(1)")->isVisible());
    EXPECT_EQ(action(mainFrm, "recentMnu(1)")->text(), "R&&D kids.qvd");
    EXPECT_FALSE(action(mainFrm, "recentMnu(2)")->isVisible());
    EXPECT_EQ(fileTypes.registered.size(), 1u);

    action(mainFrm, "PrefsMnu")->trigger();
    ASSERT_FALSE(c.dialogs.boxes.empty());
    EXPECT_EQ(c.dialogs.boxes.back().text, "The options window is not available yet.");
    EXPECT_EQ(c.dialogs.boxes.back().title, "Vintrosa");
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* splash = qobject_cast<vc::FrmSplash*>(w)) {
            splash->close();
        }
    }
}

// The command line's file opens behind the guard every menu item has: an open that runs out
// of memory is a load failure in a box, and a failure nothing expects is shown too; the
// program goes on either way.
TEST(MainFrmWindow, CommandLineOpenFailsInABoxAndTheProgramGoesOn) {
    class FailingSettings : public testsupport::MemorySettings {
    public:
        std::string get(const std::string&, const std::string&, const std::string&,
                        const std::string&) override {
            throw std::runtime_error("settings unreadable");
        }
    };
    Coder c;
    testsupport::RecordingFileTypes fileTypes;
    vc::MainFrmLinks windows;
    const std::string path = c.sampleFile();
    c.links.RefreshDataGrid = [] { throw std::bad_alloc(); };
    vc::MainFrmWindow mainFrm(c.g, c.links, {c.platform.settings, fileTypes, "/opt/Vintrosa"}, windows);
    mainFrm.startUp(path);
    ASSERT_EQ(c.dialogs.boxes.size(), 1u);
    EXPECT_EQ(c.dialogs.boxes[0].text, "Error Loading Data: Out of memory\r\nFile: " + path + "\r\nLine: 15");
    EXPECT_EQ(c.g.open.gDataOpen, vc::kFalse);
    EXPECT_EQ(c.g.data.gRowCount.asNumber(), c.g.data.gData.rows());

    FailingSettings failing;
    vc::MainFrmWindow second(c.g, c.links, {failing, fileTypes, "/opt/Vintrosa"}, windows);
    EXPECT_NO_THROW(second.startUp(path));
    EXPECT_EQ(c.dialogs.boxes.back().text, "settings unreadable");
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* splash = qobject_cast<vc::FrmSplash*>(w)) {
            splash->close();
        }
    }
}

TEST(MainFrmWindow, PositionGoesInTwipsOnlyWhenStored) {
    Coder c;
    testsupport::RecordingFileTypes fileTypes;
    vc::MainFrmLinks windows;
    vc::MainFrmWindow mainFrm(c.g, c.links, {c.platform.settings, fileTypes, "/opt/Vintrosa"}, windows);
    mainFrm.resize(300, 200);
    mainFrm.setWidth(9000);
    mainFrm.setHeight(0 + 4500);
    EXPECT_EQ(mainFrm.width(), 600);
    EXPECT_EQ(mainFrm.height(), 300);
    const vc::WindowPosition p = mainFrm.position();
    EXPECT_EQ(p.width, 9000);
    EXPECT_EQ(p.height, 4500);
}

} // namespace
