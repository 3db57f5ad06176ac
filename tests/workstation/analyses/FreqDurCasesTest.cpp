// Runs every case folder under fixtures/freqdur through the runner as the dialog would:
// case.txt names the input mode, the destination, Skip to Pooled, the file picked and
// the expected report; the report must match it byte for byte.
#include "AnalTestSupport.h"
#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"
#include "textfile/Numeric.h"
#include "workstation/analyses/RunAnalysis.h"
#include "workstation/core/CodeSetFile.h"

#include "support/FixtureCases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

namespace ws {
namespace {

using namespace analtest;

AnalysisChoices choicesOf(std::map<std::string, std::string>& settings) {
    AnalysisChoices choices;
    choices.listFile = settings["input"] == "list";
    choices.skipToPooled = settings["skip"] == "1";
    const std::string output = settings["output"];
    choices.destination = output == "csv"    ? ReportDestination::Spreadsheet
                          : output == "file" ? ReportDestination::NamedFile
                                             : ReportDestination::TextEditor;
    choices.namedReport = settings["named"];
    return choices;
}

class FreqDurCase : public testsupport::FixtureCase {
protected:
    fs::path family() const override { return testsupport::fixtureFamily("freqdur"); }
};

TEST_P(FreqDurCase, ReportMatchesExpectedBytes) {
    ScratchFolder scratch;
    fs::copy(folder(), scratch.path(), fs::copy_options::recursive);
    CurrentFolder inCase(scratch.path());
    auto settings = testsupport::readCaseSettings("case.txt");

    testsupport::ScriptedPlatform sp;
    Global g;
    g.Code_File = "code.cod";
    ASSERT_EQ(OpenCodeFile(g, sp.platform), textfile::kTrue);
    sp.dialogs.files.push_back(settings["pick"]);
    QuietStatus status;
    status.text = " Frequency and Duration";

    RunAnalysis(choicesOf(settings), g, sp.platform, status, AnalysisRoutes{});

    EXPECT_TRUE(testsupport::boxesAsCaseSays(sp.dialogs.boxes, settings));
    EXPECT_EQ(g.RunCancelled, textfile::kFalse);
    if (testsupport::reportAbsentAsExpected(g.OutputFileName, settings["expected"])) {
        return;
    }
    ASSERT_TRUE(textfile::fileExists(g.OutputFileName)) << g.OutputFileName;
    EXPECT_TRUE(testsupport::sameBytes(readBytes(g.OutputFileName), readBytes(settings["expected"])));
}

SUITE_FIXTURE_CASES(FreqDurCase, "freqdur");

} // namespace
} // namespace ws
