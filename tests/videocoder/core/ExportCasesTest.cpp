// Export cases, one folder each under fixtures/export: input.qvd, case.txt with the stored
// settings (export.<name>, video.<name>), the grid columns hidden (hidden=<column>) and the
// cell edits made after opening, and the bytes expected (expected.csv or expected.slt).
#include "CellEdits.h"
#include "RecordingCodingWindow.h"
#include "support/FixtureCases.h"
#include "support/ScratchFolder.h"
#include "textfile/Files.h"
#include "videocoder/core/DataFile.h"
#include "videocoder/core/ExportData.h"
#include "videocoder/core/Settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

class VideoExportCase : public testsupport::FixtureCase {
protected:
    fs::path family() const override { return testsupport::fixtureFamily("export"); }
};

TEST_P(VideoExportCase, WritesTheExpectedBytes) {
    const fs::path folder = this->folder();
    const auto settings = caseSettings();
    testsupport::ScratchFolder scratch;
    vctest::Coder coder;
    coder.g.data.gFileName = scratch.file("data.qvd");
    textfile::saveFileAtomically(coder.g.data.gFileName,
                                 textfile::readWholeFile((folder / "input.qvd").string()));
    ASSERT_TRUE(vc::OpenDataFile(coder.g, coder.links));
    vctest::applyEdits(coder.g.data, settings);
    for (const auto& [key, value] : settings) {
        if (key.rfind("export.", 0) == 0) {
            coder.platform.settings.set(vc::kSettingsApp, "Export Settings", key.substr(7), value);
        } else if (key.rfind("video.", 0) == 0) {
            coder.platform.settings.set(vc::kSettingsApp, "Video Settings", key.substr(6), value);
        } else if (key == "hidden") {
            coder.dataFrm.FG1[std::stoi(value)].hidden = true;
        }
    }
    const fs::path expected =
        fs::exists(folder / "expected.csv") ? folder / "expected.csv" : folder / "expected.slt";
    const std::string exported = scratch.file("out" + expected.extension().string());
    coder.platform.dialogs.files.push_back(exported);

    vc::ExportData(coder.g, coder.links, {coder.platform.settings, coder.platform.launcher});

    ASSERT_EQ(coder.platform.dialogs.boxes.size(), 1u);
    EXPECT_EQ(coder.platform.dialogs.boxes[0].text, exported + " created");
    EXPECT_TRUE(testsupport::sameAsFile(textfile::readWholeFile(exported), expected));
}

SUITE_FIXTURE_CASES(VideoExportCase, "export");

} // namespace
