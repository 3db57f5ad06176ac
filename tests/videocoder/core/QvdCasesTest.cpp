// Data-file cases, one folder each under fixtures/qvd: input.qvd (or new=<type> for a file
// made by the New menu), case.txt with the edits made between opening and saving, and the
// bytes expected after the save (expected-1.qvd after the first of two saves). Each saved
// file is then opened and saved again: it must come out as expected-reopened.qvd where the
// case has one (cells that a reopen turns into texts), else unchanged.
#include "CellEdits.h"
#include "RecordingCodingWindow.h"
#include "support/FixtureCases.h"
#include "support/ScratchFolder.h"
#include "textfile/Files.h"
#include "videocoder/core/DataFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string openAndSaveAgain(const std::string& path) {
    vctest::Coder coder;
    coder.g.data.gFileName = path;
    EXPECT_TRUE(vc::OpenDataFile(coder.g, coder.links));
    EXPECT_TRUE(vc::SaveDataFile(coder.g, coder.links));
    EXPECT_TRUE(coder.platform.dialogs.boxes.empty());
    return textfile::readWholeFile(path);
}

class QvdCase : public testsupport::FixtureCase {
protected:
    fs::path family() const override { return testsupport::fixtureFamily("qvd"); }
};

TEST_P(QvdCase, SavesTheExpectedBytes) {
    const fs::path folder = this->folder();
    const auto settings = caseSettings();
    testsupport::ScratchFolder scratch;
    const std::string saved = scratch.file("data.qvd");

    vctest::Coder coder;
    if (const auto type = settings.find("new"); type != settings.end()) {
        vc::ClearData(coder.g.data);
        coder.g.data.gDataType = type->second;
        coder.platform.dialogs.files.push_back(saved);
    } else {
        textfile::saveFileAtomically(saved, textfile::readWholeFile((folder / "input.qvd").string()));
        coder.g.data.gFileName = saved;
        ASSERT_TRUE(vc::OpenDataFile(coder.g, coder.links));
    }
    vctest::applyEdits(coder.g.data, settings);

    if (settings.count("saves") != 0) {
        ASSERT_TRUE(vc::SaveDataFile(coder.g, coder.links));
        EXPECT_EQ(textfile::readWholeFile(saved),
                  textfile::readWholeFile((folder / "expected-1.qvd").string()));
    }
    ASSERT_TRUE(vc::SaveDataFile(coder.g, coder.links));
    EXPECT_TRUE(coder.platform.dialogs.boxes.empty());
    EXPECT_TRUE(testsupport::sameAsFile(textfile::readWholeFile(saved), folder / "expected.qvd"));

    coder.g.data.lock.unlock(); // as the program does when its coding window closes
    const fs::path reopened = folder / "expected-reopened.qvd";
    const std::string again = openAndSaveAgain(saved);
    EXPECT_EQ(again,
              textfile::readWholeFile((fs::exists(reopened) ? reopened : folder / "expected.qvd").string()));
    EXPECT_EQ(openAndSaveAgain(saved), again) << "a file saved after a reopen is saved unchanged";
}

SUITE_FIXTURE_CASES(QvdCase, "qvd");

} // namespace
