// The example study under data/examples/, used as the README's first run describes: the
// code set picked at the first start, then frequency and duration and inter-observer
// agreement on one file or pair and on the study's list, each report opened in the default
// helper. The reports' layouts are pinned by the fixture cases; here the study must read
// cleanly and every run must end in a report.
#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"
#include "workstation/analyses/AnalTestSupport.h"
#include "workstation/analyses/windows/AnalysisWindows.h"
#include "workstation/core/MainWindowLinks.h"
#include "workstation/core/windows/Talvor.h"

#include <QAction>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using platform::Answer;

const fs::path kExamples = fs::path(SUITE_FIXTURES_DIR) / ".." / ".." / "data" / "examples";

// Operates the analysis dialog: the named choices, then the pick button.
std::function<void(QDialog&)> choose(std::vector<const char*> options) {
    return [options](QDialog& anal) {
        for (const char* option : options) {
            anal.findChild<QRadioButton*>(option)->click();
        }
        anal.findChild<QPushButton*>("Doit_Btn")->click();
    };
}

class ExampleStudy : public ::testing::Test {
protected:
    void SetUp() override {
        // The list names its files from the folder the program starts in, as scripts/run
        // starts it in the repository's folder.
        // Only the study itself: reports of earlier runs by hand may lie beside it.
        fs::create_directories(scratch.path() / "data" / "examples");
        for (const auto& entry : fs::directory_iterator(kExamples)) {
            const fs::path ext = entry.path().extension();
            if (ext == ".cod" || ext == ".eve" || ext == ".lst") {
                fs::copy_file(entry.path(), scratch.path() / "data" / "examples" / entry.path().filename());
            }
        }
        analyses.wireInto(links);
        window.endProgram = [] {};
        // First start: no settings yet, so the code set is asked for.
        sp.dialogs.files = {study("playground.cod")};
        window.Form_Load();
        ASSERT_EQ(g.NumCodes, 6);
        sp.dialogs.boxes.clear();
    }

    std::string study(const std::string& name) const {
        return (scratch.path() / "data" / "examples" / name).string();
    }

    void run(const char* menuItem, std::vector<std::string> picks,
             std::vector<std::function<void(QDialog&)>> dialogs) {
        sp.launcher.started.clear();
        sp.dialogs.boxes.clear();
        sp.dialogs.files.assign(picks.begin(), picks.end());
        sp.dialogs.modalHandlers.assign(dialogs.begin(), dialogs.end());
        window.findChild<QAction*>(menuItem)->trigger();
    }

    // The report was written, holds no data error, and the default helper was started on it.
    void expectReportOpened(const std::string& report) {
        ASSERT_TRUE(fs::exists(report)) << report;
        const std::string text = textfile::readWholeFile(report);
        EXPECT_FALSE(text.empty());
        EXPECT_EQ(text.find("Error:"), std::string::npos) << text;
        ASSERT_EQ(sp.launcher.started.size(), 1u);
        EXPECT_EQ(sp.launcher.started[0], (std::vector<std::string>{"xdg-open", report}));
        for (const auto& box : sp.dialogs.boxes) {
            EXPECT_EQ(box.text, "Do you want the Kappa Matrix in the file?"); // and nothing else
        }
    }

    analtest::ScratchFolder scratch;
    analtest::CurrentFolder current{scratch.path()};
    testsupport::ScriptedPlatform sp;
    ws::Global g;
    ws::MainWindowLinks links;
    ws::AnalysisWindows analyses{g, sp.platform};
    ws::Talvor window{g, sp.platform, links};
};

TEST_F(ExampleStudy, FrequencyAndDurationOfOneFileAndOfTheList) {
    run("FreqDurMenu", {study("kim-obs1.eve")}, {choose({})});
    expectReportOpened(study("kim-obs1.eve.txt"));

    run("FreqDurMenu", {study("playground.lst")}, {choose({"Option4"})});
    expectReportOpened(study("playground.lst.txt"));
    const std::string pooled = textfile::readWholeFile(study("playground.lst.txt"));
    for (const char* file : {"kim-obs1.eve", "kim-obs2.eve", "lee-obs1.eve", "lee-obs2.eve"}) {
        EXPECT_NE(pooled.find(file), std::string::npos) << file;
    }
}

TEST_F(ExampleStudy, AgreementOfOnePairAndOfTheListedPairs) {
    sp.dialogs.answers = {Answer::Yes}; // with the Kappa matrix
    run("IOAMenu", {study("lee-obs1.eve"), study("lee-obs2.eve")}, {choose({}), choose({})});
    expectReportOpened(study("lee-obs2.eve.txt"));

    sp.dialogs.answers = {Answer::No};
    run("IOAMenu", {study("playground.lst")}, {choose({"Option4", "Option6"})});
    expectReportOpened(study("playground.lst.csv"));
}

} // namespace
