// Import cases, one folder each under fixtures/import: case.txt names the kind (doru,
// transcript, csv, merge); source.* is the file picked; open.qvd the data open before a csv
// import or a merge; expected.qvd the data file the first save then writes. "@FOLDER@" in the
// files stands for the folder the case runs in. The sources sit in a folder whose name has a
// dot, which derived names must keep.
#include "RecordingCodingWindow.h"
#include "support/FixtureCases.h"
#include "support/ScratchFolder.h"
#include "textfile/Files.h"
#include "videocoder/core/DataFile.h"
#include "videocoder/core/ImportData.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

class VideoImportCase : public testsupport::FixtureCase {
protected:
    fs::path family() const override { return testsupport::fixtureFamily("import"); }
};

TEST_P(VideoImportCase, TheFirstSaveWritesTheExpectedFile) {
    const fs::path folder = this->folder();
    const std::string kind = caseSettings().at("kind");
    testsupport::ScratchFolder scratch;
    const fs::path work = scratch.path() / "study.2026";
    fs::create_directory(work);
    std::string source;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name == "case.txt" || name == "expected.qvd") {
            continue;
        }
        const std::string bytes =
            replaced(textfile::readWholeFile(entry.path().string()), "@FOLDER@", work.string());
        textfile::saveFileAtomically((work / name).string(), bytes);
        if (name.rfind("source.", 0) == 0) {
            source = (work / name).string();
        }
    }
    vctest::Coder coder;
    vc::Globals& g = coder.g;
    coder.platform.dialogs.files.push_back(source);
    if (kind == "doru" || kind == "transcript") {
        ASSERT_TRUE(kind == "doru" ? vc::ImportDoru(g, coder.links) : vc::TranscriptToEvents(g, coder.links));
        vc::openImportedData(g, coder.links);
        EXPECT_EQ(g.open.gDataOpen, vc::kTrue);
        EXPECT_EQ(g.data.gFileName, (work / (kind == "doru" ? "source.qvd" : "source-events.qvd")).string());
    } else {
        g.data.gFileName = (work / "open.qvd").string();
        ASSERT_TRUE(vc::OpenDataFile(g, coder.links));
        kind == "csv" ? vc::ImportCsv(g, coder.links) : vc::MergeDataFile(g, coder.links);
    }
    for (const testsupport::ShownBox& box : coder.platform.dialogs.boxes) {
        ADD_FAILURE() << "box shown: " << box.text;
    }
    ASSERT_TRUE(vc::SaveDataFile(g, coder.links));
    const std::string saved = replaced(textfile::readWholeFile(g.data.gFileName), work.string(), "@FOLDER@");
    EXPECT_TRUE(testsupport::sameAsFile(saved, folder / "expected.qvd"));
}

SUITE_FIXTURE_CASES(VideoImportCase, "import");

} // namespace
