// Files the coder opens and closes unchanged, one folder each under fixtures/qvd-untouched:
// input.qvd (and input.cod, kept as set.cod), "@FOLDER@" standing for the folder they are
// copied to. Each is opened as the command line names it and the program exited without an
// edit: the files keep their bytes and times, nothing is left beside them, and the one box
// shown is the case's message= and title=.
#include "RecordingCodingWindow.h"
#include "support/FixtureCases.h"
#include "support/ScratchFolder.h"
#include "textfile/Files.h"
#include "videocoder/core/MainFrm.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

class NoFileTypes : public platform::FileTypes {
public:
    void registerType(const platform::FileTypeRegistration&) override {}
};

std::string withFolder(std::string text, const std::string& folder) {
    for (std::size_t at = text.find("@FOLDER@"); at != std::string::npos; at = text.find("@FOLDER@", at)) {
        text.replace(at, 8, folder);
    }
    return text;
}

std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

class UntouchedCase : public testsupport::FixtureCase {
protected:
    fs::path family() const override { return testsupport::fixtureFamily("qvd-untouched"); }
};

TEST_P(UntouchedCase, OpenAndExitLeaveTheFilesAsTheyWere) {
    testsupport::ScratchFolder scratch;
    const std::string folder = fs::path(scratch.file("x")).parent_path().string();
    const std::string data = scratch.file("data.qvd");
    const std::string codes = scratch.file("set.cod");
    const std::string dataBytes =
        withFolder(textfile::readWholeFile((this->folder() / "input.qvd").string()), folder);
    textfile::saveFileAtomically(data, dataBytes);
    std::string codeBytes;
    if (fs::exists(this->folder() / "input.cod")) {
        codeBytes = textfile::readWholeFile((this->folder() / "input.cod").string());
        textfile::saveFileAtomically(codes, codeBytes);
    }
    const std::set<std::string> before = namesIn(folder);
    const auto codeTime = codeBytes.empty() ? fs::file_time_type{} : fs::last_write_time(codes);
    const auto dataTime = fs::last_write_time(data);

    vctest::Coder coder;
    testsupport::MemorySettings settings;
    NoFileTypes fileTypes;
    vctest::QuietMainView view;
    vc::MainFrmLinks windows;
    vc::MainFrm mainFrm{coder.g, coder.links, {settings, fileTypes, "/opt/suite/Vintrosa"}, view, windows};
    mainFrm.Form_Load(data);
    mainFrm.ExitMnu_Click();

    EXPECT_TRUE(view.ended);
    EXPECT_EQ(textfile::readWholeFile(data), dataBytes);
    EXPECT_EQ(fs::last_write_time(data), dataTime);
    if (!codeBytes.empty()) {
        EXPECT_EQ(textfile::readWholeFile(codes), codeBytes);
        EXPECT_EQ(fs::last_write_time(codes), codeTime);
    }
    EXPECT_EQ(namesIn(folder), before) << "no lock or temporary file is left behind";
    auto expected = caseSettings();
    if (expected.count("message") != 0) {
        std::string& message = expected["message"];
        message = withFolder(message, folder);
        for (std::size_t at = message.find("\\n"); at != std::string::npos; at = message.find("\\n", at)) {
            message.replace(at, 2, "\n"); // line ends written \r\n in the case file
        }
    }
    EXPECT_TRUE(testsupport::boxesAsCaseSays(coder.platform.dialogs.boxes, expected));
}

SUITE_FIXTURE_CASES(UntouchedCase, "qvd-untouched");

} // namespace
