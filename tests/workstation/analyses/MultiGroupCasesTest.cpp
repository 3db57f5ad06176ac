// Runs every case folder under fixtures/multigroup and fixtures/checkfiles through the
// runner: case.txt names the input, the destination, the groups and codes ticked in the
// tree, the frequency-only marks and the options; the report, and every second-by-second
// file kept, must match byte for byte, and files named absent= must not be left behind.
#include "AnalTestSupport.h"
#include "support/FixtureCases.h"
#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"
#include "textfile/Numeric.h"
#include "workstation/analyses/MultiGroupFreqDur.h"
#include "workstation/analyses/RunAnalysis.h"
#include "workstation/core/CodeSetFile.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace ws {
namespace {

using namespace analtest;

std::vector<std::string> splitAt(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, separator);) {
        if (!part.empty()) {
            parts.push_back(part);
        }
    }
    return parts;
}

bool listed(const std::vector<std::string>& items, const std::string& item) {
    return std::find(items.begin(), items.end(), item) != items.end();
}

// The tree as the person leaves it: the named groups and codes ticked, the marks set.
void chooseInTree(MultilevModel& tree, std::map<std::string, std::string>& settings) {
    const auto groups = splitAt(settings["groups"], ',');
    const auto codes = splitAt(settings["codes"], ',');
    const auto marked = splitAt(settings["freqonly"], ',');
    for (MultilevNode& node : tree.nodes) {
        const std::string number = node.key.substr(2);
        if (node.parent < 0) {
            node.checked = listed(groups, number);
            if (listed(marked, number)) {
                node.text += "*";
            }
        } else {
            node.checked = listed(codes, number) || listed(groups, tree.nodes[node.parent].key.substr(2));
        }
    }
    const auto option = [&settings](const char* key, std::int16_t& box) {
        if (settings.count(key)) {
            box = settings[key] == "1" ? 1 : 0;
        }
    };
    option("none", tree.options.Check2);
    option("keep", tree.options.Check3);
    option("zeros", tree.options.Check4);
    option("graph", tree.options.Check5);
    option("report", tree.options.Check6);
    option("limit", tree.options.Check7);
    option("suppress", tree.options.Check8);
}

// Runs one case folder as the analysis dialog titled `title` would.
void runCase(const fs::path& folder, const std::string& title) {
    ScratchFolder scratch;
    fs::copy(folder, scratch.path(), fs::copy_options::recursive);
    CurrentFolder inCase(scratch.path());
    auto settings = testsupport::readCaseSettings("case.txt");

    testsupport::ScriptedPlatform sp;
    Global g;
    g.Code_File = "code.cod";
    ASSERT_EQ(OpenCodeFile(g, sp.platform), textfile::kTrue);
    sp.dialogs.files.push_back(settings["pick"]);
    QuietStatus status;
    status.text = title;

    MultilevModel tree;
    std::vector<std::string> drawn; // each graph's file, as it stood when shown
    AnalysisRoutes routes;
    routes.multiLevSetup = [&] {
        ASSERT_TRUE(BuildMultilevTree(g, tree));
        chooseInTree(tree, settings);
    };
    routes.showMultilev = [] {};
    routes.multiGroupFreqDur = [&] {
        MultiGroupFreqDur(g, sp.platform, status, tree, [&](const GraphFile& file) {
            drawn.push_back(file.path + (textfile::fileExists(file.path) ? "" : " (missing)"));
        });
    };
    AnalysisChoices choices;
    choices.listFile = settings["input"] == "list";
    choices.skipToPooled = settings["skip"] == "1";
    choices.destination =
        settings["output"] == "csv" ? ReportDestination::Spreadsheet : ReportDestination::TextEditor;

    RunAnalysis(choices, g, sp.platform, status, routes);

    EXPECT_TRUE(testsupport::boxesAsCaseSays(sp.dialogs.boxes, settings));
    for (const std::string& pair : splitAt(settings["kept"], ';')) {
        const auto names = splitAt(pair, '>');
        ASSERT_EQ(names.size(), 2u) << pair;
        ASSERT_TRUE(textfile::fileExists(names[0])) << names[0];
        EXPECT_TRUE(testsupport::sameAsFile(readBytes(names[0]), names[1])) << names[0];
    }
    for (const std::string& name : splitAt(settings["absent"], ',')) {
        EXPECT_FALSE(textfile::fileExists(name)) << name;
    }
    EXPECT_EQ(drawn, splitAt(settings["drawn"], ','));
    if (testsupport::reportAbsentAsExpected(g.OutputFileName, settings["expected"])) {
        return;
    }
    ASSERT_TRUE(textfile::fileExists(g.OutputFileName)) << g.OutputFileName;
    EXPECT_TRUE(testsupport::sameAsFile(readBytes(g.OutputFileName), settings["expected"]));
}

class MultiGroupCase : public testsupport::FixtureCase {
protected:
    fs::path family() const override { return testsupport::fixtureFamily("multigroup"); }
};

TEST_P(MultiGroupCase, ReportAndKeptFilesMatchExpectedBytes) {
    runCase(folder(), " Multi-Group Frequencies and Durations");
}

class CheckFilesCase : public testsupport::FixtureCase {
protected:
    fs::path family() const override { return testsupport::fixtureFamily("checkfiles"); }
};

TEST_P(CheckFilesCase, ReportMatchesExpectedBytes) {
    runCase(folder(), " Data File Checking");
}

SUITE_FIXTURE_CASES(CheckFilesCase, "checkfiles");
SUITE_FIXTURE_CASES(MultiGroupCase, "multigroup");

} // namespace
} // namespace ws
