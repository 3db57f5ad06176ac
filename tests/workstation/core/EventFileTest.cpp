#include "workstation/core/EventFile.h"

#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"
#include "textfile/RunError.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace ws {
namespace {

namespace fs = std::filesystem;

class EventFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("eventfile-test-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
        g.CodeTable.resize(2);
        g.CodeTable(1, 1) = textfile::Value::ofText("A");
        g.CodeTable(1, 2) = textfile::Value::ofText("B");
        g.NumCodes = 2;
        g.OutputFileName = path("report.txt");
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string path(const std::string& name) const { return (folder_ / name).string(); }
    std::string eventFile(const std::string& name, const std::string& records) const {
        textfile::saveFileAtomically(path(name), "Events\r\nSession\r\n" + records);
        return path(name);
    }
    std::string report() const {
        return fs::exists(g.OutputFileName) ? textfile::readWholeFile(g.OutputFileName) : "";
    }

    fs::path folder_;
    Global g;
    testsupport::ScriptedPlatform sp;
    std::string header;
};

TEST_F(EventFileTest, ReadingSlotOneEmptiesSlotTwoButNotTheOtherWayRound) {
    const std::string first = eventFile("one.eve", "A,1\r\n-500,5\r\n");
    const std::string second = eventFile("two.eve", "B,2\r\nB,3\r\n-500,7\r\n");

    ASSERT_TRUE(ReadEventFile(g, sp.platform, second, 2, header));
    ASSERT_TRUE(ReadEventFile(g, sp.platform, first, 1, header));
    EXPECT_EQ(g.EventTimes2, std::vector<std::int32_t>(kMaxEvents + 1, 0));
    EXPECT_EQ(g.EventCodes2, std::vector<std::string>(kMaxEvents + 1));

    ASSERT_TRUE(ReadEventFile(g, sp.platform, second, 2, header));
    EXPECT_EQ(g.EventTimes[0], 2);
    EXPECT_EQ(g.EventCodes[1], "A");
    EXPECT_EQ(g.EventTimes2[0], 3);
    EXPECT_EQ(g.EventCodes2[2], "B");
}

TEST_F(EventFileTest, SortMovesEarlierTimesForwardAndReordersEqualOnes) {
    g.EventTimes2[0] = 4;
    const std::vector<std::pair<std::string, int>> records = {{"A", 5}, {"B", 5}, {"C", 3}, {"-500", 9}};
    for (std::size_t i = 0; i < records.size(); ++i) {
        g.EventCodes2[i + 1] = records[i].first;
        g.EventTimes2[i + 1] = records[i].second;
    }
    SortEvents(g, 2);
    EXPECT_EQ(std::vector<std::string>(g.EventCodes2.begin() + 1, g.EventCodes2.begin() + 5),
              (std::vector<std::string>{"C", "B", "A", "-500"}));
    EXPECT_EQ(std::vector<std::int32_t>(g.EventTimes2.begin(), g.EventTimes2.begin() + 5),
              (std::vector<std::int32_t>{4, 3, 5, 5, 9}));
}

TEST_F(EventFileTest, ScratchCopyForAnUnknownSlotLeavesAnOldFileAlone) {
    textfile::saveFileAtomically(path("kid.eve"), "Events\r\nold\r\n-500, 3 \r\n");
    WriteScratchEventFile(g, 3, path("kid"), "new");
    EXPECT_EQ(textfile::readWholeFile(path("kid.eve")), "Events\r\nold\r\n-500, 3 \r\n");
}

TEST_F(EventFileTest, FormatsNotBuiltYetFailWithAnEntryInsteadOfAnEmptySlot) {
    const std::string file = eventFile("kid.eve", "A,1\r\n-500,5\r\n");
    for (const std::int16_t format : {1, 2, 3}) {
        g.gFileFormat = format;
        fs::remove(g.OutputFileName);
        EXPECT_FALSE(ReadEventFile(g, sp.platform, file, 1, header)) << format;
        EXPECT_EQ(report(), "Error: File format not available!\r\n File:" + file + "\r\n\r\n") << format;
    }
}

TEST_F(EventFileTest, MergeRunsOnceTheEndRecordIsReadWhateverTheResult) {
    std::vector<std::string> merged;
    g.hooks.mergeContinuousData = [&](int slot, const std::string& fileName, std::string& h) {
        merged.push_back(std::to_string(slot) + " " + fs::path(fileName).filename().string() + " " + h);
    };
    const std::string clean = eventFile("clean.eve", "A,1\r\n-500,5\r\n");
    const std::string undefined = eventFile("undefined.eve", "X,1\r\n-500,5\r\n");
    const std::string cutShort = eventFile("short.eve", "A,1\r\n");

    EXPECT_TRUE(ReadEventFile(g, sp.platform, clean, 1, header));
    EXPECT_TRUE(merged.empty()) << "gReadCont is off";

    g.gReadCont = 1;
    EXPECT_TRUE(ReadEventFile(g, sp.platform, clean, 2, header));
    EXPECT_FALSE(ReadEventFile(g, sp.platform, undefined, 1, header));
    EXPECT_FALSE(ReadEventFile(g, sp.platform, cutShort, 1, header));
    EXPECT_EQ(merged, (std::vector<std::string>{"2 clean.eve Session", "1 undefined.eve Session"}));
}

TEST_F(EventFileTest, FailingMergeGoesToTheReadErrorHandler) {
    g.gReadCont = 1;
    g.hooks.mergeContinuousData = [](int, const std::string&, std::string&) {
        throw textfile::RunError(textfile::kTypeMismatch);
    };
    const std::string file = eventFile("kid.eve", "A,1\r\n-500,5\r\n");
    EXPECT_FALSE(ReadEventFile(g, sp.platform, file, 1, header));
    EXPECT_EQ(report(), "Error: Read/write error...\r\n ERR Number: 13\r\nType mismatch File: " + file +
                            " Line: 2\r\n\r\n");
    EXPECT_EQ(sp.sound.commands.size(), 4u);
}

TEST_F(EventFileTest, OutputFileThatCannotBeWrittenReachesTheCallerWithTheSoundClosed) {
    g.OutputFileName = folder_.string(); // a folder cannot be appended to
    const std::string file = eventFile("kid.eve", "X,1\r\n-500,5\r\n");
    try {
        ReadEventFile(g, sp.platform, file, 1, header);
        FAIL() << "the undefined code could not be reported";
    } catch (const textfile::RunError& error) {
        EXPECT_EQ(error.number(), textfile::kPathFileAccessError);
    }
    ASSERT_FALSE(sp.sound.commands.empty());
    EXPECT_EQ(sp.sound.commands.back(), "Close");
}

} // namespace
} // namespace ws
