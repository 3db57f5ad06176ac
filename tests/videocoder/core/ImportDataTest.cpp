#include "videocoder/core/ImportData.h"
#include "RecordingCodingWindow.h"
#include "support/RecordingFileTypes.h"
#include "support/ScratchFolder.h"
#include "textfile/Files.h"
#include "textfile/RunError.h"
#include "videocoder/core/DataFile.h"
#include "videocoder/core/MainFrm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using platform::Answer;
using textfile::Value;
using vctest::Coder;

TEST(DoruLines, TimesAndCodesComeOffTheLine) {
    std::string line = "C look {0:12} here [a].";
    EXPECT_EQ(vc::DoruTimeOf(line), Value::ofText("0:12"));
    EXPECT_EQ(line, "C look  here [a].");
    EXPECT_EQ(vc::DoruCodesOf(line), "[a].");
    EXPECT_EQ(line, "C look  here ");

    std::string noColon = "C {note} x";
    EXPECT_EQ(vc::DoruTimeOf(noColon), Value::ofText(""));
    EXPECT_EQ(noColon, "C {note} x");
    std::string unclosed = "C {0:12 x";
    EXPECT_EQ(vc::DoruTimeOf(unclosed), Value::ofText(""));
    std::string plain = "A yes.";
    EXPECT_EQ(vc::DoruTimeOf(plain), Value::empty());
    EXPECT_EQ(vc::DoruCodesOf(plain), "");
    EXPECT_EQ(plain, "A yes.");
    std::string timeLine = "-  0:05 ";
    EXPECT_EQ(vc::DoruTimeOf(timeLine), Value::ofText("0:05"));
}

TEST(SplitTranscriptCodes, CutsTheCodesAtEachBracket) {
    std::string time, text;
    std::vector<std::string> codes;
    vc::SplitTranscriptCodes("\"0:01\",\"x[a][ b ]c]\",\"hi, you\"", time, text, codes);
    EXPECT_EQ(time, "0:01");
    EXPECT_EQ(text, "hi, you");
    EXPECT_EQ(codes, (std::vector<std::string>{"a", " b c"}));
    std::string many = "\"0\",\"";
    for (int i = 0; i < 60; ++i) {
        many += "[c" + std::to_string(i) + "]";
    }
    vc::SplitTranscriptCodes(many + "\",\"t\"", time, text, codes);
    EXPECT_EQ(codes.size(), 50u);
    vc::SplitTranscriptCodes("no commas", time, text, codes); // passes over what it lacks
    EXPECT_TRUE(codes.empty());
}

TEST(ImportCsv, ThreeLinesOfTwoCommasGiveThreeRowsOfThreeFields) {
    vc::DataTable d;
    d.gRowCount = Value::ofNumber(0);
    vc::appendCsvRows("a,b,c\r\nd,e,f\r\ng,h,i\r\n", d);
    EXPECT_EQ(d.gRowCount.asNumber(), 3);
    EXPECT_EQ(d.gData.at(3, 3).asText(), "i");
}

TEST(ImportCsv, AnEmptyFieldPastColumn50IsDroppedAndAFilledOneFails) {
    std::string line;
    for (int i = 1; i <= 50; ++i) {
        line += "\"c" + std::to_string(i) + "\",";
    }
    vc::DataTable d;
    d.gRowCount = Value::ofNumber(0);
    vc::appendCsvRows(line + "\r\n" + line + "\r\n", d); // our own 50-column export's trailing comma
    EXPECT_EQ(d.gRowCount.asNumber(), 2);
    EXPECT_EQ(d.gData.at(50, 2).asText(), "c50");
    try {
        vc::appendCsvRows(line + "\"c51\"\r\n", d);
        FAIL() << "a 51st field was taken";
    } catch (const textfile::RunError& e) {
        EXPECT_EQ(e.number(), textfile::kSubscriptOutOfRange);
    }
    EXPECT_EQ(d.gRowCount.asNumber(), 3); // the row read by then stays
}

TEST(MergeDataFile, FiveRowsJoinTenAtElevenToFifteen) {
    std::string body =
        "EVENTS\r\n\r\n\r\n\r\n\r\n\r\n\r\n<notes>\r\n</notes>\r\n\r\n\r\n\r\n\r\n\r\n\r\n5\r\n2\r\n";
    for (int i = 1; i <= 5; ++i) {
        body += "\"t" + std::to_string(i) + "\",x\r\n";
    }
    vc::DataTable d;
    d.gDataType = "EVENTS";
    d.gRowCount = Value::ofNumber(10);
    d.gColCount = Value::ofNumber(2);
    d.gData.reset(vc::kDataColumns, 10);
    vc::appendDataFileRows(body, d);
    EXPECT_EQ(d.gRowCount.asNumber(), 15);
    EXPECT_EQ(d.gData.at(1, 11).asText(), "t1");
    EXPECT_EQ(d.gData.at(1, 15).asText(), "t5");
}

TEST(MergeDataFile, AShortFileKeepsTheRowsReadAndSaysSo) {
    testsupport::ScratchFolder scratch;
    Coder coder;
    const std::string path = scratch.file("short.qvd");
    textfile::saveFileAtomically(
        path, "EVENTS\r\n\r\n\r\n\r\n\r\n\r\n\r\n<notes>\r\n</notes>\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
              "3\r\n2\r\n\"a\",1\r\n");
    coder.g.data.gDataType = "EVENTS";
    coder.platform.dialogs.files.push_back(path);
    vc::MergeDataFile(coder.g, coder.links);
    EXPECT_EQ(coder.g.data.gRowCount.asNumber(), 2); // the empty row held, and the one read
    ASSERT_EQ(coder.platform.dialogs.boxes.size(), 1u);
    EXPECT_EQ(coder.platform.dialogs.boxes[0].title, "VTRS Error");
    EXPECT_EQ(coder.platform.dialogs.boxes[0].text.rfind("Error Loading Data: ", 0), 0u);
    EXPECT_EQ(coder.platform.dialogs.openRequests[0].title, "Open the data file to import...");
}

TEST(TranscriptImports, AreRefusedWhileADataFileIsNamed) {
    Coder coder;
    coder.g.data.gFileName = "/data/open.qvd";
    EXPECT_FALSE(vc::ImportDoru(coder.g, coder.links));
    EXPECT_FALSE(vc::TranscriptToEvents(coder.g, coder.links));
    ASSERT_EQ(coder.platform.dialogs.boxes.size(), 2u);
    EXPECT_EQ(coder.platform.dialogs.boxes[1].text, "Close the current data file first.");
    EXPECT_TRUE(coder.platform.dialogs.openRequests.empty());
}

TEST(TranscriptToEvents, AFileThatIsNoTranscriptLeavesNameAndTypeAsTheyWere) {
    testsupport::ScratchFolder scratch;
    Coder coder;
    coder.g.data.gDataType = "EVENTS";
    const std::string path = scratch.file("kid1.qvd");
    textfile::saveFileAtomically(path, "EVENTS\r\n");
    coder.platform.dialogs.files.push_back(path);
    EXPECT_FALSE(vc::TranscriptToEvents(coder.g, coder.links));
    EXPECT_EQ(coder.platform.dialogs.boxes.at(0).text, "File is not a valid Vintro transcript file...");
    EXPECT_EQ(coder.g.data.gFileName, "");
    EXPECT_EQ(coder.g.data.gDataType, "EVENTS");
    EXPECT_EQ(coder.platform.dialogs.openRequests[0].title, "Open the Transcription file...");
    // and the next conversion is not refused
    coder.platform.dialogs.files.push_back("");
    EXPECT_FALSE(vc::TranscriptToEvents(coder.g, coder.links));
    EXPECT_EQ(coder.platform.dialogs.boxes.size(), 1u);
}

TEST(TranscriptToEvents, AFailedReadSaysSoAndRestoresTheName) {
    testsupport::ScratchFolder scratch;
    Coder coder;
    const std::string path = scratch.file("kid1.qvd");
    textfile::saveFileAtomically(path, "TRANSCRIPT\r\nS1\r\n"); // the header stops short
    coder.platform.dialogs.files.push_back(path);
    EXPECT_FALSE(vc::TranscriptToEvents(coder.g, coder.links));
    EXPECT_EQ(coder.platform.dialogs.boxes.at(0).title, "VTRS Error");
    EXPECT_EQ(coder.g.data.gFileName, "");
}

TEST(TranscriptToEvents, SetsFiftyColumnsWhateverAnEarlierFileLeft) {
    testsupport::ScratchFolder scratch;
    Coder coder;
    coder.g.data.gColCount = Value::ofNumber(1);
    const std::string path = scratch.file("kid1.qvd");
    textfile::saveFileAtomically(
        path, "TRANSCRIPT\r\n\r\n\r\n\r\n\r\n\r\n\r\n<notes>\r\n</notes>\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
              "1\r\n\"0:01\",\"[a][b]\",\"hi\"\r\n");
    coder.platform.dialogs.files.push_back(path);
    ASSERT_TRUE(vc::TranscriptToEvents(coder.g, coder.links));
    EXPECT_EQ(coder.g.data.gColCount.asNumber(), 50);
    EXPECT_EQ(coder.g.data.gData.at(3, 1).asText(), "b");
    EXPECT_EQ(coder.g.data.gData.at(49, 1).asText(), "hi");
}

// The derived name names a file that is there already: the first save asks first.
TEST(ImportDoru, TheFirstSaveOverAnExistingFileAsksAndNoKeepsItWhole) {
    testsupport::ScratchFolder scratch;
    Coder coder;
    const std::string source = scratch.file("kid.session.slt");
    textfile::saveFileAtomically(source, "- 0:01\r\nC hi.\r\n");
    const std::string derived = scratch.file("kid.qvd");
    textfile::saveFileAtomically(derived, "kept\r\n");
    coder.platform.dialogs.files.push_back(source);
    ASSERT_TRUE(vc::ImportDoru(coder.g, coder.links));
    EXPECT_EQ(coder.g.data.gFileName, derived);

    coder.platform.dialogs.answers.push_back(Answer::No);
    EXPECT_FALSE(vc::SaveDataFile(coder.g, coder.links));
    EXPECT_EQ(textfile::readWholeFile(derived), "kept\r\n");
    ASSERT_EQ(coder.platform.dialogs.boxes.size(), 1u);
    EXPECT_EQ(coder.platform.dialogs.boxes[0].text,
              derived + " already exists.\r\nDo you want to replace it?");
    EXPECT_EQ(coder.platform.dialogs.boxes[0].buttons, platform::Buttons::YesNo);

    coder.platform.dialogs.answers.push_back(Answer::Yes);
    EXPECT_TRUE(vc::SaveDataFile(coder.g, coder.links));
    EXPECT_NE(textfile::readWholeFile(derived), "kept\r\n");
    EXPECT_TRUE(vc::SaveDataFile(coder.g, coder.links)); // asked once only
    EXPECT_EQ(coder.platform.dialogs.boxes.size(), 2u);
}

// MainFrm's import items: the imported data counts as open, dressed, autosave armed.
TEST(ImportDoru, FromTheMainWindowOpensTheDataAsANewFile) {
    testsupport::ScratchFolder scratch;
    Coder coder;
    coder.g.settings.gAutoSave = vc::kTrue;
    const std::string source = scratch.file("kid.slt");
    textfile::saveFileAtomically(source, "C hi.\r\n");
    coder.platform.dialogs.files.push_back(source);
    vctest::QuietMainView view;
    testsupport::RecordingFileTypes fileTypes;
    vc::MainFrmLinks windows;
    windows.ImportDoru = [&] { return vc::ImportDoru(coder.g, coder.links); };
    vc::MainFrm mainFrm(coder.g, coder.links, {coder.platform.settings, fileTypes, "/opt/Vintrosa"}, view,
                        windows);
    mainFrm.DoruImportMnu_Click();
    EXPECT_EQ(coder.g.open.gDataOpen, vc::kTrue);
    EXPECT_EQ(coder.g.data.gDataType, "TRANSCRIPT");
    EXPECT_EQ(coder.g.data.gData.at(3, 2).asText(), "C hi.");
    const std::vector<std::string>& calls = coder.view.calls;
    EXPECT_NE(std::find(calls.begin(), calls.end(), "RefreshDataGrid"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "setAutoSave on 60000"), calls.end());
    EXPECT_EQ(calls.back(), "show");
}

} // namespace
