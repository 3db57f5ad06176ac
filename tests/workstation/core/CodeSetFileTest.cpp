#include "workstation/core/CodeSetFile.h"

#include "support/FixtureCases.h"
#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"
#include "workstation/core/windows/CodeSetGroupNames.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using platform::Buttons;
using textfile::Value;

const std::string kEsc(1, '\x1b');

std::string readBytes(const fs::path& path) {
    return textfile::readWholeFile(path.string());
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The code-set editor's group grid: a view bound to the group names, so what OpenCodeFile
// reads shows in it and what is edited in it goes to SaveCodeFile.
struct GroupGrid {
    explicit GroupGrid(ws::Global& g) : binding(g) {}
    ws::CodeSetGroupNames binding;
    std::array<std::string, 49> cells() const {
        std::array<std::string, 49> shown;
        for (int group = 0; group < 49; ++group) {
            shown.at(group) = binding.groupName(group);
        }
        return shown;
    }
};

std::vector<Value> tableOf(const ws::Global& g) {
    std::vector<Value> out;
    for (int row = 1; row <= g.CodeTable.rows(); ++row) {
        for (int field = 1; field <= 3; ++field) {
            out.push_back(g.CodeTable(field, row));
        }
    }
    return out;
}

std::vector<std::string> namesOf(const ws::Global& g) {
    return {g.GroupNames.begin(), g.GroupNames.begin() + 49};
}

std::string fixture(const std::string& path) {
    return std::string(SUITE_FIXTURES_DIR) + "/codeset/" + path;
}

// Each case folder: before.cod (read first, when present), input.cod (read), then the set is
// saved and must equal expected.cod (input.cod when there is none) byte for byte.
class CodeSetCase : public testsupport::FixtureCase {
protected:
    fs::path family() const override { return testsupport::fixtureFamily("codeset"); }
};

TEST_P(CodeSetCase, ReadsAndWritesByteExact) {
    QTemporaryDir out;
    const fs::path dir = folder();
    testsupport::ScriptedPlatform p;
    ws::Global g;
    GroupGrid grid(g);
    if (fs::exists(dir / "before.cod")) {
        g.Code_File = (dir / "before.cod").string();
        ASSERT_EQ(ws::OpenCodeFile(g, p.platform), -1);
    }
    g.Code_File = (dir / "input.cod").string();
    ASSERT_EQ(ws::OpenCodeFile(g, p.platform), -1);
    EXPECT_TRUE(p.dialogs.boxes.empty());
    EXPECT_TRUE(p.dialogs.openRequests.empty());
    const auto shown = grid.cells();
    EXPECT_EQ(std::vector<std::string>(shown.begin(), shown.end()), namesOf(g));

    const fs::path saved = fs::path(out.path().toStdString()) / (dir.filename().string() + ".cod");
    g.Code_File = saved.string();
    ASSERT_EQ(ws::SaveCodeFile(g, p.platform), -1);
    const fs::path expected = fs::exists(dir / "expected.cod") ? dir / "expected.cod" : dir / "input.cod";
    EXPECT_TRUE(testsupport::sameAsFile(readBytes(saved), expected));

    ws::Global reread;
    reread.Code_File = saved.string();
    ASSERT_EQ(ws::OpenCodeFile(reread, p.platform), -1);
    EXPECT_EQ(reread.NumCodes, g.NumCodes);
    EXPECT_EQ(tableOf(reread), tableOf(g));
    EXPECT_EQ(namesOf(reread), namesOf(g));
}

SUITE_FIXTURE_CASES(CodeSetCase, "codeset");

TEST(CodeSetFile, ReadsValuesByKindAndCountZeroAsOneEmptyRow) {
    testsupport::ScriptedPlatform p;
    ws::Global g;
    g.Code_File = fixture("value-kinds/input.cod");
    ASSERT_EQ(ws::OpenCodeFile(g, p.platform), -1);
    ASSERT_EQ(g.NumCodes, 4);
    EXPECT_EQ(g.CodeTable(3, 1), Value::ofText("3"));
    EXPECT_EQ(g.CodeTable(2, 2), Value::null());
    EXPECT_EQ(g.CodeTable(1, 3), Value::ofNumber(12));
    EXPECT_EQ(g.CodeTable(3, 3), Value::empty());
    EXPECT_EQ(g.CodeTable(3, 4), Value::ofNumber(-1));

    g.Code_File = fixture("empty-set/input.cod");
    ASSERT_EQ(ws::OpenCodeFile(g, p.platform), -1);
    EXPECT_EQ(g.NumCodes, 0);
    EXPECT_EQ(tableOf(g), std::vector<Value>(3));
    EXPECT_EQ(g.GroupNames[48], "Group 48");
}

struct BadFileCase {
    std::string label;
    std::string bytes;
    std::string reason;
};

TEST(CodeSetFile, RefusesABadCountLineAndKeepsTheCodeSetInMemory) {
    const std::string names = "\"G0\"\r\n\"G1\"\r\n";
    const std::vector<BadFileCase> cases = {
        {"count not a number", "abc\r\n\"A\",\"Alpha\",0\r\n" + names,
         "its first line does not give the number of codes."},
        {"empty count line", "\r\n\"A\",\"Alpha\",0\r\n" + names,
         "its first line does not give the number of codes."},
        {"empty file", "", "its first line does not give the number of codes."},
        {"negative count", " -1 \r\n" + names, "the number of codes on its first line is negative."},
        {"count beyond 16 bits", " 40000 \r\n" + names,
         "the number of codes on its first line is out of range."},
        {"count beyond the code lines", " 3 \r\n\"A\",\"Alpha\",0\r\n\"B\",\"Beta\",1\r\n" + names,
         "it holds fewer code lines than the 3 its first line announces."},
        {"file ends inside the codes", " 2 \r\n\"A\",\"Alpha\",0\r\n",
         "it holds fewer code lines than the 2 its first line announces."},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        testsupport::ScriptedPlatform p;
        ws::Global g;
        GroupGrid grid(g);
        g.Code_File = fixture("normal/input.cod");
        ASSERT_EQ(ws::OpenCodeFile(g, p.platform), -1);
        const auto tableBefore = tableOf(g);
        const auto namesBefore = namesOf(g);
        const auto gridBefore = grid.cells();

        const std::string bad = dir.filePath("bad.cod").toStdString();
        writeBytes(bad, c.bytes);
        g.Code_File = bad;
        EXPECT_EQ(ws::OpenCodeFile(g, p.platform), 0);

        ASSERT_EQ(p.dialogs.boxes.size(), 1u);
        EXPECT_EQ(p.dialogs.boxes[0].title, "File Load Error");
        EXPECT_EQ(p.dialogs.boxes[0].buttons, Buttons::OK);
        EXPECT_EQ(p.dialogs.boxes[0].text, "The code file " + bad + " could not be read: " + c.reason +
                                               " The code set in use was kept.");
        EXPECT_EQ(g.NumCodes, 3);
        EXPECT_EQ(tableOf(g), tableBefore);
        EXPECT_EQ(namesOf(g), namesBefore);
        EXPECT_EQ(grid.cells(), gridBefore);
        EXPECT_EQ(g.Code_File, fixture("normal/input.cod")); // names the code set in use
    }
}

TEST(CodeSetFile, BadFileChosenInTheDialogLeavesCodeFileAsItWas) {
    QTemporaryDir dir;
    const std::string bad = dir.filePath("bad.cod").toStdString();
    writeBytes(bad, "many\r\n");
    testsupport::ScriptedPlatform p;
    ws::Global g;
    g.Code_File = dir.filePath("missing.cod").toStdString();
    p.dialogs.files = {bad};

    EXPECT_EQ(ws::OpenCodeFile(g, p.platform), 0);
    EXPECT_EQ(p.dialogs.boxes.size(), 1u);
    EXPECT_EQ(g.Code_File, dir.filePath("missing.cod").toStdString());
}

TEST(CodeSetFile, OpenDialogIsShownForEscOrAMissingFileAndCancelKeepsTheTable) {
    QTemporaryDir dir;
    const std::string missing = dir.filePath("gone.cod").toStdString();
    struct Case {
        std::string codeFileBefore, codeFileAfterCancel;
    };
    for (const Case& c : {Case{kEsc, ""}, Case{"", ""}, Case{missing, missing}}) {
        SCOPED_TRACE("Code_File \"" + c.codeFileBefore + "\"");
        testsupport::ScriptedPlatform p;
        ws::Global g;
        g.Code_File = fixture("normal/input.cod");
        ASSERT_EQ(ws::OpenCodeFile(g, p.platform), -1);
        const auto tableBefore = tableOf(g);

        g.Code_File = c.codeFileBefore;
        EXPECT_EQ(ws::OpenCodeFile(g, p.platform), 0);
        ASSERT_EQ(p.dialogs.openRequests.size(), 1u);
        const auto& request = p.dialogs.openRequests[0];
        EXPECT_EQ(request.title, "Open the Code file...");
        EXPECT_EQ(request.filter, "TALVOR/Vintrosa Code files (*.cod)|*.cod|All Files (*.*)|*.*");
        EXPECT_EQ(request.fileName, "");
        EXPECT_EQ(request.flags, 4102);
        EXPECT_EQ(g.Code_File, c.codeFileAfterCancel);
        EXPECT_EQ(g.NumCodes, 3);
        EXPECT_EQ(tableOf(g), tableBefore);
        EXPECT_TRUE(p.dialogs.boxes.empty());
    }
}

TEST(CodeSetFile, EscAsksEvenWhenAFileOfThatNameExistsAndTakesTheChosenFile) {
    QTemporaryDir dir;
    const fs::path workingBefore = fs::current_path();
    fs::current_path(dir.path().toStdString());
    writeBytes(kEsc, " 0 \r\n");
    testsupport::ScriptedPlatform p;
    ws::Global g;
    g.Code_File = kEsc;
    p.dialogs.files = {fixture("value-kinds/input.cod")};

    const auto opened = ws::OpenCodeFile(g, p.platform);
    fs::current_path(workingBefore);
    EXPECT_EQ(opened, -1);
    EXPECT_EQ(p.dialogs.openRequests.size(), 1u);
    EXPECT_EQ(g.Code_File, fixture("value-kinds/input.cod"));
    EXPECT_EQ(g.NumCodes, 4);
}

TEST(CodeSetFile, SaveDialogAsksForANewFileAndCancelWritesNothing) {
    QTemporaryDir dir;
    const std::string target = dir.filePath("new set.cod").toStdString();
    for (const bool cancel : {true, false}) {
        SCOPED_TRACE(cancel ? "cancelled" : "named");
        testsupport::ScriptedPlatform p;
        ws::Global g;
        GroupGrid grid(g);
        grid.binding.setGroupName(0, "From the grid");
        g.Code_File = "";
        if (!cancel) {
            p.dialogs.files = {target};
        }

        EXPECT_EQ(ws::SaveCodeFile(g, p.platform), cancel ? 0 : -1);
        ASSERT_EQ(p.dialogs.saveRequests.size(), 1u);
        const auto& request = p.dialogs.saveRequests[0];
        EXPECT_EQ(request.title, "Name the Code file...");
        EXPECT_EQ(request.filter, "TALVOR/Vintrosa code files (*.cod)|*.cod|All Files (*.*)|*.*");
        EXPECT_EQ(request.defaultExt, ".cod");
        EXPECT_EQ(request.fileName, "");
        // Overwrite prompt and hidden read-only box, but never "must exist" for a new name.
        EXPECT_EQ(request.flags, platform::kOverwritePrompt | platform::kHideReadOnly);
        EXPECT_EQ(g.Code_File, cancel ? "" : target);
        EXPECT_EQ(textfile::fileExists(target), !cancel);
        // The grid edits the names in place: a cancelled save leaves them edited, a named
        // one writes them.
        EXPECT_EQ(g.GroupNames[0], "From the grid");
        if (!cancel) {
            EXPECT_NE(readBytes(target).find("\"From the grid\"\r\n"), std::string::npos);
        }
        EXPECT_TRUE(p.dialogs.boxes.empty());
    }
}

TEST(CodeSetFile, SaveWritesTextGroupsQuotedAndUnwiredGroupNamesAsTheyAre) {
    QTemporaryDir dir;
    testsupport::ScriptedPlatform p;
    ws::Global g;
    g.NumCodes = 2;
    g.CodeTable.resize(2);
    // Cells edited in the editor's codes grid hold text, the group number included.
    g.CodeTable(1, 1) = Value::ofText("A");
    g.CodeTable(2, 1) = Value::ofText("Alpha");
    g.CodeTable(3, 1) = Value::ofText("3");
    g.CodeTable(1, 2) = Value::ofText("B");
    g.CodeTable(2, 2) = Value::ofText("Beta, the second");
    g.CodeTable(3, 2) = Value::ofNumber(0);
    g.GroupNames[1] = "kept when no grid is wired";
    g.Code_File = dir.filePath("grid.cod").toStdString();

    ASSERT_EQ(ws::SaveCodeFile(g, p.platform), -1);
    std::string expected = " 2 \r\n\"A\",\"Alpha\",\"3\"\r\n\"B\",\"Beta, the second\",0\r\n\"\"\r\n"
                           "\"kept when no grid is wired\"\r\n";
    for (int group = 2; group < 49; ++group) {
        expected += "\"\"\r\n";
    }
    EXPECT_EQ(readBytes(g.Code_File), expected);
}

TEST(CodeSetFile, FailedSaveSaysSoAndKeepsTheNameItHad) {
    QTemporaryDir dir;
    const std::string unreachable = dir.filePath("no such folder/set.cod").toStdString();
    testsupport::ScriptedPlatform p;
    ws::Global g;
    g.Code_File = "";
    p.dialogs.files = {unreachable};

    EXPECT_EQ(ws::SaveCodeFile(g, p.platform), 0);
    ASSERT_EQ(p.dialogs.boxes.size(), 1u);
    EXPECT_EQ(p.dialogs.boxes[0].title, "File Save Error");
    EXPECT_EQ(p.dialogs.boxes[0].text.rfind("The code file " + unreachable + " could not be saved: ", 0), 0u);
    EXPECT_EQ(g.Code_File, "");
}

} // namespace
