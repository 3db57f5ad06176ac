#include "textfile/Files.h"
#include "textfile/RunError.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>

#include <sys/stat.h>

namespace textfile {
namespace {

namespace fs = std::filesystem;

class FilesTest : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return (folder_ / name).string(); }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    int entries() const {
        return static_cast<int>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }

    testsupport::ScratchFolder scratch_;
    const fs::path& folder_ = scratch_.path();
};

int runErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RunError& e) {
        return e.number();
    }
    return 0;
}

TEST_F(FilesTest, SaveCreatesOrReplacesTheFileAndLeavesNoTemporary) {
    const std::string target = path("kid.eve");
    saveFileAtomically(target, "Events\r\nfirst\r\n");
    EXPECT_EQ(readWholeFile(target), "Events\r\nfirst\r\n");
    saveFileAtomically(target, std::string("a\0b\r\n", 5));
    EXPECT_EQ(readWholeFile(target), std::string("a\0b\r\n", 5));
    EXPECT_EQ(entries(), 1);
}

TEST_F(FilesTest, SaveKeepsThePermissionsOfTheOldFile) {
    const std::string target = path("kid.cod");
    write("kid.cod", "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    saveFileAtomically(target, "new");
    EXPECT_EQ(fs::status(target).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(FilesTest, FailedSaveLeavesTheOldStateAndNoTemporary) {
    fs::create_directory(path("taken"));
    write("taken/inside.txt", "kept");
    EXPECT_EQ(runErrorOf([&] { saveFileAtomically(path("taken"), "new"); }), kPathFileAccessError);
    EXPECT_EQ(readWholeFile(path("taken/inside.txt")), "kept");
    EXPECT_EQ(entries(), 1);

    EXPECT_EQ(runErrorOf([&] { saveFileAtomically(path("missing/kid.eve"), "new"); }), kPathFileAccessError);
}

// A save killed after writing its temporary leaves that one file; the next save of the same
// target takes it over instead of adding another beside it.
TEST_F(FilesTest, SaveReusesTheTemporaryAKilledSaveLeftBehind) {
    const std::string target = path("kid.cod");
    write("kid.cod", "old");
    write("kid.cod.saving", "half of a killed save");
    EXPECT_EQ(temporaryNameFor(target), path("kid.cod.saving"));
    saveFileAtomically(target, "new");
    EXPECT_EQ(readWholeFile(target), "new");
    EXPECT_EQ(entries(), 1);
}

// A save through a symbolic link (or a chain of them, relative or absolute) writes the file
// at the end of the chain, in that file's folder: the links stay links.
TEST_F(FilesTest, SaveThroughALinkWritesItsTargetAndKeepsTheLink) {
    fs::create_directory(path("kept"));
    write("kept/kid.eve", "old");
    fs::create_symlink("kept/kid.eve", path("relative.eve"));
    fs::create_symlink(path("relative.eve"), path("absolute.eve"));
    fs::create_symlink("kept/new.eve", path("dangling.eve"));
    const struct {
        const char* link;
        const char* target;
    } cases[] = {
        {"relative.eve", "kept/kid.eve"}, {"absolute.eve", "kept/kid.eve"}, {"dangling.eve", "kept/new.eve"}};
    for (const auto& c : cases) {
        const std::string bytes = std::string("saved through ") + c.link;
        EXPECT_FALSE(saveFileAtomically(path(c.link), bytes).separatedFromHardLinks);
        EXPECT_TRUE(fs::is_symlink(path(c.link))) << c.link;
        EXPECT_EQ(readWholeFile(path(c.target)), bytes) << c.link;
        EXPECT_EQ(savedFileOf(path(c.link)), path(c.target));
    }
    EXPECT_EQ(entries(), 4);
    EXPECT_EQ(std::distance(fs::directory_iterator(path("kept")), fs::directory_iterator()), 2);

    fs::create_symlink("loop.eve", path("loop.eve"));
    EXPECT_EQ(runErrorOf([&] { saveFileAtomically(path("loop.eve"), "x"); }), kPathFileAccessError);
    EXPECT_TRUE(fs::is_symlink(path("loop.eve")));
}

// A name with other hard links cannot be replaced whole without parting from them: the save
// says so, and the other names keep the old bytes.
TEST_F(FilesTest, SaveSaysWhenAHardLinkedFileIsSeparated) {
    write("kid.eve", "old");
    fs::create_hard_link(path("kid.eve"), path("other.eve"));
    EXPECT_TRUE(saveFileAtomically(path("kid.eve"), "new").separatedFromHardLinks);
    EXPECT_EQ(readWholeFile(path("kid.eve")), "new");
    EXPECT_EQ(readWholeFile(path("other.eve")), "old");
    EXPECT_FALSE(saveFileAtomically(path("kid.eve"), "newer").separatedFromHardLinks);
}

// A file written in parts is put in place only by commit(): dropped before, the old file stays.
TEST_F(FilesTest, AFileWrittenInPartsAppearsWholeOrNotAtAll) {
    write("kid.SBS", "old");
    {
        AtomicFileWriter file(path("kid.SBS"));
        file.write("half");
    }
    EXPECT_EQ(readWholeFile(path("kid.SBS")), "old");
    EXPECT_EQ(entries(), 1);
    AtomicFileWriter file(path("kid.SBS"));
    file.write("one,");
    file.write("two");
    EXPECT_EQ(readWholeFile(path("kid.SBS")), "old");
    file.commit();
    EXPECT_EQ(readWholeFile(path("kid.SBS")), "one,two");
    EXPECT_EQ(entries(), 1);
}

TEST_F(FilesTest, AppendAddsToTheEndAndCreatesWhenNeeded) {
    const std::string report = path("out.txt");
    appendToFile(report, "one\r\n");
    appendToFile(report, "two\r\n");
    EXPECT_EQ(readWholeFile(report), "one\r\ntwo\r\n");
    EXPECT_EQ(runErrorOf([&] { appendToFile(path("missing/out.txt"), "x"); }), kPathFileAccessError);
}

TEST_F(FilesTest, ReadingTellsMissingFromUnreadable) {
    EXPECT_EQ(runErrorOf([&] { readWholeFile(path("none.eve")); }), kFileNotFound);
    fs::create_directory(path("folder"));
    EXPECT_EQ(runErrorOf([&] { readWholeFile(path("folder")); }), kPathFileAccessError);
    write("kid.eve", "x");
    EXPECT_TRUE(fileExists(path("kid.eve")));
    EXPECT_FALSE(fileExists(path("folder")));
    EXPECT_FALSE(fileExists(path("none.eve")));
}

// A device never ends and a FIFO without a writer never answers: both are refused
// before a byte is read.
TEST_F(FilesTest, ReadingRefusesWhatIsNotARegularFile) {
    ASSERT_EQ(::mkfifo(path("pipe.eve").c_str(), 0600), 0);
    EXPECT_EQ(runErrorOf([&] { readWholeFile(path("pipe.eve")); }), kPathFileAccessError);
    EXPECT_EQ(runErrorOf([&] { readWholeFile("/dev/zero"); }), kPathFileAccessError);
    EXPECT_FALSE(fileExists("/dev/zero"));
}

// The system would take the name only up to its NUL byte and reach the file those bytes name.
TEST_F(FilesTest, ANameHoldingANulByteNamesNoFile) {
    write("kid.eve", "kept");
    const std::string name = path("kid.eve") + std::string("\0.lst", 5);
    EXPECT_FALSE(fileExists(name));
    EXPECT_EQ(runErrorOf([&] { readWholeFile(name); }), kPathFileAccessError);
    EXPECT_EQ(runErrorOf([&] { appendToFile(name, "x"); }), kPathFileAccessError);
    EXPECT_EQ(runErrorOf([&] { saveFileAtomically(name, "x"); }), kPathFileAccessError);
    EXPECT_EQ(readWholeFile(path("kid.eve")), "kept");
    EXPECT_EQ(entries(), 1);
}

TEST_F(FilesTest, ReadingTakesEveryByteWhateverSizeTheFileReports) {
    std::string bytes;
    for (int i = 0; i < 70000; ++i) {
        bytes += static_cast<char>(i % 256);
    }
    write("all.bin", bytes);
    write("empty.txt", "");
    EXPECT_EQ(readWholeFile(path("all.bin")), bytes);
    EXPECT_EQ(readWholeFile(path("empty.txt")), "");
    // System files report no size but have content.
    EXPECT_EQ(readWholeFile("/proc/self/status").rfind("Name:", 0), 0u);
    // A path through a file is as missing as a path to nothing.
    EXPECT_EQ(runErrorOf([&] { readWholeFile(path("all.bin") + "/inside"); }), kFileNotFound);
}

TEST(ReportDate, IsMonthDayYear) {
    EXPECT_EQ(reportDate(2026, 3, 7), "03-07-2026");
    EXPECT_EQ(reportDate(1999, 12, 31), "12-31-1999");
}

} // namespace
} // namespace textfile
