// The continuous-variable rules file and the CSV line split.
#include "workstation/core/ContGrid.h"
#include "workstation/core/ContinuousMerge.h"

#include "support/ScratchFolder.h"
#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"
#include "textfile/RunError.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace ws {
namespace {

namespace fs = std::filesystem;

TEST(ContGrid, SavesAndReadsBackEveryRow) {
    testsupport::ScratchFolder scratch;
    testsupport::ScriptedPlatform sp;
    const std::string codeFile = (scratch.path() / "kids.cod").string();
    ContGridData saved;
    saved.cells[1] = {"2", "0", "60", "LOW"};
    saved.cells[99] = {"3", "1.5", "2", "a, b"};
    ASSERT_TRUE(SaveContGrid(saved, codeFile, sp.dialogs));
    const std::string text = textfile::readWholeFile(contGridFileName(codeFile));
    EXPECT_EQ(text.substr(0, 23), "\"2\",\"0\",\"60\",\"LOW\"\r\n\"\",");

    ContGridData read;
    read.cells[50] = {"stale", "", "", ""};
    ReadContGrid(read, codeFile);
    EXPECT_EQ(read.cells[1], saved.cells[1]);
    EXPECT_EQ(read.cells[50], saved.cells[50]);
    EXPECT_EQ(read.cells[99][0], "3");
    EXPECT_TRUE(sp.dialogs.boxes.empty());
}

TEST(ContGrid, ShortFileSetsWhatItHoldsAndNoFileChangesNothing) {
    testsupport::ScratchFolder scratch;
    const std::string codeFile = (scratch.path() / "kids.cod").string();
    ContGridData grid;
    grid.cells[2] = {"9", "9", "9", "KEEP"};
    ReadContGrid(grid, codeFile);
    EXPECT_EQ(grid.cells[2][3], "KEEP");

    textfile::saveFileAtomically(contGridFileName(codeFile), "\"2\",\"0\",\"60\",\"LOW\"\r\n\"4\",\"1\"\r\n");
    ReadContGrid(grid, codeFile);
    EXPECT_EQ(grid.cells[1][3], "LOW");
    EXPECT_EQ(grid.cells[2], (std::array<std::string, 4>{"4", "1", "9", "KEEP"}));
}

TEST(ContGrid, FailedSaveSaysSo) {
    testsupport::ScratchFolder scratch;
    testsupport::ScriptedPlatform sp;
    const std::string codeFile = (scratch.path() / "gone" / "kids.cod").string();
    EXPECT_FALSE(SaveContGrid(ContGridData{}, codeFile, sp.dialogs));
    EXPECT_FALSE(fs::exists(contGridFileName(codeFile)));
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].text, "Unable to save continous variable grid.\rIf you are not merging "
                                        "continous varible, ignore this message");
    EXPECT_EQ(sp.dialogs.boxes[0].title, "TALVOR");

    // A save that fails beside rules already kept leaves them as they were.
    const std::string keptCodeFile = (scratch.path() / "kids.cod").string();
    ContGridData kept;
    kept.cells[1] = {"2", "0", "60", "LOW"};
    ASSERT_TRUE(SaveContGrid(kept, keptCodeFile, sp.dialogs));
    const std::string before = textfile::readWholeFile(contGridFileName(keptCodeFile));
    // A folder in the way of the save's temporary file makes it fail.
    fs::create_directory(textfile::temporaryNameFor(contGridFileName(keptCodeFile)));
    EXPECT_FALSE(SaveContGrid(ContGridData{}, keptCodeFile, sp.dialogs));
    EXPECT_EQ(sp.dialogs.boxes.size(), 2u);
    EXPECT_EQ(textfile::readWholeFile(contGridFileName(keptCodeFile)), before);
}

TEST(SplitCsvLine, FieldsStandAsWrittenWithTheirCountFirst) {
    EXPECT_EQ(SplitCsvLine(""), (std::vector<std::string>{" 1", ""}));
    EXPECT_EQ(SplitCsvLine("1, \"2\",,x"), (std::vector<std::string>{" 4", "1", " \"2\"", "", "x"}));
    EXPECT_EQ(SplitCsvLine(std::string(254, ',')).front(), " 255");
    EXPECT_THROW(SplitCsvLine(std::string(255, ',')), textfile::RunError);
}

} // namespace
} // namespace ws
