#include "workstation/core/ShowOutput.h"

#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>
#include <string>
#include <vector>

namespace {

using platform::Buttons;
using platform::Icon;

class ShowOutputRun : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        report = folder.filePath("kid 1.csv").toStdString();
        std::ofstream(report, std::ios::binary) << "\"Code\",\"Frequency\"\r\n";
        g.OutputFileName = report;
    }

    // Shows the report of the kind; the one box that says the helper failed, or "" with a failure.
    std::string helperErrorAfterShowing(std::int16_t kind) {
        doubles.dialogs.boxes.clear();
        g.OutputKind = kind;
        g.AbortRun = 0;
        ws::ShowOutput(g, doubles.platform);
        if (doubles.dialogs.boxes.size() != 1u) {
            ADD_FAILURE() << doubles.dialogs.boxes.size() << " boxes";
            return {};
        }
        const auto& box = doubles.dialogs.boxes[0];
        EXPECT_EQ(box.title, "Helper Application Error");
        EXPECT_EQ(box.icon, Icon::Exclamation);
        EXPECT_EQ(box.buttons, Buttons::OK);
        return box.text;
    }

    QTemporaryDir folder;
    std::string report;
    testsupport::ScriptedPlatform doubles;
    ws::Global g;
};

TEST_F(ShowOutputRun, StartsTheHelperThatSuitsTheReport) {
    struct Case {
        const char* what;
        std::int16_t kind;
        std::int16_t runCancelled, abortRun;
        bool reportExists;
        std::string textEditor, spreadsheet;
        std::vector<std::string> argvBeforeFile; // empty: nothing started
        std::int16_t abortAfter;
    };
    const std::vector<Case> cases = {
        {"text report", 1, 0, 0, true, "gedit", "xdg-open", {"gedit"}, 1},
        {"comma-separated report", 2, 0, 0, true, "gedit", "xdg-open", {"xdg-open"}, 1},
        {"spreadsheet that knows /e", 2, 0, 0, true, "gedit", "EXCEL.EXE", {"EXCEL.EXE", "/e"}, 1},
        {"excel in a Windows path",
         2,
         0,
         0,
         true,
         "gedit",
         "C:\\Office\\Excel.exe",
         {"C:\\Office\\Excel.exe", "/e"},
         1},
        {"excel only in a folder name",
         2,
         0,
         0,
         true,
         "gedit",
         "/opt/excel-like/calc",
         {"/opt/excel-like/calc"},
         1},
        {"named report file", 3, 0, 0, true, "gedit", "xdg-open", {}, 1},
        {"cancelled run", 1, 1, 0, true, "gedit", "xdg-open", {}, 0},
        {"aborted run", 2, 0, 1, true, "gedit", "xdg-open", {}, 1},
        {"no report written", 1, 0, 0, false, "gedit", "xdg-open", {}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        doubles.launcher.started.clear();
        g.OutputKind = c.kind;
        g.RunCancelled = c.runCancelled;
        g.AbortRun = c.abortRun;
        g.Text_Editor = c.textEditor;
        g.Spreadsheet_Editor = c.spreadsheet;
        g.OutputFileName = c.reportExists ? report : folder.filePath("never.txt").toStdString();

        ws::ShowOutput(g, doubles.platform);

        if (c.argvBeforeFile.empty()) {
            EXPECT_TRUE(doubles.launcher.started.empty());
        } else {
            std::vector<std::string> argv = c.argvBeforeFile;
            argv.push_back(report);
            ASSERT_EQ(doubles.launcher.started.size(), 1u);
            EXPECT_EQ(doubles.launcher.started[0], argv);
        }
        EXPECT_EQ(g.AbortRun != 0, c.abortAfter != 0);
        EXPECT_TRUE(doubles.dialogs.boxes.empty());
    }
}

TEST_F(ShowOutputRun, HelperSettingsAreSplitIntoArgumentVectors) {
    struct Case {
        const char* what;
        std::int16_t kind;
        std::string setting;
        std::vector<std::string> argvBeforeFile;
    };
    const std::vector<Case> cases = {
        {"plain program", 1, "gedit", {"gedit"}},
        {"program with an option", 2, "libreoffice --calc", {"libreoffice", "--calc"}},
        {"script path and an option", 1, "/home/ana/bin/view.sh --wait", {"/home/ana/bin/view.sh", "--wait"}},
        {"quoted path with blanks", 1, "\"/opt/My Tools/view\" -n", {"/opt/My Tools/view", "-n"}},
        {"blanks around the words", 1, "  kate   -b  ", {"kate", "-b"}},
        {"three quotes give one", 1, "show \"\"\"hi\"\"\"", {"show", "\"hi\""}},
        {"spreadsheet switch after the program's own options",
         2,
         "\"C:\\Program Files\\Office\\EXCEL.EXE\" /safe",
         {"C:\\Program Files\\Office\\EXCEL.EXE", "/safe", "/e"}},
        {"empty setting", 1, "", {""}},
        {"blank setting", 2, "   ", {""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        g.OutputKind = c.kind;
        (c.kind == 1 ? g.Text_Editor : g.Spreadsheet_Editor) = c.setting;
        std::vector<std::string> argv = c.argvBeforeFile;
        argv.push_back(report); // its blank keeps it one word
        EXPECT_EQ(ws::helperCommandFor(g).argv, argv);
    }
}

TEST_F(ShowOutputRun, ASettingThatNamesNoProgramCannotExecute) {
    g.OutputKind = 1;
    g.Text_Editor = " ";
    ws::ShowOutput(g, doubles.platform);
    EXPECT_TRUE(doubles.launcher.started.empty());
    ASSERT_EQ(doubles.dialogs.boxes.size(), 1u);
    EXPECT_EQ(
        doubles.dialogs.boxes[0].text,
        "  \"" + report +
            "\" cannot execute\r\n You may need to pick your helper application in the analysis settings");
    EXPECT_EQ(g.AbortRun, 0);
}

TEST_F(ShowOutputRun, ASecondCallAfterOneRunStartsNothing) {
    g.OutputKind = 2;
    ws::ShowOutput(g, doubles.platform);
    ws::ShowOutput(g, doubles.platform);
    EXPECT_EQ(doubles.launcher.started.size(), 1u);
}

TEST_F(ShowOutputRun, AHelperThatCannotStartIsReportedWithItsCommandLine) {
    struct Case {
        std::int16_t kind;
        std::string commandLine;
    };
    doubles.launcher.succeed = false;
    g.Text_Editor = "notepad";
    g.Spreadsheet_Editor = "oocalc";
    const std::vector<Case> cases = {
        {1, "notepad \"" + report + "\""},
        {2, "oocalc /e  \"" + report + "\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(
            helperErrorAfterShowing(c.kind),
            c.commandLine +
                " cannot execute\r\n You may need to pick your helper application in the analysis settings");
        EXPECT_EQ(g.AbortRun, 0);
    }
    // Left unset, the next call tries again.
    ws::ShowOutput(g, doubles.platform);
    EXPECT_EQ(doubles.launcher.started.size(), 3u);
}

TEST_F(ShowOutputRun, AHelperThatFailsAtOnceNamesTheReportAndItsSetting) {
    struct Case {
        std::int16_t kind;
        std::string setting;
    };
    doubles.launcher.quickExitCode = 4;
    for (const auto& c : {Case{1, "Text_Editor"}, Case{2, "Spreadsheet_Editor"}}) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(helperErrorAfterShowing(c.kind),
                  "xdg-open ended with an error (exit code 4) and may not have opened the file:\r\n" +
                      report + "\r\n The program is the " + c.setting +
                      " setting: you may pick another in the analysis settings");
    }
}

} // namespace
