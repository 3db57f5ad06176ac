#include "videocoder/core/DataFile.h"
#include "RecordingCodingWindow.h"
#include "platform/SavedFile.h"
#include "support/ScratchFolder.h"
#include "textfile/Files.h"
#include "textfile/RunError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <new>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using platform::Buttons;
using platform::Icon;
using textfile::Value;
using vctest::Coder;

// A data file with the given media and code-file header lines and an EVENTS body.
std::string qvd(const std::string& media, const std::string& codeFile, const std::string& body) {
    return "EVENTS\r\nS1\r\n\r\n\r\n\r\n\r\n\r\n<notes>\r\n</notes>\r\n" + media + "\r\n" + codeFile +
           "\r\n\r\n\r\n\r\n\r\n" + body;
}
const std::string kTwoRows = "2\r\n3\r\n\"00:00:01.00\",\"A\",x\r\n\"00:00:02.00\",\"B\",y\r\n";

// A coder over a scratch folder, in which the test writes its files.
struct OnDisk {
    testsupport::ScratchFolder scratch;
    Coder coder;

    std::string write(const std::string& name, const std::string& bytes) {
        const std::string path = scratch.file(name);
        textfile::saveFileAtomically(path, bytes);
        return path;
    }
    // Writes the data file and names it as the one to open.
    std::string dataFile(const std::string& bytes) { return coder.g.data.gFileName = write("a.qvd", bytes); }
};

std::size_t indexOf(const std::vector<std::string>& calls, const std::string& call) {
    return static_cast<std::size_t>(std::find(calls.begin(), calls.end(), call) - calls.begin());
}

TEST(OpenDataFile, DvdHeaderTicksTheBoxBeforeTheMediaCommand) {
    OnDisk disk;
    disk.dataFile(qvd(" DVD ", "", kTwoRows));
    Coder& coder = disk.coder;
    int boxAtCommand = -1;
    std::string fieldAtCommand;
    coder.view.onControlSub = [&](int) {
        boxAtCommand = coder.dataFrm.chkDVD;
        fieldAtCommand = coder.dataFrm.Text1[vc::kMediaField];
    };

    ASSERT_TRUE(vc::OpenDataFile(coder.g, coder.links));
    EXPECT_EQ(boxAtCommand, 1);
    EXPECT_EQ(fieldAtCommand, "DVD");
    EXPECT_EQ(coder.g.coding.gUseDVD, vc::kTrue);
    EXPECT_FALSE(coder.dataFrm.Text1Enabled[vc::kMediaField]);
    EXPECT_FALSE(coder.dataFrm.BrowseBtn0Enabled);
    EXPECT_FALSE(coder.dataFrm.Command1_0Enabled);
    EXPECT_EQ(coder.g.open.gDataOpen, vc::kTrue);
    const std::vector<std::string> expected = {"load",         "caption a.qvd", "autoSize 0 49",
                                               "ControlSub 4", "autoSize 0 49", "refresh"};
    EXPECT_EQ(coder.view.calls, expected);
    EXPECT_EQ(coder.dataFrm.FG1[0].title, "Time");
    EXPECT_EQ(coder.dataFrm.FG1[51].title, "Group 50");
}

TEST(OpenDataFile, MediaFileOpensThroughTheCommandWithoutTheDvdBox) {
    OnDisk disk;
    disk.dataFile(qvd("/video/kid.mpg", "", kTwoRows));
    Coder& coder = disk.coder;
    ASSERT_TRUE(vc::OpenDataFile(coder.g, coder.links));
    EXPECT_EQ(coder.dataFrm.chkDVD, 0);
    EXPECT_EQ(coder.dataFrm.Text1[vc::kMediaField], "/video/kid.mpg");
    EXPECT_EQ(indexOf(coder.view.calls, "ControlSub 4"), 3u);
}

TEST(OpenDataFile, MissingCodeSetIsReportedAndTheLoadGoesOn) {
    OnDisk disk;
    const std::string codeFile = disk.scratch.file("gone.cod");
    disk.dataFile(qvd("", codeFile, kTwoRows));
    Coder& coder = disk.coder;

    ASSERT_TRUE(vc::OpenDataFile(coder.g, coder.links));
    ASSERT_EQ(coder.platform.dialogs.boxes.size(), 1u);
    const testsupport::ShownBox& box = coder.platform.dialogs.boxes[0];
    EXPECT_EQ(box.text, codeFile + " not found");
    EXPECT_EQ(box.title, "File Load Error");
    EXPECT_EQ(box.buttons, Buttons::OK);
    EXPECT_EQ(box.icon, Icon::Information);
    EXPECT_EQ(coder.g.codeSet.gCodeFileName, "");
    EXPECT_EQ(coder.refreshes, 0);
    EXPECT_EQ(coder.g.data.gData.at(2, 2), Value::ofText("B"));
    EXPECT_EQ(coder.dataFrm.Text1[vc::kCodeFileField], codeFile);
    EXPECT_TRUE(coder.platform.dialogs.openRequests.empty());
}

TEST(OpenDataFile, CodeSetIsReadAndTheGridDressedBeforeTheRows) {
    OnDisk disk;
    const std::string codeFile = disk.write("set.cod", " 1 \r\n\"A\",\"Alpha\",0\r\n\"Looking\"\r\n");
    disk.dataFile(qvd("", codeFile, kTwoRows));
    Coder& coder = disk.coder;
    int rowsAtRefresh = -1;
    coder.links.RefreshDataGrid = [&] { rowsAtRefresh = coder.g.data.gData.rows(); };

    ASSERT_TRUE(vc::OpenDataFile(coder.g, coder.links));
    EXPECT_EQ(rowsAtRefresh, 1) << "the rows are read after the grid is dressed";
    EXPECT_EQ(coder.g.codeSet.gCodeFileName, codeFile);
    EXPECT_EQ(coder.g.codeSet.gCodeCount, 1);
    EXPECT_EQ(coder.g.codeSet.gCodes.at(3, 1), Value::ofNumber(0));
    EXPECT_EQ(coder.codeFrmGroups.at(coder.g, 0), "Looking");
    EXPECT_EQ(coder.g.open.gCodeOpen, vc::kTrue);
    EXPECT_EQ(coder.g.data.gRowCount, Value::ofText("2"));
    EXPECT_TRUE(coder.platform.dialogs.boxes.empty());
}

TEST(OpenDataFile, DamagedCodeSetLeavesNoNameAndTheLoadGoesOn) {
    OnDisk disk;
    const std::string codeFile = disk.write("bad.cod", " 0 \r\n");
    disk.dataFile(qvd("", codeFile, kTwoRows));
    Coder& coder = disk.coder;

    ASSERT_TRUE(vc::OpenDataFile(coder.g, coder.links));
    ASSERT_EQ(coder.platform.dialogs.boxes.size(), 1u);
    EXPECT_EQ(coder.platform.dialogs.boxes[0].title, "Vintrosa");
    EXPECT_EQ(coder.g.codeSet.gCodeFileName, "");
    EXPECT_EQ(coder.refreshes, 0);
    EXPECT_EQ(coder.g.data.gData.rows(), 2);
    EXPECT_EQ(textfile::readWholeFile(codeFile), " 0 \r\n") << "the unread file is never written";
}

struct DamagedCase {
    const char* name;
    std::string bytes; // "" = no file at all
    const char* description;
    int rowsKept; // rows of gData afterwards
};

TEST(OpenDataFile, DamagedFilesFailTheLoad) {
    const std::string header = qvd("", "", "");
    const std::vector<DamagedCase> cases = {
        {"missing file", "", "File not found", 1},
        {"short header", "EVENTS\r\nS1\r\n<notes>\r\n", "Input past end of file", 1},
        {"notes never closed", "EVENTS\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n<notes>\r\nhello\r\n",
         "Input past end of file", 1},
        {"row count not a number", header + "two\r\n3\r\n", "Type mismatch", 1},
        {"column count above 50", header + "1\r\n51\r\n\"a\"\r\n", "Subscript out of range", 1},
        {"column count 0", header + "1\r\n0\r\n\"a\"\r\n", "Subscript out of range", 1},
        {"row count 0", header + "0\r\n3\r\n", "Subscript out of range", 1},
        {"fewer rows than counted", header + "3\r\n2\r\n\"00:00:01.00\",A\r\n", "Input past end of file", 1},
        {"huge row count", header + "2000000000\r\n2\r\n\"t\",A\r\n\"u\",B\r\n", "Input past end of file", 2},
        {"transcript short", "TRANSCRIPT" + header.substr(6) + "2\r\n,,\r\n", "Input past end of file", 1},
    };
    for (const DamagedCase& c : cases) {
        OnDisk disk;
        Coder& coder = disk.coder;
        coder.g.data.gFileName = c.bytes.empty() ? disk.scratch.file("gone.qvd") : disk.dataFile(c.bytes);
        coder.g.open.gDataOpen = vc::kTrue;

        EXPECT_FALSE(vc::OpenDataFile(coder.g, coder.links)) << c.name;
        ASSERT_EQ(coder.platform.dialogs.boxes.size(), 1u) << c.name;
        const testsupport::ShownBox& box = coder.platform.dialogs.boxes[0];
        EXPECT_EQ(box.text.rfind("Error Loading Data: ", 0), 0u) << c.name;
        EXPECT_NE(box.text.find(c.description), std::string::npos) << c.name << ": " << box.text;
        EXPECT_EQ(box.title, "VTRS Error");
        EXPECT_EQ(box.icon, Icon::Critical);
        EXPECT_EQ(coder.g.open.gDataOpen, vc::kFalse) << c.name;
        EXPECT_EQ(coder.g.data.gFileName, "") << c.name;
        EXPECT_EQ(coder.g.data.gData.rows(), c.rowsKept) << c.name;
        EXPECT_EQ(coder.g.data.gRowCount.asNumber(), coder.g.data.gData.rows()) << c.name;
    }
}

TEST(OpenDataFile, RowsReadBeforeAFailureStay) {
    OnDisk disk;
    disk.dataFile(qvd("", "", "3\r\n2\r\n\"00:00:01.00\",A\r\n"));
    Coder& coder = disk.coder;
    EXPECT_FALSE(vc::OpenDataFile(coder.g, coder.links));
    EXPECT_EQ(coder.g.data.gData.at(1, 1), Value::ofText("00:00:01.00"));
    EXPECT_EQ(coder.g.data.gData.at(2, 1), Value::ofText("A"));
    EXPECT_EQ(coder.dataFrm.Text1[0], "S1");
}

TEST(DataFileDialogs, CancelledOpenAndSaveChangeNothing) {
    Coder coder;
    EXPECT_FALSE(vc::OpenDataFile(coder.g, coder.links));
    EXPECT_FALSE(vc::SaveDataFile(coder.g, coder.links));
    ASSERT_EQ(coder.platform.dialogs.openRequests.size(), 1u);
    ASSERT_EQ(coder.platform.dialogs.saveRequests.size(), 1u);
    const platform::FileDialogRequest& open = coder.platform.dialogs.openRequests[0];
    EXPECT_EQ(open.title, "Open the data file...");
    EXPECT_EQ(open.filter, "Vintrosa data files (*.qvd)|*.qvd|All Files (*.*)|*.*");
    EXPECT_EQ(open.flags, 4102);
    const platform::FileDialogRequest& save = coder.platform.dialogs.saveRequests[0];
    EXPECT_EQ(save.title, "Name the data file...");
    EXPECT_EQ(save.defaultExt, ".qvd");
    EXPECT_EQ(save.filter, open.filter);
    EXPECT_EQ(save.flags & platform::kFileMustExist, 0) << "a new name need not exist";
    EXPECT_EQ(coder.g.data.gFileName, "");
    EXPECT_FALSE(coder.dataFrm.loaded());
    EXPECT_TRUE(coder.platform.dialogs.boxes.empty());
}

TEST(SaveDataFile, FailedSaveKeepsTheOldFileAndTheRows) {
    testsupport::ScratchFolder scratch;
    const std::string old = qvd("", "", kTwoRows);
    // Without root a read-only folder refuses the save; root writes anywhere, so there the
    // target's folder is a plain file.
    std::string path = scratch.file("locked/a.qvd");
    std::string keptFile = path;
    std::filesystem::create_directory(scratch.file("locked"));
    textfile::saveFileAtomically(path, old);
    if (::geteuid() == 0) {
        path = keptFile + "/inside.qvd";
    } else {
        ::chmod(scratch.file("locked").c_str(), 0555);
    }
    Coder coder;
    coder.g.data.gFileName = keptFile;
    ASSERT_TRUE(vc::OpenDataFile(coder.g, coder.links));
    coder.g.data.gFileName = path;
    coder.g.data.gData.at(2, 1) = Value::ofText("Z");

    EXPECT_FALSE(vc::SaveDataFile(coder.g, coder.links));
    ::chmod(scratch.file("locked").c_str(), 0755);
    ASSERT_EQ(coder.platform.dialogs.boxes.size(), 1u);
    EXPECT_EQ(coder.platform.dialogs.boxes[0].title, "VTRS Error");
    EXPECT_EQ(coder.platform.dialogs.boxes[0].text.rfind("Error Saving Data: ", 0), 0u);
    EXPECT_EQ(coder.platform.dialogs.boxes[0].icon, Icon::Critical);
    EXPECT_EQ(textfile::readWholeFile(keptFile), old);
    EXPECT_EQ(coder.g.data.gData.at(2, 1), Value::ofText("Z"));
    EXPECT_EQ(coder.g.data.gFileName, path);
}

TEST(SaveDataFile, ASaveThatPartsTheFileFromItsHardLinksSaysSoOnce) {
    OnDisk disk;
    const std::string original = qvd("", "", kTwoRows);
    const std::string path = disk.dataFile(original);
    const std::string other = path + ".other";
    ASSERT_EQ(::link(path.c_str(), other.c_str()), 0);
    Coder& coder = disk.coder;
    coder.g.data.gFileName = path;
    ASSERT_TRUE(vc::OpenDataFile(coder.g, coder.links));
    coder.g.data.gData.at(2, 1) = Value::ofText("Z");
    ASSERT_TRUE(vc::SaveDataFile(coder.g, coder.links));
    ASSERT_EQ(coder.platform.dialogs.boxes.size(), 1u);
    EXPECT_EQ(coder.platform.dialogs.boxes[0].text, platform::separatedLinksText(path));
    EXPECT_EQ(coder.platform.dialogs.boxes[0].title, "File Saved");
    EXPECT_EQ(coder.platform.dialogs.boxes[0].icon, Icon::Information);
    EXPECT_EQ(textfile::readWholeFile(other), original);
    EXPECT_NE(textfile::readWholeFile(path), original);
    ASSERT_TRUE(vc::SaveDataFile(coder.g, coder.links)); // alone now: nothing more to say
    EXPECT_EQ(coder.platform.dialogs.boxes.size(), 1u);
}

TEST(SaveDataFile, NewFileWhoseSaveFailsStaysUntitledAndUnchanged) {
    Coder coder;
    vc::ClearData(coder.g.data);
    coder.g.data.gDataType = "Events";
    coder.platform.dialogs.files.push_back("/nonexistent-folder/x.qvd");
    EXPECT_FALSE(vc::SaveDataFile(coder.g, coder.links));
    EXPECT_EQ(coder.g.data.gFileName, "");
    EXPECT_EQ(coder.g.data.gDataType, "Events");
}

TEST(DataFileBusy, OpenAndSaveRefuseToStartWhileOneRuns) {
    OnDisk disk;
    const std::string original = qvd("/video/kid.mpg", "", kTwoRows);
    const std::string path = disk.dataFile(original);
    Coder& coder = disk.coder;
    bool savedDuringLoad = true;
    bool openedDuringLoad = true;
    // The player window yields as it opens; an autosave tick and an open come in meanwhile.
    coder.view.onControlSub = [&](int) {
        savedDuringLoad = vc::SaveDataFile(coder.g, coder.links);
        openedDuringLoad = vc::OpenDataFile(coder.g, coder.links);
    };
    ASSERT_TRUE(vc::OpenDataFile(coder.g, coder.links));
    EXPECT_FALSE(savedDuringLoad);
    EXPECT_FALSE(openedDuringLoad);
    EXPECT_EQ(textfile::readWholeFile(path), original);
    EXPECT_FALSE(coder.g.data.fileInUse);
    EXPECT_TRUE(vc::SaveDataFile(coder.g, coder.links)) << "free again once the load is over";
}

TEST(ClearData, NewEventsDataKeepsEveryColumn) {
    vc::DataTable d;
    d.gColCount = Value::ofText("3");
    d.gRowCount = Value::ofText("7");
    d.gData.reset(vc::kDataColumns, 7);
    vc::ClearData(d);
    EXPECT_EQ(d.gColCount, Value::ofNumber(50));
    EXPECT_EQ(d.gRowCount, Value::ofNumber(1));
    EXPECT_EQ(d.gData.rows(), 1);
    EXPECT_EQ(d.gData.columns(), 50);
}

TEST(SplitLines, EventAndTranscriptRows) {
    struct EventCase {
        std::string line;
        int count;
        std::vector<std::string> fields; // 1..count
    };
    const std::vector<EventCase> events = {
        {"\"00:00:05.20\",\"A\",B", 3, {"00:00:05.20", "A", "B"}},
        {"\"t\",\"A\",a, comment \"quoted\"", 3, {"t", "A", "a, comment \"quoted\""}},
        {"\"t\",\"B,C\",note", 3, {"t", "B", "C\",note"}},
        {"\"t\"", 3, {"t", "", ""}},
        {"00:00:02.00,x,y", 1, {"00:00:02.00"}},
        {"\"t\",,", 3, {"t", "", ""}},
    };
    for (const EventCase& c : events) {
        std::vector<std::string> fields(vc::kSplitFields + 1);
        vc::SplitEventLine(c.line, fields, c.count);
        EXPECT_EQ(std::vector<std::string>(fields.begin() + 1, fields.begin() + 1 + c.count), c.fields)
            << c.line;
    }
    std::vector<std::string> fields(vc::kSplitFields + 1);
    EXPECT_THROW(vc::SplitEventLine(std::string(100, ','), fields, 1), textfile::RunError);

    struct TranscriptCase {
        std::string line, time, codes, utterance;
    };
    const std::vector<TranscriptCase> transcripts = {
        {"\"00:00:01.00\",\"[A] \",\"Well, no, not yet\"", "00:00:01.00", "[A] ", "Well, no, not yet"},
        {"\"\",\"\",\"\"", "", "", ""},
        {"\"00:00:01.00\"", "00:00:01.00", "", ""},
        {"\"t\",\"c\"", "t", "c", ""},
        {",", "", "", ""},
        {"", "", "", ""},
    };
    for (const TranscriptCase& c : transcripts) {
        std::string time = "x", codes = "x", utterance = "x";
        vc::SplitTranscriptLine(c.line, time, codes, utterance);
        EXPECT_EQ(time, c.time) << c.line;
        EXPECT_EQ(codes, c.codes) << c.line;
        EXPECT_EQ(utterance, c.utterance) << c.line;
    }
}

} // namespace

namespace {

// Two programs on one file: the second open is refused and opens nothing; once the first
// closes, or when the lock's holder has ended without removing it, the file opens again.
TEST(DataFileLock, SecondProgramIsRefusedUntilTheFirstLetsGo) {
    OnDisk disk;
    const std::string path = disk.dataFile(qvd("", "", kTwoRows));
    ASSERT_TRUE(vc::OpenDataFile(disk.coder.g, disk.coder.links));

    Coder second;
    second.g.data.gFileName = path;
    EXPECT_FALSE(vc::OpenDataFile(second.g, second.links));
    ASSERT_EQ(second.platform.dialogs.boxes.size(), 1u);
    EXPECT_EQ(second.platform.dialogs.boxes[0].text, "Another program has this data file open:\r\n" + path);
    EXPECT_EQ(second.platform.dialogs.boxes[0].title, "Sorry");
    EXPECT_EQ(second.g.open.gDataOpen, vc::kFalse);
    EXPECT_EQ(second.g.data.gFileName, "");
    EXPECT_FALSE(second.dataFrm.loaded());

    // A new file may not be named over it either.
    second.platform.dialogs.files = {path};
    vc::ClearData(second.g.data);
    second.g.data.gDataType = "Events";
    EXPECT_FALSE(vc::SaveDataFile(second.g, second.links));
    EXPECT_EQ(textfile::readWholeFile(path), qvd("", "", kTwoRows));

    disk.coder.g.data.lock.unlock();
    second.g.data.gFileName = path;
    EXPECT_TRUE(vc::OpenDataFile(second.g, second.links));
}

TEST(DataFileLock, LockOfAProgramThatEndedIsTakenOver) {
    OnDisk disk;
    const std::string path = disk.dataFile(qvd("", "", kTwoRows));
    // A program that ended at once left its lock behind.
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    disk.write("a.qvd.lock", std::to_string(child) + "\n" + host + "\n");

    ASSERT_TRUE(vc::OpenDataFile(disk.coder.g, disk.coder.links));
    EXPECT_TRUE(disk.coder.platform.dialogs.boxes.empty());
    EXPECT_EQ(
        textfile::readWholeFile(platform::lockFileOf(path)).substr(0, std::to_string(::getpid()).size() + 1),
        std::to_string(::getpid()) + "\n");
}

// Edited after an open that said the body outgrows its counts, the save keeps every row and
// column and writes the counts the body holds.
TEST(DataFileCounts, EditedFileSavesTheWholeBodyWithItsCounts) {
    OnDisk disk;
    const std::string path =
        disk.dataFile(qvd("", "", "1\r\n1\r\n00:00:01.00\r\n\"00:00:02.00\",\"A\",x\r\n"));
    Coder& coder = disk.coder;
    ASSERT_TRUE(vc::OpenDataFile(coder.g, coder.links));
    ASSERT_EQ(coder.platform.dialogs.boxes.size(), 1u);
    EXPECT_FALSE(vc::dataChanged(coder.g, coder.links));
    coder.g.data.gData.at(3, 1) = Value::ofText("y");
    EXPECT_TRUE(vc::dataChanged(coder.g, coder.links));
    ASSERT_TRUE(vc::SaveDataFile(coder.g, coder.links));
    const std::string body = "\r\n 2 \r\n 3 \r\n\"00:00:01.00\",\"\",y\r\n\"00:00:02.00\",\"A\",x\r\n";
    EXPECT_TRUE(textfile::readWholeFile(path).ends_with(body)) << textfile::readWholeFile(path);
}

} // namespace

namespace {

// Split at a wider count, a row can show further quoted cells in its last column; the read
// widens again until none does, so the saved file reads back and saves the same.
TEST(DataFileCounts, WideningSettlesInOneRead) {
    OnDisk disk;
    const std::string path =
        disk.dataFile(qvd("", "", "2\r\n2\r\n\"t\",x,\"b\",\"c\",d\r\n\"u\",\"A\",\"B\",C\r\n"));
    Coder& coder = disk.coder;
    ASSERT_TRUE(vc::OpenDataFile(coder.g, coder.links));
    EXPECT_EQ(coder.g.data.gColCount.asNumber(), 5);
    coder.g.data.gData.at(1, 2) = Value::ofText("v");
    ASSERT_TRUE(vc::SaveDataFile(coder.g, coder.links));
    const std::string saved = textfile::readWholeFile(path);
    EXPECT_TRUE(saved.ends_with("\r\n2\r\n 5 \r\n\"t\",\"x\",\"b\",\"c\",d\r\n\"v\",\"A\",\"B\",\"C\",\r\n"))
        << saved;
    coder.g.data.lock.unlock();

    Coder again;
    again.g.data.gFileName = path;
    ASSERT_TRUE(vc::OpenDataFile(again.g, again.links));
    EXPECT_TRUE(again.platform.dialogs.boxes.empty());
    again.g.data.gData.at(1, 2) = Value::ofText("w");
    again.g.data.gData.at(1, 2) = Value::ofText("v");
    ASSERT_TRUE(vc::SaveDataFile(again.g, again.links));
    EXPECT_EQ(textfile::readWholeFile(path), saved);
}

} // namespace

namespace {

// A row holds cells for the columns its file gives; the other columns read as Empty until a
// cell there is written, which gives every row that column and keeps what they held.
TEST(DataFileMemory, RowsHoldTheCellsOfTheFilesColumns) {
    OnDisk disk;
    disk.dataFile(qvd("", "", kTwoRows));
    Coder& coder = disk.coder;
    ASSERT_TRUE(vc::OpenDataFile(coder.g, coder.links));
    vc::CellTable& table = coder.g.data.gData;
    EXPECT_EQ(table.storedColumns(), 3);
    EXPECT_EQ(table.columns(), 50);
    EXPECT_EQ(std::as_const(table).at(50, 2), Value::empty());
    EXPECT_EQ(table.storedColumns(), 3) << "reading a column makes no cells";

    table.at(7, 1) = Value::ofText("G5");
    EXPECT_EQ(table.storedColumns(), 7);
    EXPECT_EQ(table.at(3, 2), Value::ofText("y"));
    EXPECT_EQ(table.at(7, 1), Value::ofText("G5"));
    EXPECT_EQ(table.at(7, 2), Value::empty());
    EXPECT_THROW(table.at(51, 1), textfile::RunError);
    EXPECT_THROW(std::as_const(table).at(50, 3), textfile::RunError);

    vc::CellTable full(50, 2);
    full.at(1, 1) = Value::ofText("00:00:01.00");
    vc::CellTable narrow;
    narrow.reset(50, 2, 1);
    narrow.at(1, 1) = Value::ofText("00:00:01.00");
    EXPECT_EQ(full, narrow) << "tables compare by their cells, not by how they store them";
}

// Running out of memory during an open is a load failure like any other: a box, no name
// kept, the rows and counts agreeing, the lock given back.
TEST(DataFileMemory, OpenThatRunsOutOfMemoryFailsLikeAnyLoad) {
    OnDisk disk;
    const std::string path =
        disk.dataFile(qvd("", disk.write("set.cod", " 1 \r\n\"A\",\"Alpha\",0\r\n"), kTwoRows));
    Coder& coder = disk.coder;
    coder.links.RefreshDataGrid = [] { throw std::bad_alloc(); };
    EXPECT_FALSE(vc::OpenDataFile(coder.g, coder.links));
    ASSERT_EQ(coder.platform.dialogs.boxes.size(), 1u);
    EXPECT_EQ(coder.platform.dialogs.boxes[0].text,
              "Error Loading Data: Out of memory\r\nFile: " + path + "\r\nLine: 15");
    EXPECT_EQ(coder.platform.dialogs.boxes[0].title, "VTRS Error");
    EXPECT_EQ(coder.g.data.gFileName, "");
    EXPECT_EQ(coder.g.open.gDataOpen, vc::kFalse);
    EXPECT_EQ(coder.g.data.gRowCount.asNumber(), coder.g.data.gData.rows());
    EXPECT_FALSE(std::filesystem::exists(platform::lockFileOf(path)));
}

} // namespace

namespace {

// Random lines of quotes, commas and a few letters, half of them laid out as a save writes
// its rows.
std::string randomEventLine(std::mt19937& random, int columns) {
    std::string line;
    const bool asWritten = random() % 2 == 0;
    for (int field = 1; field < columns && asWritten; ++field) {
        line += "\"" + std::string(random() % 13, static_cast<char>('a' + random() % 3)) + "\",";
    }
    const char pieces[] = {'"', ',', 'a', 'b', ' '};
    for (std::size_t k = random() % 12; k > 0; --k) {
        line.push_back(pieces[random() % sizeof pieces]);
    }
    return line;
}

// The cells a row holds, found the plain way: character by character.
int plainCellsInEventRow(std::string_view line, int columns) {
    int commas = 0;
    std::size_t at = 0;
    for (; at < line.size() && (columns <= 1 || commas < columns - 1); ++at) {
        commas += line[at] == ',' ? 1 : 0;
    }
    if (columns <= 1 || commas < columns - 1) {
        return std::max(columns, 1 + commas);
    }
    // Each "text", at the start of the last column is one more cell.
    int cells = columns;
    while (at < line.size() && line[at] == '"') {
        std::size_t close = at + 1;
        while (close < line.size() && line[close] != '"') {
            ++close;
        }
        if (close + 1 >= line.size() || line[close + 1] != ',') {
            break;
        }
        ++cells;
        at = close + 2;
    }
    return cells;
}

// A row laid out as a save writes it splits straight into the fields the general split finds,
// and they write back as the line; any row's cells are counted as the plain walk counts them.
TEST(SplitLines, RowsAsWrittenAndCountedAgreeWithThePlainWay) {
    std::mt19937 random(7);
    int straight = 0;
    for (int round = 0; round < 20'000; ++round) {
        const int columns = 1 + static_cast<int>(random() % 6);
        const std::string line = randomEventLine(random, columns);
        ASSERT_EQ(vc::cellsInEventRow(line, columns), plainCellsInEventRow(line, columns)) << line;
        std::array<std::string_view, vc::kDataColumns> fields;
        const auto put = [&](int column, std::size_t offset, std::size_t length) {
            fields[static_cast<std::size_t>(column)] = std::string_view(line).substr(offset, length);
        };
        if (!vc::splitAsWritten(line, columns, put)) {
            continue;
        }
        ++straight;
        textfile::QvdRow split;
        textfile::splitQvdRow(line, split, columns);
        std::string written;
        for (int field = 0; field < columns; ++field) {
            const std::string_view text = fields[static_cast<std::size_t>(field)];
            ASSERT_EQ(text, split.fields[static_cast<std::size_t>(field + 1)]) << line;
            written += field + 1 < columns ? "\"" + std::string(text) + "\"," : std::string(text);
        }
        ASSERT_EQ(written, line);
    }
    EXPECT_GT(straight, 5'000);
    EXPECT_FALSE(vc::splitAsWritten("\"a\"", 1, [](int, std::size_t, std::size_t) {}))
        << "one column: every comma splits";
}

// A random body read, then edited, saves as the same cells put one by one into a new table:
// rows kept as their lines and rows written cell by cell give one text.
TEST(DataFileText, RowsSavedAsReadMatchTheCellsWrittenOneByOne) {
    std::mt19937 random(11);
    for (int round = 0; round < 200; ++round) {
        const int columns = 1 + static_cast<int>(random() % 5);
        const int rows = 1 + static_cast<int>(random() % 8);
        std::string body = std::to_string(rows) + "\r\n" + std::to_string(columns) + "\r\n";
        for (int row = 0; row < rows; ++row) {
            body += randomEventLine(random, columns) + (random() % 8 == 0 ? "\n" : "\r\n");
        }
        vc::DataTable read;
        std::array<std::string, vc::kHeaderFields> header;
        try {
            vc::DataFileReader reader(qvd("", "", body));
            read.gDataType = reader.readType();
            reader.readHeader(header);
            reader.readBody(read.gDataType, read);
        } catch (const textfile::RunError&) {
            continue; // a row too wide for the table
        }
        vc::CellTable& table = read.gData;
        for (int edit = static_cast<int>(random() % 3); edit > 0; --edit) {
            const int row = 1 + static_cast<int>(random() % static_cast<unsigned>(table.rows()));
            if (random() % 2 == 0) {
                table.at(1 + static_cast<int>(random() % static_cast<unsigned>(columns)), row) =
                    random() % 2 == 0 ? Value::ofText("e,d") : Value::ofNumber(2.5);
            } else {
                table.swapRows(row, table.rows());
            }
        }
        vc::DataTable plain;
        plain.gDataType = read.gDataType;
        plain.gRowCount = read.gRowCount;
        plain.gColCount = read.gColCount;
        plain.gData.reset(vc::kDataColumns, table.rows());
        for (int row = 1; row <= table.rows(); ++row) {
            for (int column = 1; column <= vc::kDataColumns; ++column) {
                plain.gData.at(column, row) = std::as_const(table).at(column, row);
            }
        }
        const std::string want = vc::dataFileText(plain, header);
        EXPECT_EQ(vc::dataFileText(read, header), want) << body;
        EXPECT_TRUE(vc::dataFileTextIs(read, header, want)) << body;
    }
}

} // namespace

namespace {

// A save writes the bytes read while the rows and header give them, and the text made anew
// once a header field or the last row's cell has changed.
TEST(SaveDataFile, WritesTheTextHeldOnlyWhileNothingChanged) {
    OnDisk disk;
    const std::string path = disk.dataFile(qvd("", "", kTwoRows));
    ASSERT_TRUE(vc::OpenDataFile(disk.coder.g, disk.coder.links));
    ASSERT_TRUE(vc::SaveDataFile(disk.coder.g, disk.coder.links));
    disk.coder.g.data.lock.unlock();
    const std::string saved = textfile::readWholeFile(path);

    Coder coder; // the file as a save wrote it, read again
    coder.g.data.gFileName = path;
    ASSERT_TRUE(vc::OpenDataFile(coder.g, coder.links));
    ASSERT_TRUE(vc::SaveDataFile(coder.g, coder.links));
    EXPECT_EQ(textfile::readWholeFile(path), saved);

    coder.dataFrm.Text1[0] = "S2";
    ASSERT_TRUE(vc::SaveDataFile(coder.g, coder.links));
    EXPECT_EQ(textfile::readWholeFile(path), std::string(saved).replace(8, 2, "S2"));

    coder.g.data.gData.at(2, 2) = Value::null();
    ASSERT_TRUE(vc::SaveDataFile(coder.g, coder.links));
    EXPECT_TRUE(textfile::readWholeFile(path).ends_with("\"00:00:02.00\",\"\",y\r\n"));
    EXPECT_EQ(coder.g.data.gData.at(2, 2), Value::ofText(""))
        << "a Null cell saved in quotes is an empty text";
    EXPECT_FALSE(vc::dataChanged(coder.g, coder.links));
}

} // namespace
