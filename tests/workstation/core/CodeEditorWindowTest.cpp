// The workstation's "&Code File Editor..." (F3): the video coder's editor window over the
// workstation's code set, shown modally through the scripted dialogs.
#include "workstation/core/windows/CodeEditorWindow.h"
#include "support/ScratchFolder.h"
#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"
#include "textfile/Numeric.h"
#include "videocoder/core/windows/CodeFrm.h"
#include "workstation/core/CodeSetFile.h"

#include <QAction>
#include <QTabWidget>
#include <QTableView>

#include <gtest/gtest.h>

namespace {

const std::string kSet = " 2 \r\n\"A\",\"Alpha\",1\r\n\"B\",\"Beta\",2\r\n\"Talk\"\r\n\"Move\"\r\n";

TEST(CodeEditorWindow, F3ShowsTheEditorModallyOverTheCodeSet) {
    testsupport::ScratchFolder scratch;
    testsupport::ScriptedPlatform p;
    ws::Global g;
    const std::string path = scratch.file("set.cod");
    textfile::saveFileAtomically(path, kSet);
    g.Code_File = path;
    ASSERT_EQ(ws::OpenCodeFile(g, p.platform), textfile::kTrue);

    ws::MainWindowLinks links;
    ws::CodeEditorWindow editor(g, p.platform);
    editor.wireInto(links, nullptr);
    std::vector<std::string> seen;
    p.dialogs.modalHandlers.push_back([&](QDialog& dialog) {
        seen.push_back(dialog.windowTitle().toStdString());
        auto* tabs = dialog.findChild<QTabWidget*>("TabStrip1");
        seen.push_back(tabs->tabText(0).toStdString() + "/" + tabs->tabText(1).toStdString());
        auto* fg2 = dialog.findChild<QTableView*>("Fg2");
        auto* fg3 = dialog.findChild<QTableView*>("Fg3");
        seen.push_back(fg2->model()->index(1, 1).data().toString().toStdString());
        seen.push_back(fg3->model()->index(1, 1).data().toString().toStdString());
        fg2->setCurrentIndex(fg2->model()->index(1, 0));
        dialog.findChild<QAction*>("MoveUpMnu")->trigger();
        dialog.findChild<QAction*>("ExitMnu")->trigger();
        seen.push_back(editor.editor().loaded() ? "open" : "closed");
    });
    links.showCodeEditor();
    EXPECT_EQ(p.dialogs.modalShown, std::vector<std::string>{"CodeFrm"});
    EXPECT_EQ(seen, (std::vector<std::string>{"Code File Editor (set.cod)", "Codes/Group Descriptions",
                                              "Beta", "Move", "closed"}));
    EXPECT_EQ(g.CodeTable(1, 1), textfile::Value::ofText("B"));
    EXPECT_EQ(g.CodeTable(3, 1), textfile::Value::ofText("2"));
    const std::string written = textfile::readWholeFile(path);
    EXPECT_EQ(written.substr(0, written.find("\"Talk\"")),
              " 2 \r\n\"B\",\"Beta\",\"2\"\r\n\"A\",\"Alpha\",1\r\n");
    EXPECT_EQ(g.Code_File, path) << "the set stays the workstation's current one";
    EXPECT_TRUE(p.dialogs.boxes.empty());
}

} // namespace
