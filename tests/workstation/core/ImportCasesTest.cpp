// Reads every case folder under fixtures/imports through ReadEventFile: the data file is the
// case's one file named input.*, copied into a scratch folder so that copies kept beside it
// land there. case.txt names the format and the settings by their names; the expected error
// entries, slot and kept copy are compared byte for byte.
#include "workstation/core/EventFile.h"

#include "SlotDump.h"

#include "support/FixtureCases.h"
#include "support/ScratchFolder.h"
#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace ws {
namespace {

namespace fs = std::filesystem;

void useImportCodeSet(Global& g) {
    const std::vector<std::pair<std::string, std::string>> codes = {
        {"A", "Look Away"}, {"B", "Babble"},     {"C", "Cry"},         {"D", "Down"},
        {"CD", "Cry Down"}, {"[cry]", "Crying"}, {"[look]", "Looking"}};
    g.CodeTable.resize(static_cast<int>(codes.size()));
    for (std::size_t row = 1; row <= codes.size(); ++row) {
        g.CodeTable(1, static_cast<int>(row)) = textfile::Value::ofText(codes[row - 1].first);
        g.CodeTable(2, static_cast<int>(row)) = textfile::Value::ofText(codes[row - 1].second);
    }
    g.NumCodes = static_cast<std::int16_t>(codes.size());
}

// The settings a case may name, by their names.
std::map<std::string, std::int16_t*> namedSettings(Global& g) {
    return {{"gFileFormat", &g.gFileFormat},
            {"gCutOffEvents", &g.gCutOffEvents},
            {"gNumToUse", &g.gNumToUse},
            {"FramesPerSecond", &g.FramesPerSecond},
            {"gODFConvertTimes", &g.gODFConvertTimes},
            {"gODFZeroJustify", &g.gODFZeroJustify},
            {"gODFKeepScratch", &g.gODFKeepScratch},
            {"gVintro2Secs", &g.gVintro2Secs},
            {"gVTRSStartTime", &g.gVTRSStartTime},
            {"gVTRSEndTime", &g.gVTRSEndTime},
            {"gVTRSCombine", &g.gVTRSCombine},
            {"gVTRSKeepScratch", &g.gVTRSKeepScratch},
            {"gDORUUseTranslation", &g.gDORUUseTranslation},
            {"gDORUConvertTimes", &g.gDORUConvertTimes},
            {"gDORUKeepScratch", &g.gDORUKeepScratch},
            {"gReadCont", &g.gReadCont},
            {"gSaveContMerged", &g.gSaveContMerged},
            {"gZeroCont", &g.gZeroCont},
            {"gContHeader", &g.gContHeader},
            {"gContStateChange", &g.gContStateChange}};
}

// "joined=0,1" and "ignored=2" set those code groups' states for combining mode.
void setGroupStates(Global& g, const std::string& groups, std::int16_t state) {
    std::stringstream list(groups);
    for (std::string group; std::getline(list, group, ',');) {
        g.ColumnGroupStates.at(static_cast<std::size_t>(std::stoi(group))) = state;
    }
}

fs::path inputOf(const fs::path& folder) {
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().stem() == "input" && entry.path().extension() != ".csv") {
            return entry.path();
        }
    }
    return {};
}

class ImportCase : public testsupport::FixtureCase {
protected:
    fs::path family() const override { return testsupport::fixtureFamily("imports"); }
    testsupport::ScratchFolder scratchFolder_;
    const fs::path& scratch_ = scratchFolder_.path();
};

TEST_P(ImportCase, ReadsAsExpected) {
    const fs::path folder = this->folder();
    auto settings = caseSettings();
    const fs::path input = inputOf(folder);
    ASSERT_FALSE(input.empty()) << "every case folder needs its input.* file";

    Global g;
    testsupport::ScriptedPlatform sp;
    useImportCodeSet(g);
    g.OutputFileName = (scratch_ / "report.txt").string();
    for (const auto& [name, setting] : namedSettings(g)) {
        if (settings.contains(name)) {
            *setting = static_cast<std::int16_t>(std::stoi(settings[name]));
        }
    }
    setGroupStates(g, settings["joined"], 1);
    setGroupStates(g, settings["ignored"], 2);
    // The case's own files go to its data folder (folder= names one below the scratch folder).
    const fs::path dataFolder = scratch_ / settings["folder"];
    fs::create_directories(dataFolder);
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name != "case.txt" && !name.starts_with("expected-")) {
            fs::copy_file(entry.path(), dataFolder / name);
        }
    }
    const fs::path dataFile = dataFolder / input.filename();
    if (settings.contains("translation")) {
        g.gDORUTransFile = (dataFolder / settings["translation"]).string();
    }
    g.Code_File = (dataFolder / "codes.cod").string();
    ReadContGrid(g.ContGrid, g.Code_File);
    if (settings.contains("message")) {
        settings["message"] = withPath(settings["message"], dataFile.string());
    }

    std::string header = "untouched";
    const bool result = ReadEventFile(g, sp.platform, dataFile.string(), 1, header);

    EXPECT_EQ(result, settings["result"] == "true");
    const fs::path expectedOutput = folder / "expected-output.txt";
    const std::string output = fs::exists(g.OutputFileName) ? textfile::readWholeFile(g.OutputFileName) : "";
    EXPECT_TRUE(testsupport::sameBytes(
        output, fs::exists(expectedOutput)
                    ? withPath(textfile::readWholeFile(expectedOutput.string()), dataFile.string())
                    : std::string()));
    if (fs::exists(folder / "expected-slot.txt")) {
        EXPECT_TRUE(testsupport::sameAsFile(slotDump(g, 1, header), folder / "expected-slot.txt"));
    }
    const fs::path copy = dataFile.string() + ".eve";
    if (fs::exists(folder / "expected-copy.eve")) {
        ASSERT_TRUE(fs::exists(copy));
        EXPECT_TRUE(
            testsupport::sameAsFile(textfile::readWholeFile(copy.string()), folder / "expected-copy.eve"));
    } else {
        EXPECT_FALSE(fs::exists(copy));
    }
    const fs::path merged = dataFile.string() + ".evm.eve";
    if (fs::exists(folder / "expected-merged.eve")) {
        ASSERT_TRUE(fs::exists(merged));
        EXPECT_TRUE(testsupport::sameAsFile(textfile::readWholeFile(merged.string()),
                                            folder / "expected-merged.eve"));
    } else {
        EXPECT_FALSE(fs::exists(merged));
    }
    EXPECT_TRUE(testsupport::boxesAsCaseSays(sp.dialogs.boxes, settings));
    const std::vector<std::string> farewell = {"File /opt/suite/Marnet.wav", "Open", "Play", "Close"};
    EXPECT_EQ(sp.sound.commands, settings["sound"] == "farewell" ? farewell : std::vector<std::string>{});
}

SUITE_FIXTURE_CASES(ImportCase, "imports");

} // namespace
} // namespace ws
