// Whole sessions from fixtures/collector: each folder's script.txt drives a session with a
// manual clock and scripted keys; the event file written must match expected.eve byte for
// byte, the boxes shown expected-boxes.txt, and the file must read back cleanly.
#include "collector/CollectorRig.h"
#include "support/FixtureCases.h"
#include "textfile/Files.h"
#include "workstation/core/EventFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace collector {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> linesOf(const fs::path& file) {
    std::vector<std::string> lines;
    if (!fs::exists(file)) {
        return lines;
    }
    std::istringstream in(textfile::readWholeFile(file.string()));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

// One step of a script: "new name|header", "start", "stop", "at seconds", "type text",
// "enter", "pick list code", "save", "close", "exit".
void runStep(CollectorRig& rig, const std::string& line) {
    const auto space = line.find(' ');
    const std::string verb = line.substr(0, space);
    const std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
    if (verb == "new") {
        const auto bar = rest.find('|');
        rig.newFile(rest.substr(0, bar), rest.substr(bar + 1));
    } else if (verb == "start" || verb == "stop") {
        rig.session.TimerStart_Click();
    } else if (verb == "at") {
        rig.at(std::stod(rest));
    } else if (verb == "type") {
        rig.type(rest);
    } else if (verb == "enter") {
        rig.enter();
    } else if (verb == "pick") {
        const int k = std::stoi(rest.substr(0, rest.find(' ')));
        rig.session.pick(k, rig.session.lists().itemOf(k, rest.substr(rest.find(' ') + 1)));
    } else if (verb == "save") {
        rig.session.NewFile_Click();
    } else if (verb == "close") {
        rig.session.CloseFile_Click();
    } else if (verb == "exit") {
        rig.session.Exit_Click();
    } else {
        FAIL() << "unknown step: " << line;
    }
}

class SessionCase : public testsupport::FixtureCase {
protected:
    fs::path family() const override { return testsupport::fixtureFamily("collector"); }
};

TEST_P(SessionCase, WritesTheExpectedEventFile) {
    const fs::path folder = this->folder();
    CollectorRig rig;
    rig.settings = caseSettings();
    if (fs::exists(folder / "codes.cod")) {
        rig.codeFile = (folder / "codes.cod").string();
    }
    rig.session.Form_Load();
    for (const std::string& step : linesOf(folder / "script.txt")) {
        runStep(rig, step);
    }

    const std::string file = rig.settings.contains("file") ? rig.settings["file"] : "kid.eve";
    EXPECT_TRUE(testsupport::sameAsFile(rig.written(file), folder / "expected.eve"));
    EXPECT_EQ(rig.boxTexts(), linesOf(folder / "expected-boxes.txt"));

    rig.g.OutputFileName = rig.scratch.file("errors.txt");
    std::string header;
    const bool clean = ws::ReadEventFile(rig.g, rig.sp.platform, rig.scratch.file(file), 1, header);
    EXPECT_EQ(clean, rig.settings["readable"] != "false");
    if (clean) {
        EXPECT_FALSE(fs::exists(rig.g.OutputFileName));
    }
}

SUITE_FIXTURE_CASES(SessionCase, "collector");

} // namespace
} // namespace collector
