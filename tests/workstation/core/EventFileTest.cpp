#include "workstation/core/EventFile.h"
#include "workstation/core/EventFileServices.h"
#include "workstation/core/EventSlotWriter.h"

#include "workstation/core/CodeRowIndex.h"
#include "workstation/core/CodeSetFile.h"

#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"
#include "textfile/Numeric.h"
#include "textfile/RunError.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace ws {
namespace {

namespace fs = std::filesystem;

// Codes A and B.
void giveCodeTable(Global& g) {
    g.CodeTable.resize(2);
    g.CodeTable(1, 1) = textfile::Value::ofText("A");
    g.CodeTable(1, 2) = textfile::Value::ofText("B");
    g.NumCodes = 2;
}

class EventFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        giveCodeTable(g);
        g.OutputFileName = path("report.txt");
    }

    std::string path(const std::string& name) const { return (folder_ / name).string(); }
    std::string eventFile(const std::string& name, const std::string& records) const {
        textfile::saveFileAtomically(path(name), "Events\r\nSession\r\n" + records);
        return path(name);
    }
    std::string report() const {
        return fs::exists(g.OutputFileName) ? textfile::readWholeFile(g.OutputFileName) : "";
    }

    testsupport::ScratchFolder scratch_;
    const fs::path& folder_ = scratch_.path();
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

// The order of equal times comes from the exchange steps, so the sort must make exactly the
// moves they make: in order, shuffled, two sorted runs one after the other (a merge), and
// reversed (more swaps than the quick path takes on).
TEST_F(EventFileTest, SortLeavesEveryRecordWhereTheExchangeStepsPutIt) {
    std::mt19937 random(5);
    auto literalSort = [](std::vector<std::string>& codes, std::vector<std::int32_t>& times) {
        const int last = times[0];
        for (int i = 1; i < last; ++i) {
            for (int j = i + 1; j <= last; ++j) {
                if (times[j] < times[i]) {
                    std::swap(times[i], times[j]);
                    std::swap(codes[i], codes[j]);
                }
            }
        }
    };
    enum Shape { InOrder, Shuffled, TwoRuns, Reversed };
    for (int round = 0; round < 200; ++round) {
        const auto shape = static_cast<Shape>(round % 4);
        const int last = 1 + static_cast<int>(random() % (round < 196 ? 60 : 1500));
        const int distinct = round < 196 ? 1 + static_cast<int>(random() % 6) : last;
        std::vector<std::int32_t> times(static_cast<std::size_t>(last) + 1);
        std::vector<std::string> codes(times.size());
        times[0] = last;
        for (int i = 1; i <= last; ++i) {
            codes[i] = std::to_string(i);
            times[i] = static_cast<std::int32_t>(random() % distinct) - 2;
        }
        if (shape == InOrder || shape == TwoRuns) {
            std::sort(times.begin() + 1, times.end());
            if (shape == TwoRuns) {
                std::rotate(times.begin() + 1, times.begin() + 1 + last / 3, times.end());
            }
        } else if (shape == Reversed) {
            std::sort(times.begin() + 1, times.end(), std::greater<>());
        }
        std::copy(times.begin(), times.end(), g.EventTimes2.begin());
        std::copy(codes.begin(), codes.end(), g.EventCodes2.begin());
        literalSort(codes, times);
        SortEvents(g, 2);
        ASSERT_EQ(std::vector<std::int32_t>(g.EventTimes2.begin(), g.EventTimes2.begin() + last + 1), times)
            << "round " << round;
        ASSERT_EQ(std::vector<std::string>(g.EventCodes2.begin(), g.EventCodes2.begin() + last + 1), codes)
            << "round " << round;
    }
}

TEST_F(EventFileTest, ScratchCopyForAnUnknownSlotLeavesAnOldFileAlone) {
    textfile::saveFileAtomically(path("kid.eve"), "Events\r\nold\r\n-500, 3 \r\n");
    WriteScratchEventFile(g, 3, path("kid"), "new");
    EXPECT_EQ(textfile::readWholeFile(path("kid.eve")), "Events\r\nold\r\n-500, 3 \r\n");
}

// One rule: a measure below 10 in CSV column 2 is code B.
void useOneRule(Global& g, const std::string& column = "2") {
    g.ContGrid.cells[1] = {column, "0", "10", "B"};
}

TEST_F(EventFileTest, MergeRunsOnceTheEndRecordIsReadWhateverTheResult) {
    useOneRule(g);
    const std::string clean = eventFile("clean.eve", "A,1\r\n-500,5\r\n");
    const std::string undefined = eventFile("undefined.eve", "X,1\r\n-500,5\r\n");
    const std::string cutShort = eventFile("short.eve", "A,1\r\n");
    for (const char* csv : {"clean.csv", "undefined.csv", "short.csv"}) {
        textfile::saveFileAtomically(path(csv), "3,4\r\n");
    }

    EXPECT_TRUE(ReadEventFile(g, sp.platform, clean, 1, header));
    EXPECT_EQ(g.EventTimes[0], 2) << "gReadCont is off";

    g.gReadCont = 1;
    EXPECT_TRUE(ReadEventFile(g, sp.platform, clean, 2, header));
    EXPECT_EQ(std::vector<std::string>(g.EventCodes2.begin() + 1, g.EventCodes2.begin() + 4),
              (std::vector<std::string>{"A", "B", "-500"}));
    EXPECT_FALSE(ReadEventFile(g, sp.platform, undefined, 1, header));
    EXPECT_EQ(g.EventCodes[2], "B");
    EXPECT_FALSE(ReadEventFile(g, sp.platform, cutShort, 1, header));
    EXPECT_EQ(g.EventTimes[0], 0);
    EXPECT_TRUE(sp.dialogs.boxes.empty());
}

TEST_F(EventFileTest, FailingMergeGoesToTheReadErrorHandler) {
    g.gReadCont = 1;
    useOneRule(g, "x");
    const std::string file = eventFile("kid.eve", "A,1\r\n-500,5\r\n");
    textfile::saveFileAtomically(path("kid.csv"), "3,4\r\n");
    EXPECT_FALSE(ReadEventFile(g, sp.platform, file, 1, header));
    EXPECT_EQ(report(), "Error: Read/write error...\r\n ERR Number: 13\r\nType mismatch File: " + file +
                            " Line: 2\r\n\r\n");
    EXPECT_EQ(sp.sound.commands.size(), 4u);
}

// With no CSV beside the data file the person is asked for one: the file chosen is merged,
// and only a cancelled dialog ends in the "not found" message.
TEST_F(EventFileTest, MissingCsvIsAskedForAndTheChosenFileMerged) {
    g.gReadCont = 1;
    useOneRule(g);
    const std::string file = eventFile("kid.eve", "A,1\r\n-500,5\r\n");
    fs::create_directory(folder_ / "rates");
    textfile::saveFileAtomically(path("rates/morning.csv"), "3,4\r\n");
    sp.dialogs.files.push_back(path("rates/morning.csv"));

    EXPECT_TRUE(ReadEventFile(g, sp.platform, file, 1, header));
    EXPECT_EQ(std::vector<std::string>(g.EventCodes.begin() + 1, g.EventCodes.begin() + 4),
              (std::vector<std::string>{"A", "B", "-500"}));
    ASSERT_EQ(sp.dialogs.openRequests.size(), 1u);
    EXPECT_EQ(sp.dialogs.openRequests[0].title, "Pick the continous variables file to merge in...");
    EXPECT_EQ(sp.dialogs.openRequests[0].filter, "All files (*.*)|*.*");
    EXPECT_EQ(sp.dialogs.openRequests[0].fileName, "");
    EXPECT_TRUE(sp.dialogs.boxes.empty());

    EXPECT_TRUE(ReadEventFile(g, sp.platform, file, 1, header));
    EXPECT_EQ(g.EventTimes[0], 2);
    EXPECT_EQ(sp.dialogs.openRequests.size(), 2u);
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].title, "File Not Found");
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

// The slot as reading these records leaves it: records from index 1, times(0) as given, and
// every other code empty and time 0. Names the first index that differs.
void expectSlot(Global& g, int slot, const std::vector<std::pair<std::string, int>>& records, int count) {
    std::vector<std::string> codes(kMaxEvents + 1);
    std::vector<std::int32_t> times(kMaxEvents + 1);
    times[0] = count;
    for (std::size_t i = 0; i < records.size(); ++i) {
        codes[i + 1] = records[i].first;
        times[i + 1] = records[i].second;
    }
    ASSERT_EQ(g.codesOf(slot).size(), codes.size());
    ASSERT_EQ(g.timesOf(slot).size(), times.size());
    for (std::size_t i = 0; i < codes.size(); ++i) {
        ASSERT_EQ(g.codesOf(slot)[i], codes[i]) << "slot " << slot << " index " << i;
        ASSERT_EQ(g.timesOf(slot)[i], times[i]) << "slot " << slot << " index " << i;
    }
}

TEST_F(EventFileTest, EveryReadLeavesNothingOfEarlierContentsPastItsOwnRecords) {
    const std::string longer = eventFile("long.eve", "A,1\r\nB,2\r\nA,3\r\nB,4\r\n-500,9\r\n");
    const std::string shorter = eventFile("short.eve", "B,7\r\n-500,8\r\n");
    // Reading stops at the end of the input: records read so far stay, times(0) stays 0.
    const std::string unfinished = eventFile("unfinished.eve", "A,1\r\nB,2\r\nA,3\r\n");
    // A record without a code leaves its time where the next record would have gone.
    const std::string blankLast = eventFile("blank.eve", "A,1\r\n,6\r\n");
    std::string tooLong;
    for (int i = 0; i <= kMaxEvents; ++i) {
        tooLong += "A,1\r\n";
    }
    const std::string overfull = eventFile("overfull.eve", tooLong);

    ASSERT_TRUE(ReadEventFile(g, sp.platform, longer, 2, header));
    ASSERT_TRUE(ReadEventFile(g, sp.platform, longer, 1, header));
    expectSlot(g, 2, {}, 0);
    ASSERT_TRUE(ReadEventFile(g, sp.platform, shorter, 1, header));
    expectSlot(g, 1, {{"B", 7}, {"-500", 8}}, 2);

    EXPECT_FALSE(ReadEventFile(g, sp.platform, unfinished, 1, header));
    expectSlot(g, 1, {{"A", 1}, {"B", 2}, {"A", 3}}, 0);
    ASSERT_TRUE(ReadEventFile(g, sp.platform, shorter, 1, header));
    expectSlot(g, 1, {{"B", 7}, {"-500", 8}}, 2);

    EXPECT_FALSE(ReadEventFile(g, sp.platform, blankLast, 1, header));
    expectSlot(g, 1, {{"A", 1}, {"", 6}}, 0);
    ASSERT_TRUE(ReadEventFile(g, sp.platform, shorter, 2, header));
    ASSERT_TRUE(ReadEventFile(g, sp.platform, shorter, 1, header));
    expectSlot(g, 1, {{"B", 7}, {"-500", 8}}, 2);
    expectSlot(g, 2, {}, 0);

    EXPECT_FALSE(ReadEventFile(g, sp.platform, overfull, 2, header));
    EXPECT_EQ(g.EventCodes2[kMaxEvents], "A");
    ASSERT_TRUE(ReadEventFile(g, sp.platform, shorter, 2, header));
    expectSlot(g, 2, {{"B", 7}, {"-500", 8}}, 2);

    // Records placed by other code up to times(0), as an import or a merge leaves them.
    g.EventTimes[0] = 6;
    for (int i = 1; i <= 6; ++i) {
        g.EventCodes[i] = "B";
        g.EventTimes[i] = 10 + i;
    }
    ASSERT_TRUE(ReadEventFile(g, sp.platform, shorter, 1, header));
    expectSlot(g, 1, {{"B", 7}, {"-500", 8}}, 2);
}

// Records of random length and shape: codes of the table, one it lacks, one with blanks, a
// record without a code; times that sometimes run backwards; the end record, or none.
std::string randomRecords(std::mt19937& random) {
    const int lengths[] = {0, 3, 40, 700, kMaxEvents - 1, kMaxEvents + 1};
    const int roll = static_cast<int>(random() % 100);
    const int bound = lengths[roll < 40 ? 1 : roll < 75 ? 2 : roll < 95 ? 3 : roll < 98 ? 4 : 5];
    const int count = bound == kMaxEvents + 1 ? bound : static_cast<int>(random() % (bound + 1));
    const char* const codes[] = {"A", "B", "A", "B", "X", " A", ""};
    std::string records;
    int time = 0;
    for (int i = 0; i < count; ++i) {
        time += static_cast<int>(random() % 20) - (random() % 30 == 0 ? 40 : 0);
        records += std::string(codes[random() % 7]) + "," + std::to_string(time) + "\r\n";
    }
    if (count <= kMaxEvents && random() % 8 != 0) {
        records += "-500," + std::to_string(time + 1) + "\r\n";
    }
    return records;
}

TEST_F(EventFileTest, ReadIntoUsedSlotsLeavesWhatAReadIntoNewSlotsLeaves) {
    std::mt19937 random(33);
    for (int round = 0; round < 120; ++round) {
        const std::string file = eventFile("r" + std::to_string(round % 3) + ".eve", randomRecords(random));
        const int slot = 1 + static_cast<int>(random() % 2);
        SCOPED_TRACE("round " + std::to_string(round) + ", slot " + std::to_string(slot));

        auto fresh = std::make_unique<Global>();
        giveCodeTable(*fresh);
        fresh->OutputFileName = path("fresh.txt");
        fs::remove(fresh->OutputFileName);
        std::string freshHeader;
        const bool freshRead = ReadEventFile(*fresh, sp.platform, file, slot, freshHeader);

        const std::string before = report();
        const bool usedRead = ReadEventFile(g, sp.platform, file, slot, header);
        ASSERT_EQ(usedRead, freshRead);
        ASSERT_EQ(header, freshHeader);
        ASSERT_EQ(report().substr(before.size()),
                  fs::exists(fresh->OutputFileName) ? textfile::readWholeFile(fresh->OutputFileName) : "");
        // Reading slot 1 empties slot 2 as well.
        for (const int compared : slot == 1 ? std::vector<int>{1, 2} : std::vector<int>{2}) {
            ASSERT_EQ(g.timesOf(compared), fresh->timesOf(compared)) << "slot " << compared;
            ASSERT_EQ(g.codesOf(compared), fresh->codesOf(compared)) << "slot " << compared;
        }
    }
}

TEST_F(EventFileTest, CodeCheckFlagsExactlyTheCodesTheTableLacks) {
    // Short and long codes, a code listed twice, one eight bytes long and one just past it,
    // a number cell and an empty row: the check must agree with FindCode on each.
    const std::vector<textfile::Value> rows = {
        textfile::Value::ofText("A"),
        textfile::Value::ofText("Mother-looks"),
        textfile::Value::ofText("A"),
        textfile::Value::ofText("EIGHTBYT"),
        textfile::Value::ofText("NINEBYTES"),
        textfile::Value::ofNumber(12),
        textfile::Value::empty(),
        textfile::Value::ofText(std::string("Z\0", 2)),
    };
    g.CodeTable.resize(static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        g.CodeTable(1, static_cast<int>(i) + 1) = rows[i];
    }
    g.NumCodes = static_cast<std::int16_t>(rows.size());
    const std::vector<std::string> codes = {"A",
                                            "Mother-looks",
                                            "Mother-look",
                                            "EIGHTBYT",
                                            "EIGHTBY",
                                            "NINEBYTES",
                                            "NINEBYTEZ",
                                            "12",
                                            "12.0",
                                            "Z",
                                            std::string("Z\0", 2),
                                            " A ",
                                            "   ",
                                            "a"};
    for (std::size_t i = 0; i < codes.size(); ++i) {
        g.EventCodes[i + 1] = codes[i];
    }
    std::int16_t errorFlag = 0;
    CheckEventCodes(g, 1, errorFlag, static_cast<int>(codes.size()) + 1, "kid.eve");

    std::string expected;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const auto first = codes[i].find_first_not_of(' ');
        const std::string trimmed = first == std::string::npos
                                        ? ""
                                        : codes[i].substr(first, codes[i].find_last_not_of(' ') - first + 1);
        if (FindCode(g, trimmed) == -1) {
            expected += "Error: Code not defined in current code set!\r\n\r\n File:kid.eve\r\n Line: " +
                        std::to_string(i + 1) + "\r\n Code:" + trimmed + "\r\n\r\n";
        }
    }
    EXPECT_EQ(report(), expected);
    EXPECT_EQ(errorFlag, textfile::kTrue);
}

// The read looks each code up as it stores it and leaves the check to CheckEventCodes only
// when one is missing. The cut-off can leave blanks at a code's ends, where the stored code
// and the code the check looks up differ: " A" is not in the table but "A" is; " B" is,
// but "B" is not.
TEST_F(EventFileTest, ReadFlagsTheCodesTheCheckFlagsAndGivesTheRowsOfTheStoredCodes) {
    g.CodeTable.resize(3);
    g.CodeTable(1, 1) = textfile::Value::ofText("A");
    g.CodeTable(1, 2) = textfile::Value::ofText(" B");
    g.CodeTable(1, 3) = textfile::Value::ofText("EIGHTBYTES");
    g.NumCodes = 3;
    struct Case {
        const char* records;
        std::int16_t numToUse; // 0: no cut-off
        bool clean;
        std::string entries;
        std::vector<int> rows; // of records 1.. before the end record
    };
    const std::string undefinedB =
        "Error: Code not defined in current code set!\r\n\r\n File:kid.eve\r\n Line: 2\r\n"
        " Code:B\r\n\r\n";
    const Case cases[] = {
        {"A,1\r\nEIGHTBYTES,2\r\nA,3\r\n-500,5\r\n", 0, true, "", {1, 3, 1}},
        {"A,1\r\nB,2\r\n-500,5\r\n", 0, false, undefinedB, {1, -1}},
        {"XA,1\r\nX B,2\r\n-500,5\r\n", 202, false, undefinedB, {1, 2}},
        {"X A,1\r\n-500,5\r\n", 202, true, "", {-1}},
    };
    for (const auto& c : cases) {
        g.gCutOffEvents = c.numToUse == 0 ? 0 : 1;
        g.gNumToUse = c.numToUse;
        const std::string file = eventFile("kid.eve", c.records);

        fs::remove(g.OutputFileName);
        EXPECT_EQ(ReadEventFile(g, sp.platform, file, 1, header), c.clean) << c.records;
        EXPECT_EQ(report(), c.entries) << c.records;

        fs::remove(g.OutputFileName);
        const CodeRowIndex index(g);
        std::vector<int> rows;
        EXPECT_EQ(ReadEventFile(g, sp.platform, file, 1, header, index, rows), c.clean) << c.records;
        EXPECT_EQ(report(), c.entries) << c.records;
        ASSERT_GE(rows.size(), c.rows.size() + 1);
        EXPECT_EQ(
            std::vector<int>(rows.begin() + 1, rows.begin() + 1 + static_cast<std::ptrdiff_t>(c.rows.size())),
            c.rows)
            << c.records;
    }
}

TEST_F(EventFileTest, RowsFollowWhatTheMergeLeavesInTheSlot) {
    g.gReadCont = 1;
    useOneRule(g);
    textfile::saveFileAtomically(path("kid.csv"), "3,4\r\n");
    const std::string file = eventFile("kid.eve", "A,1\r\n-500,5\r\n");
    const CodeRowIndex index(g);
    std::vector<int> rows;
    ASSERT_TRUE(ReadEventFile(g, sp.platform, file, 1, header, index, rows));
    EXPECT_EQ(rows[1], 1);
    EXPECT_EQ(rows[2], 2);
}

// A writer that goes past the end record without a SlotWriter leaves records the next read
// would not empty: the test build says so at that read. Through a SlotWriter the mark follows.
TEST_F(EventFileTest, WritesPastTheFillMarkFailTheTestBuild) {
    const std::string file = eventFile("kid.eve", "A,1\r\n-500,5\r\n");
    ASSERT_TRUE(ReadEventFile(g, sp.platform, file, 1, header));
    g.EventCodes[7] = "stale";
    EXPECT_NONFATAL_FAILURE(ReadEventFile(g, sp.platform, file, 1, header), "holds an entry at 7");
    g.EventCodes[7].clear();

    {
        SlotWriter writer(g, 1);
        writer.code(9) = "B";
        writer.time(9) = 4;
    }
    ASSERT_TRUE(ReadEventFile(g, sp.platform, file, 1, header));
    EXPECT_EQ(g.EventCodes[9], "");
    EXPECT_EQ(g.EventTimes[9], 0);
}

} // namespace
} // namespace ws
