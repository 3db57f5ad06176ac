// Row commands as data-file cases, one folder each under fixtures/coding: input.qvd, a
// case.txt naming the command and the grid (code=, row=, selected=2,3,5, and the settings
// intMode=, intSeconds=, player=, frameDisplay=, frameRate=), and the file as saved after
// the command, expected.qvd. A case that changes nothing expects the input's bytes.
#include "CommandRig.h"
#include "support/FixtureCases.h"
#include "support/ScratchFolder.h"
#include "textfile/Files.h"
#include "videocoder/core/DataFile.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

namespace fs = std::filesystem;

double setting(const std::map<std::string, std::string>& settings, const std::string& key, double otherwise) {
    const auto found = settings.find(key);
    return found == settings.end() ? otherwise : std::stod(found->second);
}

std::vector<int> rowList(const std::string& text) {
    std::vector<int> rows;
    std::istringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) {
        rows.push_back(std::stoi(item));
    }
    return rows;
}

class RowCommandCase : public testsupport::FixtureCase {
protected:
    fs::path family() const override { return testsupport::fixtureFamily("coding"); }
};

TEST_P(RowCommandCase, SavesTheRowsExpected) {
    const auto settings = caseSettings();
    testsupport::ScratchFolder scratch;
    const std::string path = scratch.file("data.qvd");
    textfile::saveFileAtomically(path, textfile::readWholeFile((folder() / "input.qvd").string()));

    vctest::CommandRig rig;
    rig.g.data.gFileName = path;
    ASSERT_TRUE(vc::OpenDataFile(rig.g, rig.coder));
    rig.g.settings.gIntMode = setting(settings, "intMode", 0) != 0 ? vc::kTrue : vc::kFalse;
    rig.g.settings.gIntSeconds = setting(settings, "intSeconds", 150);
    rig.g.settings.PlayerSelection = setting(settings, "player", 0);
    rig.g.settings.FrameDisplay = setting(settings, "frameDisplay", 1);
    rig.g.settings.FrameRate = setting(settings, "frameRate", 29.97);
    rig.grid.row = static_cast<int>(setting(settings, "row", 1));
    if (const auto selected = settings.find("selected"); selected != settings.end()) {
        rig.grid.selection = rowList(selected->second);
    }
    rig.commands.ControlSub(static_cast<int>(setting(settings, "code", 0)));
    EXPECT_TRUE(testsupport::boxesAsCaseSays(rig.dialogs.boxes, settings));
    EXPECT_EQ(rig.g.data.gRowCount.asNumber(), rig.g.data.gData.rows());
    ASSERT_TRUE(vc::SaveDataFile(rig.g, rig.coder));
    EXPECT_TRUE(testsupport::sameAsFile(textfile::readWholeFile(path), folder() / "expected.qvd"));
}

SUITE_FIXTURE_CASES(RowCommandCase, "coding");

} // namespace
