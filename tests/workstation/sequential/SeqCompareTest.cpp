// The comparison of two typed tables: the window driven through the scripted doubles, from
// the main window's menu item to the report and the editor.
#include "support/FixtureCases.h"
#include "workstation/analyses/AnalTestSupport.h"
#include "workstation/sequential/SeqCompareStats.h"
#include "workstation/sequential/SeqWindowDriver.h"
#include "workstation/sequential/SeqWiredWindows.h"

#include <QAbstractItemDelegate>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

using namespace analtest;
using seqtest::child;
using testsupport::sameAsFile;

std::vector<std::string> splitAtBars(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (;;) {
        const std::size_t bar = std::min(text.find('|', from), text.size());
        parts.push_back(text.substr(from, bar - from));
        if (bar == text.size()) {
            return parts;
        }
        from = bar + 1;
    }
}

// Types a, b, c, d into a grid.
void type(QDialog& w, const char* grid, const std::vector<std::string>& cells) {
    auto* table = child<QTableWidget>(w, grid);
    for (std::size_t k = 0; k < cells.size(); ++k) {
        table->item(static_cast<int>(k / 2), static_cast<int>(k % 2))
            ->setText(QString::fromStdString(cells[k]));
    }
}

class Comparison : public seqtest::WiredWindows {
public:
    Comparison() { g.Text_Editor = "editor --new"; }
    // Opens the window from the main window's menu and lets `handler` work it.
    void open(std::function<void(QDialog&)> handler) {
        sp.dialogs.modalHandlers.push_back(std::move(handler));
        window.findChild<QAction*>("SeqCompareMnu")->trigger();
    }

    ScratchFolder scratch;
    CurrentFolder here{scratch.path()};
};

class SeqCompareReports : public testsupport::FixtureCase {
protected:
    std::filesystem::path family() const override { return testsupport::fixtureFamily("seqcompare"); }
};

TEST_P(SeqCompareReports, MakeReportWritesTheReportAndStartsTheEditor) {
    auto settings = caseSettings();
    Comparison c;
    c.random.whenEmpty = std::stof(settings["random"]);
    std::string shown;
    c.open([&](QDialog& w) {
        EXPECT_EQ(w.windowTitle().toStdString(), "Sequential Comparisons");
        EXPECT_EQ(child<QLabel>(w, "Label4")->text().toStdString(), "");
        type(w, "Fg1_0", splitAtBars(settings["one"]));
        type(w, "Fg1_1", splitAtBars(settings["two"]));
        child<QPushButton>(w, "Command1_1")->click();
        shown = child<QLabel>(w, "Label4")->text().toStdString();
    });
    const std::string report = readBytes(c.scratch.file("redevuzoro.txt"));
    EXPECT_TRUE(sameAsFile(report, folder() / "expected.txt"));
    // The statistics shown are the report's last block.
    std::string statistics = report.substr(report.find("Yules Q One"));
    statistics.resize(statistics.size() - 2);
    QString lines = QString::fromStdString(statistics);
    lines.replace("\r\n", "\n");
    EXPECT_EQ(shown, lines.toStdString());
    EXPECT_TRUE(c.sp.dialogs.boxes.empty());
    EXPECT_EQ(c.sp.dialogs.modalShown, std::vector<std::string>{"SeqCompare"});
    EXPECT_EQ(c.sp.launcher.started,
              (std::vector<std::vector<std::string>>{{"editor", "--new", "redevuzoro.txt"}}));
}

SUITE_FIXTURE_CASES(SeqCompareReports, "seqcompare");

TEST(SeqCompare, AValueStillBeingTypedCounts) {
    Comparison c;
    c.open([&](QDialog& w) {
        type(w, "Fg1_0", {"2", "1", "1", "2"});
        type(w, "Fg1_1", {"1", "2", "2", ""});
        auto* grid = child<QTableWidget>(w, "Fg1_1");
        grid->setCurrentCell(1, 1);
        grid->editItem(grid->item(1, 1));
        auto* editor = grid->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->setText("1");
        EXPECT_EQ(child<QLabel>(w, "Label3")->text().toStdString(), "Fill in the matricies and press recalc");
        child<QPushButton>(w, "Command1_0")->click();
        EXPECT_EQ(grid->item(1, 1)->text().toStdString(), "1");
        EXPECT_NE(child<QLabel>(w, "Label4")->text().toStdString().find("Yule's Q Two: -0.6000"),
                  std::string::npos);
        EXPECT_EQ(child<QLabel>(w, "Label3")->text().toStdString(), "");
        EXPECT_EQ(child<QProgressBar>(w, "ProgressBar1")->value(), 0);
    });
    EXPECT_TRUE(c.sp.launcher.started.empty());
}

// The iteration count shows every tenth iteration, and both it and the progress bar are
// cleared once the test ends; "10000" runs ten times as many.
TEST(SeqCompare, TheTestShowsItsIterationsByTens) {
    for (const int iterations : {1000, 10000}) {
        testsupport::ScriptedRandom random;
        std::vector<std::string> labels;
        std::vector<int> progress;
        int repaints = 0;
        const ws::CompareProgress shown{[&](int percent) { progress.push_back(percent); },
                                        [&](const std::string& text) { labels.push_back(text); },
                                        [&] { ++repaints; }};
        ws::compareStatistics({2, 1, 1, 2, 1, 2, 2, 1}, iterations, random, shown);
        std::vector<std::string> tens;
        for (int i = 10; i <= iterations; i += 10) {
            tens.push_back(std::to_string(i));
        }
        tens.emplace_back();
        EXPECT_EQ(labels, tens);
        EXPECT_EQ(repaints, iterations / 10 + 1);
        ASSERT_EQ(progress.size(), static_cast<std::size_t>(iterations) + 1);
        EXPECT_EQ(progress[static_cast<std::size_t>(iterations) - 1], 100);
        EXPECT_EQ(progress.back(), 0);
    }
}

TEST(SeqCompare, ANegativeOrOversizedCellIsRefusedBeforeAnythingIsComputed) {
    for (const std::vector<std::string>& one : std::vector<std::vector<std::string>>{
             {"-1", "2", "3", "4"}, {"2147483648", "0", "0", "1"}, {"2147483647", "1", "0", "1"}}) {
        Comparison c;
        c.open([&](QDialog& w) {
            type(w, "Fg1_0", one);
            type(w, "Fg1_1", {"1", "2", "3", "4"});
            child<QPushButton>(w, "Command1_1")->click();
            EXPECT_EQ(child<QLabel>(w, "Label4")->text().toStdString(), "") << one[0];
        });
        ASSERT_EQ(c.sp.dialogs.boxes.size(), 1u) << one[0];
        EXPECT_EQ(c.sp.dialogs.boxes[0].title, "Sequential Comparisons");
        EXPECT_EQ(c.random.draws, 0);
        EXPECT_FALSE(std::filesystem::exists(c.scratch.file("redevuzoro.txt")));
        EXPECT_TRUE(c.sp.launcher.started.empty());
    }
}

// The program's own generator through whole tests, against figures worked out apart: each
// draw swaps with any position of the pool, and the pool runs on from one iteration to the
// next. Identical tables still test, their equal count taking every exact tie.
TEST(SeqCompare, TheShuffleTestDrawsFromTheProgramsGenerator) {
    const std::vector<std::pair<ws::CompareCounts, std::string>> cases{
        {{2, 1, 1, 2, 1, 2, 2, 1},
         "Yules Q One: 0.6000\r\n\r\nYule's Q Two: -0.6000\r\n\r\nYule's Q Difference: 1.2000\r\n\r\n"
         "p < Observed = 0.7\r\np = Observed = 0.091\r\np > Observed = 0.209\r\n\r\n"},
        {{5, 0, 3, 2, 3, 4, 6, 1},
         "Yules Q One: 1.0000\r\n\r\nYule's Q Two: -0.7778\r\n\r\nYule's Q Difference: 1.7778\r\n\r\n"
         "p < Observed = 0.977\r\np = Observed = 0.006\r\np > Observed = 0.017\r\n\r\n"},
        {{3, 1, 1, 3, 3, 1, 1, 3},
         "Yules Q One: 0.8000\r\n\r\nYule's Q Two: 0.8000\r\n\r\nYule's Q Difference: 0.0000\r\n\r\n"
         "p < Observed = 0.285\r\np = Observed = 0.419\r\np > Observed = 0.296\r\n\r\n"},
    };
    const ws::CompareProgress quiet{[](int) {}, [](const std::string&) {}, [] {}};
    for (const auto& [counts, expected] : cases) {
        platform::FixedRandom random;
        EXPECT_EQ(ws::compareStatistics(counts, 1000, random, quiet), expected);
    }
}

TEST(SeqCompare, QIsRightForAnyThirtyTwoBitCell) {
    EXPECT_EQ(ws::compareQ(2147483647, 1, 1, 2147483647), 1.0f);
    EXPECT_EQ(ws::compareQ(100000, 100000, 100000, 0), -1.0f);
    EXPECT_FLOAT_EQ(ws::compareQ(70000, 1, 1, 70000), 1.0f);
    EXPECT_EQ(ws::compareQ(0, 5, 0, 5), 99.0f);
}

// A small table beside a large lopsided one: almost no shuffle gives the small one a defined
// Q, so the test gives up after the resampling tests' limit of redraws.
TEST(SeqCompare, RedrawsWhileAShuffledQIsUndefinedAreCapped) {
    struct Counting : platform::Random {
        platform::FixedRandom inner;
        long draws = 0;
        float next() override {
            ++draws;
            return inner.next();
        }
    } random;
    const ws::CompareCounts counts{1, 0, 0, 1, 1, 2000, 0, 1};
    std::vector<std::string> labels;
    std::vector<int> progress;
    const ws::CompareProgress shown{[&](int percent) { progress.push_back(percent); },
                                    [&](const std::string& text) { labels.push_back(text); }, [] {}};
    const std::string text = ws::compareStatistics(counts, 1000, random, shown);
    EXPECT_EQ(text,
              "Yules Q One: 1.0000\r\n\r\nYule's Q Two: 1.0000\r\n\r\nYule's Q Difference: 0.0000\r\n\r\n"
              " Not enough data for resampling testing\r\n\r\n");
    EXPECT_EQ(random.draws, 1001L * 2004);
    EXPECT_EQ(labels, std::vector<std::string>{""});
    EXPECT_EQ(progress.back(), 0);
}

TEST(SeqCompare, AReportThatCannotBeWrittenOrAnEditorThatDoesNotStartIsReported) {
    Comparison c;
    std::filesystem::create_directory(c.scratch.file("redevuzoro.txt")); // a folder in the way
    c.open([&](QDialog& w) { child<QPushButton>(w, "Command1_1")->click(); });
    ASSERT_EQ(c.sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(c.sp.dialogs.boxes[0].text.rfind("The report redevuzoro.txt could not be written: ", 0), 0u);
    EXPECT_TRUE(c.sp.launcher.started.empty());

    Comparison d;
    d.sp.launcher.succeed = false;
    d.open([&](QDialog& w) { child<QPushButton>(w, "Command1_1")->click(); });
    ASSERT_EQ(d.sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(d.sp.dialogs.boxes[0].text,
              "editor --new redevuzoro.txt cannot execute\r\n"
              " You may need to pick your helper application in the analysis settings");
    EXPECT_EQ(d.sp.dialogs.boxes[0].title, "Helper Application Error");
}

TEST(SeqCompare, CloseDiscardsWhatWasTyped) {
    Comparison c;
    c.open([&](QDialog& w) {
        type(w, "Fg1_0", {"1", "2", "3", "4"});
        child<QPushButton>(w, "Command1_2")->click();
    });
    c.open([&](QDialog& w) {
        EXPECT_EQ(child<QTableWidget>(w, "Fg1_0")->item(0, 0)->text().toStdString(), "");
    });
    EXPECT_EQ(c.sp.dialogs.modalShown.size(), 2u);
}

} // namespace
