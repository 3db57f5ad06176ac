#include "workstation/core/ListFile.h"

#include "textfile/RunError.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>
#include <functional>
#include <string>

namespace {

std::string writeList(const QTemporaryDir& dir, const std::string& bytes) {
    const std::string path = dir.filePath("list.lst").toStdString();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

int errorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const textfile::RunError& e) {
        return e.number();
    }
    return 0;
}

TEST(ListFile, ReadsTypeCountAndWholeLineEntries) {
    QTemporaryDir dir;
    struct Case {
        std::string label, bytes, type;
    };
    const std::string entries = "C:\\data\\kid, one.eve\r\n/home/j.smith/kid2.eve\r\n";
    for (const Case& c : {
             Case{"as the editor writes it", "Event Files\r\n 2 \r\n" + entries, ws::kEventFilesList},
             Case{"quoted type, bare count", "\"List Files\"\r\n2\r\n" + entries, ws::kListFilesList},
             Case{"LF line ends", "Event Files\n 2 \nC:\\data\\kid, one.eve\n/home/j.smith/kid2.eve\n",
                  ws::kEventFilesList},
             Case{"type compared as written", "event files\r\n 2 \r\n" + entries, "event files"},
             Case{"after a byte-order mark",
                  "\xEF\xBB\xBF"
                  "Event Files\r\n 2 \r\n" +
                      entries,
                  ws::kEventFilesList},
         }) {
        SCOPED_TRACE(c.label);
        const std::string path = writeList(dir, c.bytes);
        ws::ListFileReader list(path);
        EXPECT_EQ(list.type(), c.type);
        EXPECT_EQ(ws::readListType(path), c.type);
        EXPECT_EQ(list.readCount(), 2);
        EXPECT_EQ(list.readEntry(), "C:\\data\\kid, one.eve");
        EXPECT_EQ(list.readEntry(), "/home/j.smith/kid2.eve");
    }
}

TEST(ListFile, ListOfListsEntriesReadAsFieldsAreCutAtACommaAndLeaveTheRest) {
    QTemporaryDir dir;
    ws::ListFileReader list(writeList(dir, "List Files\r\n 2 \r\n/lists/a, b.lst\r\n/lists/c.lst\r\n"));
    ASSERT_EQ(list.readCount(), 2);
    EXPECT_EQ(list.readEntryField(), "/lists/a");
    EXPECT_EQ(list.readEntryField(), "b.lst");
    EXPECT_EQ(list.readEntryField(), "/lists/c.lst");
}

TEST(ListFile, FailuresCarryTheirErrorNumbers) {
    QTemporaryDir dir;
    const std::string missing = dir.filePath("gone.lst").toStdString();
    EXPECT_EQ(errorNumberOf([&] { ws::ListFileReader list(missing); }), textfile::kFileNotFound);
    EXPECT_EQ(errorNumberOf([&] { ws::readListType(missing); }), textfile::kFileNotFound);
    EXPECT_EQ(errorNumberOf([&] { ws::readListType(writeList(dir, "")); }), textfile::kInputPastEndOfFile);

    EXPECT_EQ(
        errorNumberOf([&] { ws::ListFileReader(writeList(dir, "Event Files\r\nmany\r\n")).readCount(); }),
        textfile::kTypeMismatch);
    EXPECT_EQ(
        errorNumberOf([&] { ws::ListFileReader(writeList(dir, "Event Files\r\n 40000 \r\n")).readCount(); }),
        textfile::kOverflow);
    EXPECT_EQ(errorNumberOf([&] {
                  ws::ListFileReader list(writeList(dir, "Event Files\r\n 3 \r\na.eve\r\nb.eve\r\n"));
                  for (int i = list.readCount(); i > 0; --i) {
                      list.readEntry();
                  }
              }),
              textfile::kInputPastEndOfFile);
}

} // namespace
