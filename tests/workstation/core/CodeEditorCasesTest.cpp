// Code sets after a round of edits in the code-set editor, each program through its own
// writer, against the expected bytes of tests/fixtures/codeset-editor/<case>/expected.cod.
// actions= lists the steps: "row r" (the current row), "do i" (toolbar action i), "cell r f
// text" (a typed cell), "group g text" (a typed group description).
#include "workstation/core/CodeEditorRigs.h"

#include "support/FixtureCases.h"
#include "support/ScratchFolder.h"
#include "textfile/Files.h"
#include "videocoder/core/CodeSetFile.h"
#include "videocoder/core/Globals.h"
#include "workstation/core/CodeSetFile.h"

#include <sstream>

namespace {

using testsupport::EditorRig;

class CodeEditorCase : public testsupport::FixtureCase {
protected:
    std::filesystem::path family() const override { return testsupport::fixtureFamily("codeset-editor"); }
};

std::vector<std::string> split(const std::string& text, char at) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, at);) {
        parts.push_back(part);
    }
    return parts;
}

void run(EditorRig& rig, const std::string& actions) {
    for (const std::string& step : split(actions, ';')) {
        std::istringstream words(step);
        std::string verb;
        words >> verb;
        if (verb == "row") {
            words >> rig.view().row;
        } else if (verb == "do") {
            int index = 0;
            words >> index;
            rig.editor().Toolbar1_ButtonClick(index);
        } else if (verb == "cell") {
            int row = 0, field = 0;
            std::string text;
            words >> row >> field >> std::ws;
            std::getline(words, text);
            rig.table().cell(field, row) = textfile::Value::ofText(text);
        } else if (verb == "group") {
            int group = 0;
            std::string text;
            words >> group >> std::ws;
            std::getline(words, text);
            rig.editor().setGroupDescription(group, text);
        } else {
            FAIL() << "unknown step " << step;
        }
    }
}

TEST_P(CodeEditorCase, EditedSetIsWrittenAsExpectedAndReadsBack) {
    const auto settings = caseSettings();
    std::unique_ptr<EditorRig> rig =
        settings.at("program") == "coder" ? testsupport::coderRig() : testsupport::workstationRig();
    testsupport::ScratchFolder scratch;
    const std::string path = scratch.file("set.cod");
    std::filesystem::copy_file(folder() / "input.cod", path);
    rig->read(path);
    run(*rig, settings.at("actions"));
    const std::string written = textfile::readWholeFile(path);
    EXPECT_TRUE(testsupport::sameAsFile(written, folder() / "expected.cod"));
    EXPECT_TRUE(rig->doubles().dialogs.boxes.empty());

    // Both programs read the file back, the row left empty by Insert empty in each.
    vc::CodeSet coder;
    std::vector<std::string> groups;
    vc::readCodeFile(written, coder, groups);
    ws::CodeSetReading workstation = ws::readCodeSetFile(path);
    ASSERT_TRUE(workstation.read) << workstation.failure;
    EXPECT_EQ(coder.gCodeCount, workstation.contents.numCodes);
    for (int row = 1; row <= coder.gCodeCount; ++row) {
        for (int field = 1; field <= 3; ++field) {
            EXPECT_EQ(coder.gCodes.at(field, row).asText(), workstation.contents.table(field, row).asText())
                << row << "," << field;
        }
    }
    for (int field = 1; field <= 3; ++field) {
        EXPECT_EQ(coder.gCodes.at(field, 2).asText(), "");
    }
    EXPECT_EQ(groups.at(3), "Play");
}

SUITE_FIXTURE_CASES(CodeEditorCase, "codeset-editor");

} // namespace
