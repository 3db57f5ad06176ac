// The collector window offscreen, opened from the workstation's menu item: its controls,
// keys typed into its box, its lists, and Exit ending the whole program.
#include "collector/windows/CollectorPrograms.h"
#include "support/ScratchFolder.h"
#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"
#include "workstation/core/windows/Talvor.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

namespace collector {
namespace {

void key(QWidget* box, int qtKey, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
    QCoreApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::NoModifier, text);
    QCoreApplication::sendEvent(box, &release);
}

TEST(MiniBrondelWindow, CollectsFromTheWorkstationMenuAndItsExitEndsTheProgram) {
    testsupport::ScratchFolder scratch;
    testsupport::ScriptedPlatform sp;
    const std::string codes = scratch.file("kids.cod");
    textfile::saveFileAtomically(codes, " 3 \r\n\"Cry\",\"\",2\r\n\"Play\",\"\",1\r\n\"Fuss\",\"\",2\r\n");
    sp.settings.values[{"OSTRAVEL", "StartUp", "Code_File"}] = codes;
    ws::Global g;
    ws::MainWindowLinks links;
    ws::Talvor mainWindow(g, sp.platform, links);
    int ended = 0;
    mainWindow.endProgram = [&ended] { ++ended; };
    WorkstationCollector collector(g, sp.platform, [&mainWindow] { mainWindow.endProgram(); });
    collector.wireInto(links, &mainWindow, &mainWindow);

    sp.dialogs.files.push_back(scratch.file("kid.eve"));
    sp.dialogs.inputs.push_back("Kid");
    sp.dialogs.modalHandlers.push_back([&](QDialog& dialog) {
        auto& window = dynamic_cast<MiniBrondel&>(dialog);
        EXPECT_EQ(window.windowTitle(), "Talvor Data Collector");
        EXPECT_EQ(window.Label1->text(), "Pick new to start a new file");
        EXPECT_EQ(window.Label2->text(), "Current Status...");
        EXPECT_EQ(window.NewFile->text(), "&New...");
        EXPECT_EQ(window.NewFile->shortcut(), QKeySequence(Qt::Key_F6));
        EXPECT_EQ(window.Exit->shortcut(), QKeySequence(Qt::Key_F7));
        EXPECT_EQ(window.TimerStart->shortcut(), QKeySequence(Qt::Key_F3));
        EXPECT_FALSE(window.Combo[1]->isHidden());
        EXPECT_FALSE(window.Combo[2]->isHidden());
        EXPECT_TRUE(window.Combo[3]->isHidden());
        EXPECT_EQ(window.Combo[2]->count(), 2);
        EXPECT_EQ(window.Combo[2]->geometry().topLeft(), QPoint(344, 67));

        window.NewFile->trigger();
        EXPECT_EQ(window.windowTitle(), "Talvor Data Collector(kid.eve)");
        EXPECT_EQ(window.NewFile->text(), "&Save");
        window.TimerStart->trigger();
        EXPECT_TRUE(window.Timer1->isActive());
        EXPECT_EQ(window.TimerStart->text(), "&Stop");
        sp.clock.monotonic = 3;
        QMetaObject::invokeMethod(window.Timer1, "timeout");
        EXPECT_EQ(window.Label1->text(), "3");
        key(window.Text1, Qt::Key_F, "F");
        key(window.Text1, Qt::Key_U, "u");
        key(window.Text1, Qt::Key_Apostrophe, "'");
        key(window.Text1, Qt::Key_S, "s");
        key(window.Text1, Qt::Key_S, "s");
        key(window.Text1, Qt::Key_Return, "\r");
        EXPECT_EQ(window.Combo[2]->currentText(), "Fuss") << "the typed code's list follows it";
        window.Combo[1]->activated(0);
        EXPECT_EQ(window.Text1->toPlainText(), "Events\nKid\nPlay,0\nCry,0\nFuss,3\nPlay,3\n");
        window.Exit->trigger();
    });
    mainWindow.CollectData_Click();

    EXPECT_EQ(sp.dialogs.modalShown, std::vector<std::string>{"MiniBrondel"});
    EXPECT_EQ(textfile::readWholeFile(scratch.file("kid.eve")),
              "Events\r\nKid\r\nPlay,0\r\nCry,0\r\nFuss,3\r\nPlay,3\r\n-500,3\r\n\r\n");
    EXPECT_EQ(ended, 1);
}

} // namespace
} // namespace collector
