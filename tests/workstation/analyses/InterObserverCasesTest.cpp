// Runs every case folder under fixtures/agreement: a code set, two event files or a list,
// the settings in case.txt, and the exact report expected.
#include "workstation/analyses/InterObserverAgreement.h"

#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"
#include "workstation/core/CodeSetFile.h"

#include "support/FixtureCases.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace ws {
namespace {

namespace fs = std::filesystem;

// List entries name their files relative to the list's folder.
class WorkingFolder {
public:
    explicit WorkingFolder(const fs::path& folder) : previous_(fs::current_path()) {
        fs::current_path(folder);
    }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;
    ~WorkingFolder() { fs::current_path(previous_); }

private:
    fs::path previous_;
};

class InterObserverCase : public testsupport::FixtureCase {
protected:
    fs::path family() const override { return testsupport::fixtureFamily("agreement"); }
};

TEST_P(InterObserverCase, ReportMatchesTheExpectedBytes) {
    const fs::path folder = this->folder();
    const auto settings = caseSettings();
    const testsupport::ScratchFolder scratch; // other checkouts run the same cases at the same time
    const fs::path report = scratch.path() / "report";

    testsupport::ScriptedPlatform sp;
    Global g;
    g.Code_File = (folder / "codes.cod").string();
    ASSERT_EQ(OpenCodeFile(g, sp.platform), -1);
    g.gIOAWindow = static_cast<std::int16_t>(std::stoi(settings.at("window")));
    g.OutputKind = static_cast<std::int16_t>(std::stoi(settings.at("output")));
    g.OutputFileName = report.string();
    std::int16_t kappaMatrixWanted = static_cast<std::int16_t>(std::stoi(settings.at("kappa")));
    if (settings.count("list") != 0) {
        g.InputMode = 4;
        g.DataFileName = (folder / settings.at("list")).string();
    } else {
        const std::string& pair = settings.at("pair");
        const auto bar = pair.find('|');
        g.InputMode = 1;
        g.DataFileName =
            (folder / pair.substr(0, bar)).string() + '\r' + (folder / pair.substr(bar + 1)).string();
    }

    QuietStatus status;
    {
        WorkingFolder inCase(folder);
        InterObserverAgreement(g, sp.platform, status, kappaMatrixWanted);
    }

    EXPECT_TRUE(testsupport::boxesAsCaseSays(sp.dialogs.boxes, settings));
    const fs::path expected = folder / (g.OutputKind == 1 ? "expected.txt" : "expected.csv");
    if (testsupport::reportAbsentAsExpected(report, expected)) {
        return;
    }
    ASSERT_TRUE(textfile::fileExists(report.string()));
    EXPECT_TRUE(testsupport::sameAsFile(textfile::readWholeFile(report.string()), expected));
}

SUITE_FIXTURE_CASES(InterObserverCase, "agreement");

} // namespace
} // namespace ws
