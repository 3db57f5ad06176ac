#include "workstation/core/windows/Talvor.h"

#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QTemporaryDir>

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using platform::Answer;
using platform::Buttons;

// The analysis dialog stands in as a link that records its titles and plays a run.
class TalvorAnalysisItems : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        report = folder.filePath("kid 1.txt").toStdString();
        std::ofstream(report, std::ios::binary) << "report\r\n";
        g.Text_Editor = "gedit";
        window = std::make_unique<ws::Talvor>(g, doubles.platform, links);
        window->endProgram = [] {};
        links.showAnalysis = [this](const std::string& title) {
            titles.push_back(title);
            // A new run clears the flags, as the runner does.
            g.RunCancelled = 0;
            g.AbortRun = 0;
            g.OutputKind = 1;
            g.OutputFileName = report;
            if (runner) {
                runner(titles.size());
            }
        };
    }

    void trigger(const char* item) {
        auto* action = window->findChild<QAction*>(QString::fromLatin1(item));
        ASSERT_NE(action, nullptr) << item;
        action->trigger();
    }

    QTemporaryDir folder;
    std::string report;
    testsupport::ScriptedPlatform doubles;
    ws::Global g;
    ws::MainWindowLinks links;
    std::unique_ptr<ws::Talvor> window;
    std::vector<std::string> titles;
    std::function<void(std::size_t showing)> runner;
};

TEST_F(TalvorAnalysisItems, EachItemWritesItsTitleAndShowsTheReportAfterwards) {
    struct Case {
        const char* item;
        const char* title;
        bool showsReport;
    };
    const std::vector<Case> cases = {
        {"DataCheck", " Data File Checking", true},
        {"FreqDurMenu", " Frequency and Duration", true},
        {"MultiLevel", " Multi-Group Frequencies and Durations", true},
        {"SeqMenu", " Sequential Analysis", true},
        {"RecodeData", " Data File Recoding", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        titles.clear();
        doubles.launcher.started.clear();
        trigger(c.item);
        EXPECT_EQ(titles, std::vector<std::string>{c.title});
        EXPECT_EQ(doubles.launcher.started.size(), c.showsReport ? 1u : 0u);
    }
    EXPECT_TRUE(doubles.dialogs.boxes.empty());
}

// Not even the recoder's warning comes first: the item only says it is not there.
TEST_F(TalvorAnalysisItems, WithoutAnAnalysisDialogTheItemsSaySoAndShowNoReport) {
    links.showAnalysis = nullptr;
    g.OutputFileName = report;
    g.gFileFormat = 2;
    for (const char* item : {"DataCheck", "RecodeData", "FreqDurMenu", "IOAMenu", "MultiLevel", "SeqMenu"}) {
        trigger(item);
        ASSERT_EQ(doubles.dialogs.boxes.size(), 1u) << item;
        EXPECT_EQ(doubles.dialogs.boxes[0].text, "The analysis window is not available yet.") << item;
        EXPECT_EQ(doubles.dialogs.boxes[0].title, "TALVOR") << item;
        EXPECT_EQ(doubles.dialogs.boxes[0].icon, platform::Icon::Information) << item;
        doubles.dialogs.boxes.clear();
    }
    EXPECT_TRUE(doubles.launcher.started.empty());
    EXPECT_EQ(doubles.dialogs.beeps, 0);
}

TEST_F(TalvorAnalysisItems, AgreementAsksForTheSecondFileOnlyWhenTheRunnerTookAFirst) {
    struct Case {
        const char* what;
        std::function<void(std::size_t)> runner;
        std::vector<std::string> titles;
        std::size_t started;
    };
    const std::vector<Case> cases = {
        {"a list run takes no first file", nullptr, {" Inter-Observer Agreement"}, 1},
        {"first file, then the second",
         [this](std::size_t showing) {
             if (showing == 1) {
                 g.IOAFirstFileTaken = 1;
                 g.DataFileName = "/data/obs.a/kid1.eve";
             }
         },
         {" Inter-Observer Agreement", "Please pick the file to compare to kid1.eve"},
         1},
        {"second pick cancelled",
         [this](std::size_t showing) {
             if (showing == 1) {
                 g.IOAFirstFileTaken = 1;
                 g.DataFileName = "C:\\Data\\kid2.eve";
             } else {
                 g.RunCancelled = 1;
             }
         },
         {" Inter-Observer Agreement", "Please pick the file to compare to kid2.eve"},
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        titles.clear();
        doubles.launcher.started.clear();
        g.IOAFirstFileTaken = 1; // left over from an earlier run: must not count
        runner = c.runner;
        window->IOAMenu_Click();
        EXPECT_EQ(titles, c.titles);
        EXPECT_EQ(doubles.launcher.started.size(), c.started);
    }
}

TEST_F(TalvorAnalysisItems, RecodingWarnsOnlyForForeignFormatsAndCancelStops) {
    const std::string warning = "Non TALVOR files will be recoded into TALVOR formated files...\r\n\r\n"
                                "To work wih the recoded files you may have the file format set wrong\r\n"
                                "in the analysis settings box.";
    struct Case {
        std::int16_t format;
        std::vector<Answer> answers;
        bool warned;
        bool shown;
    };
    const std::vector<Case> cases = {
        {0, {}, false, true},
        {1, {Answer::OK}, true, true},
        {3, {Answer::Cancel}, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        titles.clear();
        doubles.dialogs.boxes.clear();
        doubles.dialogs.beeps = 0;
        doubles.dialogs.answers.assign(c.answers.begin(), c.answers.end());
        g.gFileFormat = c.format;
        window->RecodeData_Click();
        ASSERT_EQ(doubles.dialogs.boxes.size(), c.warned ? 1u : 0u);
        EXPECT_EQ(doubles.dialogs.beeps, c.warned ? 1 : 0);
        if (c.warned) {
            EXPECT_EQ(doubles.dialogs.boxes[0].text, warning);
            EXPECT_EQ(doubles.dialogs.boxes[0].title, "Warning!");
            EXPECT_EQ(doubles.dialogs.boxes[0].buttons, Buttons::OKCancel);
        }
        EXPECT_EQ(titles.size(), c.shown ? 1u : 0u);
    }
    EXPECT_TRUE(doubles.launcher.started.empty());
}

} // namespace
