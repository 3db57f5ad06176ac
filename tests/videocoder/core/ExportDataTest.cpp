#include "videocoder/core/ExportData.h"
#include "RecordingCodingWindow.h"
#include "support/ScratchFolder.h"
#include "textfile/Files.h"
#include "textfile/RunError.h"
#include "videocoder/core/Settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

using platform::Icon;
using textfile::Value;
using vctest::Coder;

TEST(BracketCodes, CommasBecomeBracketsAndBracketedListsStay) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"a,b", "[a][b]"}, {"a, b", "[a][ b]"}, {"a,,b", "[a][][b]"},
        {"a,", "[a][]"},   {"  x  ", "[x]"},    {"   ", ""},
        {"", ""},          {"[x] y", "[x] y"}};
    for (const auto& [codes, bracketed] : cases) {
        EXPECT_EQ(vc::BracketCodes(codes), bracketed) << codes;
    }
}

TEST(ExportData, ProposesTheDataFilesNameWithTheExportsExtension) {
    EXPECT_EQ(vc::defaultExportName("/data/Session4.qvd", true), "Session4.csv");
    EXPECT_EQ(vc::defaultExportName("C:\\data\\Session4.QVD", false), "Session4.slt");
    EXPECT_EQ(vc::defaultExportName("notes.txt", true), "notes.txt.csv");
    EXPECT_EQ(vc::defaultExportName("", true), ".csv");
}

TEST(ExportData, CsvTimesConvertByTheirForm) {
    vc::VideoSettings s;
    EXPECT_FLOAT_EQ(vc::csvTimeNumber("00:00:01.50", s), 150);
    EXPECT_FLOAT_EQ(vc::csvTimeNumber("00:00:02:10", s), 70); // a timecode: its frames
    EXPECT_FLOAT_EQ(vc::csvTimeNumber("125", s), 125);        // frames as they are
    EXPECT_FLOAT_EQ(vc::csvTimeNumber("", s), 0);
    EXPECT_THROW(vc::csvTimeNumber("soon", s), textfile::RunError);
}

TEST(BuildExportHeader, CsvLineAndDoruBlock) {
    vc::HeaderFields header;
    for (int i = 0; i < vc::kHeaderFields; ++i) {
        header[static_cast<std::size_t>(i)] = "f" + std::to_string(i);
    }
    vc::VideoSettings s;
    EXPECT_EQ(
        vc::BuildExportHeader(1, header, s),
        "\"f0\",\"f1\",\"f2\",\"f3\",\"f4\",\"f5\",\"f6\",\"f7\",\"f8\",\"f9\",\"f10\",\"f11\",\"f12\"");
    const std::string block = vc::BuildExportHeader(2, header, s);
    EXPECT_EQ(block.substr(0, 34), "$ Child, Adult\r\n+ Subject ID: f0\r\n");
    EXPECT_EQ(block.substr(block.size() - 6), "\r\n- f9");
    EXPECT_EQ(vc::BuildExportHeader(3, header, s), "");
}

// An EVENTS file of two rows, open as if read, with its grid titles.
struct Exporting {
    testsupport::ScratchFolder scratch;
    Coder coder;
    Exporting() {
        vc::DataTable& d = coder.g.data;
        d.gFileName = scratch.file("kid.qvd");
        d.gDataType = "EVENTS";
        d.gColCount = Value::ofNumber(2);
        d.gRowCount = Value::ofNumber(2);
        d.gData.reset(vc::kDataColumns, 2);
        d.gData.at(1, 1) = Value::ofText("00:00:01.00");
        d.gData.at(2, 1) = Value::ofText("A");
        d.gData.at(1, 2) = Value::ofText("00:00:02.00");
        coder.dataFrm.FG1[0].title = "Time";
        coder.dataFrm.FG1[1].title = "Group 0";
    }
    void store(const std::string& name, const std::string& value) {
        coder.platform.settings.set(vc::kSettingsApp, "Export Settings", name, value);
    }
    void run() { vc::ExportData(coder.g, coder.links, {coder.platform.settings, coder.platform.launcher}); }
    const std::vector<testsupport::ShownBox>& boxes() const { return coder.platform.dialogs.boxes; }
};

TEST(ExportData, AsksWithTheProposedNameAndCancelWritesNothing) {
    Exporting x;
    x.run();
    ASSERT_EQ(x.coder.platform.dialogs.saveRequests.size(), 1u);
    const platform::FileDialogRequest& asked = x.coder.platform.dialogs.saveRequests[0];
    EXPECT_EQ(asked.title, "Name the export file...");
    EXPECT_EQ(asked.fileName, "kid.csv");
    EXPECT_EQ(asked.defaultExt, ".csv");
    EXPECT_EQ(asked.filter, "Comma Seperated files (*.csv)|*.csv|All Files (*.*)|*.*");
    EXPECT_TRUE(x.boxes().empty());
    EXPECT_FALSE(textfile::fileExists(x.scratch.file("kid.csv")));
}

TEST(ExportData, OtherTypesExportNothing) {
    Exporting x;
    x.coder.g.data.gDataType = "NOTES";
    x.run();
    EXPECT_TRUE(x.coder.platform.dialogs.saveRequests.empty());
}

TEST(ExportData, AFailedWriteKeepsTheOldFileWholeAndSaysSo) {
    Exporting x;
    const std::string target = x.scratch.file("out.csv");
    textfile::saveFileAtomically(target, "old export\r\n");
    // A folder where the save's temporary file would go: no file can be made there, root or not.
    std::filesystem::create_directory(textfile::temporaryNameFor(target));
    x.coder.platform.dialogs.files.push_back(target);
    x.run();
    EXPECT_EQ(textfile::readWholeFile(target), "old export\r\n");
    ASSERT_EQ(x.boxes().size(), 1u);
    EXPECT_EQ(x.boxes()[0].title, "Error Exporting");
    EXPECT_EQ(x.boxes()[0].icon, Icon::Critical);
    EXPECT_NE(x.boxes()[0].text.find(target), std::string::npos);
}

TEST(ExportData, TheHelperProgramGetsItsWordsAndTheFileAsOneArgument) {
    Exporting x;
    x.store("gOpenCsv", "True");
    x.store("gHelperApp", "\"/opt/my calc/calc\" --view");
    const std::string target = x.scratch.file("my data.csv");
    x.coder.platform.dialogs.files.push_back(target);
    x.run();
    const std::vector<std::vector<std::string>> started = {{"/opt/my calc/calc", "--view", target}};
    EXPECT_EQ(x.coder.platform.launcher.started, started);
    EXPECT_TRUE(x.boxes().empty()); // the program shows the file: no " created" box
    EXPECT_TRUE(textfile::fileExists(target));
}

TEST(ExportData, AHelperThatCannotStartIsAnExportError) {
    Exporting x;
    x.store("gOpenCsv", "True");
    x.coder.platform.launcher.succeed = false;
    x.coder.platform.dialogs.files.push_back(x.scratch.file("out.csv"));
    x.run();
    ASSERT_EQ(x.boxes().size(), 1u);
    EXPECT_EQ(x.boxes()[0].title, "Error Exporting");
    EXPECT_NE(x.boxes()[0].text.find("xdg-open \"" + x.scratch.file("out.csv") + "\""), std::string::npos);
}

TEST(ExportData, AnUnreadableTimeWritesNoFile) {
    Exporting x;
    x.store("gTimeConvert", "True");
    x.coder.g.data.gData.at(1, 2) = Value::ofText("later");
    x.coder.platform.dialogs.files.push_back(x.scratch.file("out.csv"));
    x.run();
    EXPECT_FALSE(textfile::fileExists(x.scratch.file("out.csv")));
    ASSERT_EQ(x.boxes().size(), 1u);
    EXPECT_EQ(x.boxes()[0].title, "Error Exporting");
}

TEST(ExportData, ATranscriptIsSortedByTimeAndTheSortIsKept) {
    Exporting x;
    vc::DataTable& d = x.coder.g.data;
    d.gDataType = "TRANSCRIPT";
    d.gData.at(1, 1) = Value::ofText("00:00:09.00");
    d.gData.at(3, 1) = Value::ofText("C late.");
    d.gData.at(3, 2) = Value::ofText("C early.");
    x.coder.platform.dialogs.files.push_back(x.scratch.file("out.slt"));
    x.run();
    EXPECT_EQ(d.gData.at(3, 1).asText(), "C early.");
    EXPECT_EQ(x.coder.platform.dialogs.saveRequests[0].fileName, "kid.slt");
    const std::string text = textfile::readWholeFile(x.scratch.file("out.slt"));
    EXPECT_LT(text.find("C early ."), text.find("C late ."));
}

} // namespace
