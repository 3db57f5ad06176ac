// The run around the pairs: where pairs come from, progress, and the ways a run ends.
#include "workstation/analyses/InterObserverAgreement.h"

#include "support/RecordingStatus.h"
#include "support/ScratchFolder.h"
#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace ws {
namespace {

namespace fs = std::filesystem;

using testsupport::RecordingStatus;

const std::string kFatalText = "Fatal error in IOA Routine\rCall Pell Dask and Report IOA Error #";

std::string lines(const std::vector<std::string>& each) {
    std::string bytes;
    for (const auto& line : each) {
        bytes += line + "\r\n";
    }
    return bytes;
}

class InterObserverRun : public testing::Test {
protected:
    void SetUp() override {
        g.NumCodes = 2;
        g.CodeTable.resize(2);
        g.CodeTable(1, 1) = textfile::Value::ofText("A");
        g.CodeTable(3, 1) = textfile::Value::ofNumber(1);
        g.CodeTable(1, 2) = textfile::Value::ofText("B");
        g.CodeTable(3, 2) = textfile::Value::ofNumber(1);
        g.Code_File = path("codes.cod");
        g.OutputFileName = path("report.txt");
        g.OutputKind = 1;
        write("ok.eve", lines({"Events", "ok", "A,0", "B,5", "-500,10"}));
    }

    std::string path(const std::string& name) const { return (folder_ / name).string(); }
    void write(const std::string& name, const std::string& bytes) const {
        textfile::saveFileAtomically(path(name), bytes);
    }
    std::string report() const {
        return textfile::fileExists(g.OutputFileName) ? textfile::readWholeFile(g.OutputFileName) : "";
    }
    void run() { InterObserverAgreement(g, sp.platform, status, kappaMatrixWanted); }

    // A folder of this run alone: other checkouts run the same tests at the same time.
    testsupport::ScratchFolder scratch_;
    const fs::path& folder_ = scratch_.path();
    Global g;
    testsupport::ScriptedPlatform sp;
    RecordingStatus status;
    std::int16_t kappaMatrixWanted = 0;
};

TEST_F(InterObserverRun, SingleNameWithoutSecondFileIsRefused) {
    g.InputMode = 1;
    g.DataFileName = path("ok.eve");
    run();
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].text, kFatalText + " 5");
    EXPECT_EQ(sp.dialogs.boxes[0].title, "ERROR!");
    EXPECT_EQ(sp.dialogs.boxes[0].buttons, platform::Buttons::OK);
    EXPECT_EQ(sp.dialogs.beeps, 1);
    EXPECT_FALSE(textfile::fileExists(g.OutputFileName));
    EXPECT_FALSE(status.busy);
}

TEST_F(InterObserverRun, ListOfAnotherTypeIsRefused) {
    write("toggles.lst", lines({"\"Toggle Files\"", " 2 ", path("ok.eve"), path("ok.eve")}));
    g.InputMode = 4;
    g.DataFileName = path("toggles.lst");
    run();
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].text, "Not a valid list: toggles.lst");
    EXPECT_EQ(sp.dialogs.boxes[0].title, "ERROR!");
    EXPECT_EQ(sp.dialogs.beeps, 1);
    EXPECT_EQ(g.InputMode, 4);
    EXPECT_FALSE(textfile::fileExists(g.OutputFileName));
}

TEST_F(InterObserverRun, ListShowsEachPairAndItsProgress) {
    write("three.lst", lines({"Event Files", " 5 ", path("ok.eve"), path("ok.eve"), path("ok.eve"),
                              path("ok.eve"), path("never-read.eve")}));
    g.InputMode = 4;
    g.DataFileName = path("three.lst");
    run();
    EXPECT_TRUE(sp.dialogs.boxes.empty());
    EXPECT_EQ(g.InputMode, 1);
    EXPECT_EQ(status.labels, (std::vector<std::string>{"Processing file(s):three.lst",
                                                       "Processing file(s): |ok.eve|ok.eve-1",
                                                       "Processing file(s): |ok.eve|ok.eve-2"}));
    EXPECT_TRUE(status.progressVisible());
    EXPECT_EQ(status.progress, (std::vector<int>{50, 100}));
    EXPECT_FALSE(status.pickOn());
    EXPECT_FALSE(status.busy);
}

TEST_F(InterObserverRun, ListOfOneEntryAnalysesNothing) {
    write("one.lst", lines({"Event Files", " 1 ", path("ok.eve")}));
    g.InputMode = 4;
    g.DataFileName = path("one.lst");
    run();
    EXPECT_TRUE(sp.dialogs.boxes.empty());
    EXPECT_TRUE(status.progress.empty());
    EXPECT_FALSE(textfile::fileExists(g.OutputFileName));
}

TEST_F(InterObserverRun, RefusedFileEndsTheListAfterTheReadersLines) {
    write("no-end.eve", lines({"Events", "cut short", "A,0"}));
    write("pairs.lst",
          lines({"Event Files", " 4 ", path("no-end.eve"), path("ok.eve"), path("ok.eve"), path("ok.eve")}));
    g.InputMode = 4;
    g.DataFileName = path("pairs.lst");
    run();
    const std::string written = report();
    EXPECT_EQ(written.rfind("Error:", 0), 0u) << written;
    EXPECT_EQ(written.find("Window Method"), std::string::npos);
    EXPECT_TRUE(status.progress.empty());
    for (const auto& box : sp.dialogs.boxes) {
        EXPECT_NE(box.text.rfind(kFatalText, 0), 0u);
    }
}

TEST_F(InterObserverRun, ListShorterThanItsCountKeepsTheSectionsWritten) {
    write("short.lst", lines({"Event Files", " 4 ", path("ok.eve"), path("ok.eve"), path("ok.eve")}));
    g.InputMode = 4;
    g.DataFileName = path("short.lst");
    run();
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].text, kFatalText + " 62");
    const std::string written = report();
    EXPECT_NE(written.find(" Window Method Inter-observer Agreement Report"), std::string::npos);
    EXPECT_NE(written.find(" Time Unit Matching Inter-observer Agreement Report"), std::string::npos);
    EXPECT_EQ(status.progress, std::vector<int>{50});
    EXPECT_FALSE(status.busy);
}

// The window totals are 16-bit: 16400 unmatched occurrences on each side make 32800.
TEST_F(InterObserverRun, WindowTotalPastSixteenBitsIsFatal) {
    std::vector<std::string> first{"Events", "all A"}, second{"Events", "all B"};
    for (int t = 0; t < 16400; ++t) {
        first.push_back("A," + std::to_string(t));
        second.push_back("B," + std::to_string(t));
    }
    first.push_back("-500,16400");
    second.push_back("-500,16400");
    write("a.eve", lines(first));
    write("b.eve", lines(second));
    g.InputMode = 1;
    g.DataFileName = path("a.eve") + '\r' + path("b.eve");
    run();
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].text, kFatalText + " 6");
    const std::string written = report();
    // Both code lines were written before the total of B's disagreements overflowed.
    EXPECT_NE(written.find("\r\n A            16400         0         0     16400   0.00000  \r\n"),
              std::string::npos);
    EXPECT_NE(written.find("\r\n B                0     16400         0     16400   0.00000  \r\n"),
              std::string::npos);
    EXPECT_EQ(written.find("TOTALS"), std::string::npos);
    EXPECT_EQ(written.find("Time Unit"), std::string::npos);
}

} // namespace
} // namespace ws
