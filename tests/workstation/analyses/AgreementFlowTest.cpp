// The agreement of one pair of files, as a person runs it: the menu item, two picks in the
// analysis dialog, the Kappa question, the report, and the editor started on it.
#include "workstation/analyses/MenuFlow.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

#include <tuple>

namespace {

namespace fs = std::filesystem;
using platform::Answer;

void pressPick(QDialog& dialog) {
    dialog.findChild<QPushButton*>("Doit_Btn")->click();
}

class AgreementFlow : public analtest::MenuFlow {
protected:
    void SetUp() override {
        openFixture("agreement", "pair-window2-text", "codes.cod");
        g.gIOAWindow = 2;
    }
};

TEST_F(AgreementFlow, TwoPicksWriteTheReportAndOpenIt) {
    std::string secondTitle;
    sp.dialogs.files = {scratch.file("obs1.eve"), scratch.file("obs2.eve")};
    sp.dialogs.answers = {Answer::No}; // no Kappa matrix
    sp.dialogs.modalHandlers.push_back([](QDialog& anal) { pressPick(anal); });
    sp.dialogs.modalHandlers.push_back([&](QDialog& anal) {
        secondTitle = anal.findChild<QLabel*>("Label1")->text().toStdString();
        pressPick(anal);
    });

    chooseMenuItem("IOAMenu");

    EXPECT_EQ(secondTitle, "Please pick the file to compare to obs1.eve");
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].text, "Do you want the Kappa Matrix in the file?");
    EXPECT_EQ(sp.dialogs.boxes[0].buttons, platform::Buttons::YesNo);

    const std::string report = scratch.file("obs2.eve.txt");
    EXPECT_EQ(analtest::readBytes(report), analtest::readBytes(scratch.file("expected.txt")));
    EXPECT_FALSE(fs::exists(scratch.file("obs1.eve.txt"))); // the first pick names no report
    ASSERT_EQ(sp.launcher.started.size(), 1u);
    EXPECT_EQ(sp.launcher.started[0], (std::vector<std::string>{"editor", report}));
}

TEST_F(AgreementFlow, CancellingTheSecondPickShowsNothing) {
    sp.dialogs.files = {scratch.file("obs1.eve")}; // the second open dialog is cancelled
    sp.dialogs.modalHandlers.push_back([](QDialog& anal) { pressPick(anal); });
    sp.dialogs.modalHandlers.push_back([](QDialog& anal) { pressPick(anal); });

    chooseMenuItem("IOAMenu");

    EXPECT_EQ(sp.dialogs.modalShown.size(), 2u);
    EXPECT_TRUE(sp.dialogs.boxes.empty());
    EXPECT_TRUE(sp.launcher.started.empty());
    EXPECT_FALSE(fs::exists(scratch.file("obs1.eve.txt")));
}

// Every way of ending the dialog, on either pick of the pair, with or without the report
// of an earlier run lying about: nothing is started and no report is touched.
enum class WayOut { CancelButton, EscapeKey, CloseBox, CancelledFilePick };

std::string nameOf(WayOut way) {
    switch (way) {
    case WayOut::CancelButton:
        return "CancelButton";
    case WayOut::EscapeKey:
        return "EscapeKey";
    case WayOut::CloseBox:
        return "CloseBox";
    case WayOut::CancelledFilePick:
        return "CancelledFilePick";
    }
    return {};
}

void leave(QDialog& anal, WayOut way) {
    anal.show(); // the close box and the keys act on a dialog that is up
    switch (way) {
    case WayOut::CancelButton:
        anal.findChild<QPushButton*>("Cancel_Btn")->click();
        break;
    case WayOut::EscapeKey: {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&anal, &escape);
        break;
    }
    case WayOut::CloseBox:
        anal.close();
        break;
    case WayOut::CancelledFilePick:
        pressPick(anal); // no file name is scripted for this pick
        break;
    }
    EXPECT_FALSE(anal.isVisible());
}

class EndingTheDialog : public AgreementFlow,
                        public ::testing::WithParamInterface<std::tuple<WayOut, int, bool>> {};

TEST_P(EndingTheDialog, StartsNothingAndKeepsEveryReport) {
    const auto [way, pick, earlierReport] = GetParam();
    const std::string previous = scratch.file("obs1.eve.txt");
    if (earlierReport) {
        // A frequency report of the first file, opened in the editor as usual.
        sp.dialogs.files = {scratch.file("obs1.eve")};
        sp.dialogs.modalHandlers.push_back([](QDialog& anal) { pressPick(anal); });
        chooseMenuItem("FreqDurMenu");
        ASSERT_TRUE(fs::exists(previous));
        ASSERT_EQ(sp.launcher.started.size(), 1u);
        sp.launcher.started.clear();
    }
    const std::string before = earlierReport ? analtest::readBytes(previous) : std::string();

    if (pick == 2) {
        sp.dialogs.files = {scratch.file("obs1.eve")};
        sp.dialogs.modalHandlers.push_back([](QDialog& anal) { pressPick(anal); });
    }
    sp.dialogs.modalHandlers.push_back([way](QDialog& anal) { leave(anal, way); });

    chooseMenuItem("IOAMenu");

    EXPECT_EQ(sp.dialogs.modalShown.size(), static_cast<std::size_t>(pick) + (earlierReport ? 1 : 0));
    EXPECT_TRUE(sp.launcher.started.empty());
    EXPECT_TRUE(sp.dialogs.boxes.empty());
    EXPECT_FALSE(fs::exists(scratch.file("obs2.eve.txt")));
    EXPECT_EQ(fs::exists(previous), earlierReport);
    if (earlierReport) {
        EXPECT_EQ(analtest::readBytes(previous), before);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWayOut, EndingTheDialog,
                         ::testing::Combine(::testing::Values(WayOut::CancelButton, WayOut::EscapeKey,
                                                              WayOut::CloseBox, WayOut::CancelledFilePick),
                                            ::testing::Values(1, 2), ::testing::Bool()),
                         [](const auto& info) {
                             return nameOf(std::get<0>(info.param)) + "_Pick" +
                                    std::to_string(std::get<1>(info.param)) +
                                    (std::get<2>(info.param) ? "_AfterAReport" : "_FirstRun");
                         });

} // namespace
