#include "videocoder/core/CodeSetFile.h"
#include "RecordingCodingWindow.h"
#include "support/FixtureCases.h"
#include "support/ScratchFolder.h"
#include "textfile/Files.h"
#include "videocoder/core/EditorGroupNames.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using platform::Buttons;
using platform::Icon;
using textfile::Value;
using vctest::Coder;

void setCode(vc::CodeSet& c, int code, Value name, Value description, Value group) {
    if (c.gCodes.rows() < code) {
        c.gCodes.resizeRows(code);
    }
    c.gCodeCount = c.gCodes.rows();
    c.gCodes.at(1, code) = std::move(name);
    c.gCodes.at(2, code) = std::move(description);
    c.gCodes.at(3, code) = std::move(group);
}

vc::CodeSet threeCodes() {
    vc::CodeSet c;
    setCode(c, 1, Value::ofText("A"), Value::ofText("Alpha"), Value::ofNumber(0));
    setCode(c, 2, Value::ofText("B"), Value::ofText("Beta desc"), Value::ofNumber(0));
    setCode(c, 3, Value::ofNumber(5), Value::ofText("Five"), Value::ofNumber(1));
    return c;
}

// Code-set cases, one folder each under fixtures/vcod: input.cod is opened and saved under
// a new name, which must give expected.cod; that file opened and saved again is unchanged.
class CodFileCase : public testsupport::FixtureCase {
protected:
    fs::path family() const override { return testsupport::fixtureFamily("vcod"); }
};

TEST_P(CodFileCase, RoundTrip) {
    testsupport::ScratchFolder scratch;
    std::string from = (folder() / "input.cod").string();
    for (const std::string& to : {scratch.file("first.cod"), scratch.file("second.cod")}) {
        Coder coder;
        coder.g.codeSet.gCodeFileName = from;
        ASSERT_TRUE(vc::OpenCodeFile(coder.g, coder.links));
        coder.g.codeSet.gCodeFileName = to;
        ASSERT_TRUE(vc::SaveCodeFile(coder.g, coder.links));
        EXPECT_TRUE(coder.platform.dialogs.boxes.empty());
        EXPECT_TRUE(testsupport::sameAsFile(textfile::readWholeFile(to), folder() / "expected.cod")) << to;
        from = to;
    }
}

SUITE_FIXTURE_CASES(CodFileCase, "vcod");

TEST(CodeSetText, NullAndEmptyCellsWriteNothing) {
    vc::CodeSet c;
    setCode(c, 1, Value::ofText("A"), Value::null(), Value::ofNumber(0));
    setCode(c, 2, Value::empty(), Value::ofText("B"), Value::ofText("2"));
    EXPECT_EQ(vc::codeFileText(c, {"g0"}), " 2 \r\n\"A\",,0\r\n,\"B\",\"2\"\r\n\"g0\"\r\n");
}

TEST(OpenCodeFile, FewerThan49GroupsKeepTheRestOfTheGrid) {
    testsupport::ScratchFolder scratch;
    const std::string path = scratch.file("set.cod");
    textfile::saveFileAtomically(
        path, " 3 \r\n\"A\",\"a\",0\r\n\"B\",\"b\",0\r\n\"C\",\"c\",1\r\n\"New zero\"\r\n");
    Coder coder;
    coder.codeFrmGroups.at(coder.g, 0) = "old zero";
    coder.codeFrmGroups.at(coder.g, 1) = "old one";
    coder.g.codeSet.gCodeFileName = path;
    ASSERT_TRUE(vc::OpenCodeFile(coder.g, coder.links));
    EXPECT_EQ(coder.g.codeSet.gCodeCount, 3);
    EXPECT_EQ(coder.codeFrmGroups.at(coder.g, 0), "New zero");
    EXPECT_EQ(coder.codeFrmGroups.at(coder.g, 1), "old one");
}

TEST(OpenCodeFile, DamagedFilesShowTheBoxAndForgetTheName) {
    struct Case {
        const char* name;
        std::string bytes;
        const char* description;
        int codesKept;
    };
    const std::vector<Case> cases = {
        {"count of 0", " 0 \r\n", "Subscript out of range", 1},
        {"count not a number", "\"many\"\r\n", "Type mismatch", 1},
        {"fewer codes than counted", " 3 \r\n\"A\",\"a\",0\r\n\"B\"\r\n", "Input past end of file", 2},
        {"empty file", "", "Input past end of file", 1},
    };
    for (const Case& c : cases) {
        testsupport::ScratchFolder scratch;
        const std::string path = scratch.file("bad.cod");
        textfile::saveFileAtomically(path, c.bytes);
        Coder coder;
        coder.g.codeSet.gCodeFileName = path;
        EXPECT_FALSE(vc::OpenCodeFile(coder.g, coder.links)) << c.name;
        ASSERT_EQ(coder.platform.dialogs.boxes.size(), 1u) << c.name;
        const testsupport::ShownBox& box = coder.platform.dialogs.boxes[0];
        EXPECT_EQ(box.text, std::string("Error reading code file...\r\n") + c.description +
                                "\r\nCode file is possibly damaged or corrupt")
            << c.name;
        EXPECT_EQ(box.title, "Vintrosa");
        EXPECT_EQ(box.buttons, Buttons::OK);
        EXPECT_EQ(box.icon, Icon::None);
        EXPECT_EQ(coder.g.codeSet.gCodeFileName, "") << c.name;
        EXPECT_EQ(coder.g.codeSet.gCodeCount, c.codesKept) << c.name;
        EXPECT_EQ(coder.g.codeSet.gCodes.rows(), c.codesKept) << c.name;
    }
}

TEST(OpenCodeFile, WhichFileItReads) {
    testsupport::ScratchFolder scratch;
    const std::string first = scratch.file("first.cod");
    const std::string second = scratch.file("second.cod");
    textfile::saveFileAtomically(first, " 1 \r\n\"F\",\"f\",0\r\n");
    textfile::saveFileAtomically(second, " 1 \r\n\"S\",\"s\",0\r\n");

    // The code-27 text asks even though the named file exists.
    Coder forced;
    forced.g.codeSet.gCodeFileName = vc::kAskForCodeFile;
    forced.platform.dialogs.files.push_back(second);
    ASSERT_TRUE(vc::OpenCodeFile(forced.g, forced.links));
    ASSERT_EQ(forced.platform.dialogs.openRequests.size(), 1u);
    const platform::FileDialogRequest& request = forced.platform.dialogs.openRequests[0];
    EXPECT_EQ(request.title, "Open the Code file...");
    EXPECT_EQ(request.filter, "Vintrosa Code files (*.cod)|*.cod|All Files (*.*)|*.*");
    EXPECT_EQ(request.flags, 4102);
    EXPECT_EQ(forced.g.codeSet.gCodeFileName, second);

    // Cancelled: false, the code-27 text gone, nothing read.
    Coder cancelled;
    cancelled.g.codeSet.gCodeFileName = vc::kAskForCodeFile;
    EXPECT_FALSE(vc::OpenCodeFile(cancelled.g, cancelled.links));
    EXPECT_EQ(cancelled.g.codeSet.gCodeFileName, "");
    EXPECT_EQ(cancelled.g.codeSet.gCodes.at(1, 1), Value::empty());

    // No name: the coding window's Code File field, without a dialog.
    Coder fromField;
    fromField.dataFrm.Text1[vc::kCodeFileField] = first;
    ASSERT_TRUE(vc::OpenCodeFile(fromField.g, fromField.links));
    EXPECT_TRUE(fromField.platform.dialogs.openRequests.empty());
    EXPECT_EQ(fromField.g.codeSet.gCodes.at(1, 1), Value::ofText("F"));

    // A missing file asks.
    Coder missing;
    missing.g.codeSet.gCodeFileName = scratch.file("gone.cod");
    missing.platform.dialogs.files.push_back(first);
    ASSERT_TRUE(vc::OpenCodeFile(missing.g, missing.links));
    EXPECT_EQ(missing.platform.dialogs.openRequests.size(), 1u);
    EXPECT_EQ(missing.g.codeSet.gCodeFileName, first);
}

TEST(SaveCodeFile, NamesAndWritesTheCodesAndGroups) {
    testsupport::ScratchFolder scratch;
    Coder coder;
    coder.g.codeSet = threeCodes();
    EXPECT_FALSE(vc::SaveCodeFile(coder.g, coder.links)) << "cancelled";
    ASSERT_EQ(coder.platform.dialogs.saveRequests.size(), 1u);
    const platform::FileDialogRequest& request = coder.platform.dialogs.saveRequests[0];
    EXPECT_EQ(request.title, "Name the Code file...");
    EXPECT_EQ(request.defaultExt, ".cod");
    EXPECT_EQ(request.filter, "Vintrosa code files (*.cod)|*.cod|All Files (*.*)|*.*");
    EXPECT_EQ(request.flags & platform::kFileMustExist, 0);

    const std::string path = scratch.file("named.cod");
    coder.platform.dialogs.files.push_back(path);
    coder.codeFrmGroups.at(coder.g, 48) = "Last";
    ASSERT_TRUE(vc::SaveCodeFile(coder.g, coder.links));
    EXPECT_EQ(coder.g.codeSet.gCodeFileName, path);
    std::string expected = " 3 \r\n\"A\",\"Alpha\",0\r\n\"B\",\"Beta desc\",0\r\n5,\"Five\",1\r\n";
    for (int group = 0; group < 48; ++group) {
        expected += "\"\"\r\n";
    }
    expected += "\"Last\"\r\n";
    EXPECT_EQ(textfile::readWholeFile(path), expected);
}

TEST(SaveCodeFile, FailedWriteKeepsTheOldFileAndSaysSo) {
    testsupport::ScratchFolder scratch;
    const std::string old = scratch.file("old.cod");
    textfile::saveFileAtomically(old, "old bytes");
    Coder coder;
    coder.g.codeSet = threeCodes();
    coder.g.codeSet.gCodeFileName = old + "/inside.cod"; // a folder that is a file
    EXPECT_FALSE(vc::SaveCodeFile(coder.g, coder.links));
    ASSERT_EQ(coder.platform.dialogs.boxes.size(), 1u);
    EXPECT_EQ(coder.platform.dialogs.boxes[0].title, "VTRS Error");
    EXPECT_EQ(coder.platform.dialogs.boxes[0].text.rfind("Error Saving Code File: ", 0), 0u);
    EXPECT_EQ(textfile::readWholeFile(old), "old bytes");
    EXPECT_EQ(coder.g.codeSet.gCodeCount, 3);
}

TEST(FindCode, ByCodeOrDescriptionExactly) {
    const vc::CodeSet c = threeCodes();
    const std::vector<std::pair<std::string, int>> cases = {
        {"A", 1}, {"  B  ", 2}, {"Beta desc", 2}, {" Beta desc ", 2}, {"5", 3},    {"Five", 3},
        {"", -1}, {"   ", -1},  {"a", -1},        {"alpha", -1},      {"Bet", -1},
    };
    for (const auto& [text, index] : cases) {
        EXPECT_EQ(vc::FindCode(c, text), index) << '"' << text << '"';
    }
}

TEST(ValidateCodes, CellsBecomeCodesOrDescriptions) {
    Coder coder;
    coder.g.codeSet = threeCodes();
    vc::DataTable& d = coder.g.data;
    d.gDataType = "EVENTS";
    d.gRowCount = Value::ofNumber(2);
    d.gColCount = Value::ofNumber(3);
    d.gData.reset(vc::kDataColumns, 2);
    d.gData.at(1, 1) = Value::ofText("00:00:01.00");
    d.gData.at(2, 1) = Value::ofText("Alpha");
    d.gData.at(3, 1) = Value::ofText(" Five");
    d.gData.at(2, 2) = Value::ofText("B");
    d.gData.at(3, 2) = Value::ofText("nothing known");
    d.gData.at(4, 2) = Value::ofText("Alpha"); // past gColCount: untouched

    vc::ValidateCodes(coder.g, coder.links);
    EXPECT_EQ(d.gData.at(2, 1), Value::ofText("A"));
    EXPECT_EQ(d.gData.at(3, 1), Value::ofNumber(5));
    EXPECT_EQ(d.gData.at(2, 2), Value::ofText("B"));
    EXPECT_EQ(d.gData.at(3, 2), Value::ofText("nothing known"));
    EXPECT_EQ(d.gData.at(4, 2), Value::ofText("Alpha"));
    EXPECT_EQ(d.gData.at(1, 1), Value::ofText("00:00:01.00"));

    coder.g.settings.gEditInCell = 3;
    vc::ValidateCodes(coder.g, coder.links);
    EXPECT_EQ(d.gData.at(2, 1), Value::ofText("Alpha"));
    EXPECT_EQ(d.gData.at(2, 2), Value::ofText("Beta desc"));
    EXPECT_EQ(coder.view.calls, (std::vector<std::string>{"refresh", "refresh"}));

    d.gDataType = "TRANSCRIPT";
    d.gData.at(2, 1) = Value::ofText("A");
    vc::ValidateCodes(coder.g, coder.links);
    EXPECT_EQ(d.gData.at(2, 1), Value::ofText("A"));
    EXPECT_EQ(coder.view.calls.size(), 2u);
}

TEST(CodeEditor, TouchLoadsAndUnloadSavesThenClears) {
    testsupport::ScratchFolder scratch;
    const std::string path = scratch.file("set.cod");
    Coder coder;
    EXPECT_EQ(vc::unloadCodeEditor(coder.g, coder.links), vc::CodeEditorUnload::Unloaded)
        << "not loaded: nothing to do";
    EXPECT_TRUE(coder.platform.dialogs.saveRequests.empty());

    coder.g.codeSet = threeCodes();
    coder.g.codeSet.gCodeFileName = path;
    coder.codeFrmGroups.at(coder.g, 2) = "Third";
    EXPECT_EQ(coder.g.open.gCodeOpen, vc::kTrue);

    ASSERT_EQ(vc::unloadCodeEditor(coder.g, coder.links), vc::CodeEditorUnload::Unloaded);
    EXPECT_NE(textfile::readWholeFile(path).find("\"Third\""), std::string::npos);
    EXPECT_EQ(coder.g.open.gCodeOpen, vc::kFalse);
    EXPECT_EQ(coder.g.codeSet.gCodeFileName, "");
    EXPECT_EQ(coder.g.codeSet.gCodeCount, 1);
    EXPECT_EQ(coder.g.codeSet.gCodes.at(1, 1), Value::empty());
    EXPECT_FALSE(coder.codeFrmGroups.loaded());
    EXPECT_EQ(coder.codeFrmGroups.at(coder.g, 2), "");
}

// The group grid is a view over the binding: an edit through it is the description itself,
// and touching it loads the editor as the grid does.
TEST(CodeEditor, GroupGridBindingEditsTheDescriptionsInPlace) {
    Coder coder;
    vc::EditorGroupNames names(coder.g, coder.codeFrmGroups);
    names.setGroupName(4, "Fifth");
    EXPECT_EQ(coder.g.open.gCodeOpen, vc::kTrue);
    EXPECT_EQ(coder.codeFrmGroups.at(coder.g, 4), "Fifth");
    coder.codeFrmGroups.at(coder.g, 0) = "First";
    EXPECT_EQ(names.groupName(0), "First");
}

TEST(CodeEditor, FailedSaveOnUnloadKeepsTheCodes) {
    testsupport::ScratchFolder scratch;
    const std::string blocker = scratch.file("file");
    textfile::saveFileAtomically(blocker, "x");
    Coder coder;
    coder.g.codeSet = threeCodes();
    coder.g.codeSet.gCodeFileName = blocker + "/set.cod";
    coder.codeFrmGroups.touch(coder.g);
    EXPECT_EQ(vc::unloadCodeEditor(coder.g, coder.links), vc::CodeEditorUnload::Failed);
    EXPECT_EQ(coder.g.codeSet.gCodeCount, 3);
    EXPECT_EQ(coder.g.codeSet.gCodeFileName, blocker + "/set.cod");
    EXPECT_TRUE(coder.codeFrmGroups.loaded());
    EXPECT_EQ(coder.g.open.gCodeOpen, vc::kTrue);
}

TEST(ResetTables, LeaveOneEmptyRowOrCode) {
    vc::Globals g;
    g.codeSet = threeCodes();
    g.data.gRowCount = Value::ofText("9");
    g.data.gData.reset(vc::kDataColumns, 9);
    vc::ResetEventArray(g.data);
    vc::ResetCodeTable(g.codeSet);
    EXPECT_EQ(g.data.gRowCount, Value::ofNumber(1));
    EXPECT_EQ(g.data.gData, vc::CellTable(vc::kDataColumns, 1));
    EXPECT_EQ(g.codeSet.gCodeCount, 1);
    EXPECT_EQ(g.codeSet.gCodes, vc::ValueTable(vc::kCodeFields, 1));
}

} // namespace
