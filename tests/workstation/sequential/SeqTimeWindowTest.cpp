// The yes/no rules of time-window counting and the scratch files they go through.
#include "workstation/sequential/SeqTimeWindow.h"

#include "workstation/analyses/SecBySecFile.h"

#include "SeqTestSupport.h"
#include "support/ScratchFolder.h"
#include "textfile/Files.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

// Units from marks: "X" a unit with the code on, anything else off.
ws::WindowUnits unitsOf(const std::string& given, const std::string& target) {
    ws::WindowUnits u;
    u.given.push_back(0);
    u.target.push_back(0);
    for (std::size_t s = 0; s < given.size(); ++s) {
        u.given.push_back(given[s] == 'X' ? 1 : 0);
        u.target.push_back(target[s] == 'X' ? 1 : 0);
    }
    u.given.push_back(0);
    u.target.push_back(0);
    return u;
}

std::string joined(const std::string& ynf) {
    std::string out;
    for (const char c : ynf) {
        if (c == '\r') {
            continue;
        }
        out += c == '\n' ? ' ' : c;
    }
    return out.empty() ? out : out.substr(0, out.size() - 1);
}

TEST(WriteYNF, WindowAndTargetRules) {
    struct Case {
        const char* name;
        std::int16_t type;
        std::int32_t length;
        std::array<std::int16_t, 5> switches; // (1) to (5)
        const char* given;
        const char* target;
        const char* lines;
    };
    const Case cases[] = {
        {"onset window with its onset", 1, 3, {1, 0, 0, 1, 0}, ".XX..", "...X.", "N,N Y,N Y,N Y,Y N,N"},
        {"onset window after its onset", 1, 3, {1, 0, 0, 0, 0}, ".XX..", "...X.", "N,N N,N Y,N Y,Y Y,N"},
        {"offset window after its offset", 2, 2, {0, 0, 0, 0, 0}, "XX...", ".....", "N,N N,N Y,N Y,N N,N"},
        {"offset window with its offset", 2, 2, {0, 0, 0, 0, 1}, "XX...", ".....", "N,N Y,N Y,N N,N N,N"},
        {"concurrent, edges left out", 3, 9, {0, 0, 0, 0, 0}, ".XXX.", ".....", "N,N N,N Y,N N,N N,N"},
        {"concurrent, edges in", 3, 9, {0, 0, 0, 1, 1}, ".XXX.", ".....", "N,N Y,N Y,N Y,N N,N"},
        {"a one-unit given opens an offset window",
         2,
         1,
         {0, 0, 0, 0, 0},
         "X....",
         ".....",
         "N,N Y,N N,N N,N N,N"},
        {"target onset decides a one-unit target",
         1,
         0,
         {0, 0, 1, 0, 0},
         ".....",
         "..X..",
         "N,N N,N N,N N,N N,N"},
        {"target onset, duration, offset", 1, 0, {1, 0, 1, 0, 0}, ".....", ".XXX.", "N,N N,Y N,N N,Y N,N"},
        {"target duration only", 1, 0, {0, 1, 0, 0, 0}, ".....", ".XXX.", "N,N N,N N,Y N,N N,N"},
        {"a new onset restarts the window",
         1,
         3,
         {0, 0, 0, 1, 0},
         "X.X...",
         "......",
         "Y,N Y,N Y,N Y,N Y,N N,N"},
        {"no length, no window", 1, 0, {0, 0, 0, 1, 0}, ".XX..", ".....", "N,N N,N N,N N,N N,N"},
        {"a window reaching past 32 bits does not wrap",
         1,
         2147483647,
         {0, 0, 0, 0, 0},
         "X...",
         "....",
         "N,N Y,N Y,N Y,N"},
        {"another window type writes nothing", 4, 3, {1, 1, 1, 1, 1}, "XX...", "XX...", ""},
    };
    for (const Case& c : cases) {
        ws::SequentialRun run;
        run.gLagCount = c.length;
        run.gWindowRules[0] = c.type;
        for (int k = 1; k <= 5; ++k) {
            run.gWindowRules[static_cast<std::size_t>(k)] = c.switches[static_cast<std::size_t>(k - 1)];
        }
        EXPECT_EQ(joined(ws::ynfText(run, unitsOf(c.given, c.target))), c.lines) << c.name;
    }
}

TEST(TimeWindowNames, ScratchNamesCutAtTheFileNamesFirstDot) {
    EXPECT_EQ(ws::SecBySecFileNameOf("C:\\study.a\\day1.eve"), "C:\\study.a\\day1.SBS");
    EXPECT_EQ(ws::ynfNameFor(ws::SecBySecFileNameOf("C:\\study.a\\day1.eve")), "C:\\study.a\\day1.YNF");
    EXPECT_EQ(ws::SecBySecFileNameOf("C:\\study\\day1"), "C:\\study\\day1.SBS");
    EXPECT_EQ(ws::SecBySecFileNameOf("/home/j.smith/kid.v2.eve"), "/home/j.smith/kid.SBS");
}

class TimeWindowFiles : public ::testing::Test {
protected:
    void write(const std::string& name, const std::string& bytes) {
        std::ofstream(scratch.file(name), std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) { return textfile::readWholeFile(scratch.file(name)); }

    testsupport::ScratchFolder scratch;
    ws::SequentialRun run = seqtest::runWith({"A"}, {"B"});
};

TEST_F(TimeWindowFiles, YesNoFileIsWrittenFromTheUnitsAndTallied) {
    run.gWindowRules = {1, 1, 0, 0, 1, 0, 0};
    run.gLagCount = 2;
    write("d.SBS", "1,\"None\",\"P\"\r\n2,\"A\",\"P\"\r\n3,\"B\",\"None\"\r\n4,\"None\",\"None\"\r\n");
    ws::WriteYNF(run, scratch.file("d.SBS"), 2);
    EXPECT_EQ(read("d.YNF"), "N,N\r\nY,N\r\nY,Y\r\nN,N\r\n");
    ws::TallyYNF(run, scratch.file("d.YNF"));
    EXPECT_EQ(seqtest::cellsOf(run.gSeqTable), (std::vector<int>{1, 1, 0, 2}));

    ws::ReverseFileLines(scratch.file("d.SBS"));
    EXPECT_EQ(read("d.SBS"),
              "4,\"None\",\"None\"\r\n3,\"B\",\"None\"\r\n2,\"A\",\"P\"\r\n1,\"None\",\"P\"\r\n");
}

TEST_F(TimeWindowFiles, LevelsCarryOverUnitsWithoutOne) {
    run.gWindowRules = {3, 1, 1, 1, 1, 1, 0};
    run.gLevelCodes = {"", "P", "Q"};
    run.gSeqLevelTable.assign(3, ws::SeqTable{});
    write(
        "d.SBS",
        "1,\"A\",\"None\"\r\n2,\"A\",\"P\"\r\n3,\"B\",\"None\"\r\n4,\"None\",\"Q\"\r\n5,\"B\",\"None\"\r\n");
    ws::WriteYNFLevel(run, scratch.file("d.SBS"), 2, 2);
    EXPECT_EQ(read("d.YNF"), "Y,N,None\r\nY,N,P\r\nN,Y,None\r\nN,N,Q\r\nN,Y,None\r\n");
    int lines = 0;
    ws::TallyYNFLevel(run, scratch.file("d.YNF"), 2, [&lines] { ++lines; });
    EXPECT_EQ(lines, 5);
    EXPECT_EQ(seqtest::cellsOf(run.gSeqLevelTable[0]), (std::vector<int>{0, 1, 0, 0}));
    EXPECT_EQ(seqtest::cellsOf(run.gSeqLevelTable[1]), (std::vector<int>{0, 1, 1, 0}));
    EXPECT_EQ(seqtest::cellsOf(run.gSeqLevelTable[2]), (std::vector<int>{0, 0, 1, 1}));

    // A level group that is not among the listed groups gives every unit "NONE".
    ws::WriteYNFLevel(run, scratch.file("d.SBS"), 2, 0);
    EXPECT_EQ(read("d.YNF").substr(0, 11), "Y,N,NONE\r\nY");
}

TEST_F(TimeWindowFiles, EmptyScratchFilesCountNothing) {
    run.gWindowRules = {1, 1, 0, 0, 1, 0, 0};
    write("d.SBS", "");
    ws::ReverseFileLines(scratch.file("d.SBS"));
    ws::WriteYNF(run, scratch.file("d.SBS"), 2);
    EXPECT_EQ(read("d.YNF"), "");
    ws::TallyYNF(run, scratch.file("d.YNF"));
    run.gSeqLevelTable.assign(1, ws::SeqTable{});
    ws::TallyYNFLevel(run, scratch.file("d.YNF"), 0, [] {});
    EXPECT_EQ(run.gSeqTable, ws::SeqTable{});
    EXPECT_EQ(run.gSeqLevelTable[0], ws::SeqTable{});
}

// Found by fuzzing: a yes/no file whose last line is cut short is read up to its end only.
TEST_F(TimeWindowFiles, ALineCutShortByTheEndReadsItsMissingFieldsAsEmpty) {
    run.gLevelCodes = {"", "P"};
    run.gSeqLevelTable.assign(2, ws::SeqTable{});
    ws::tallyYnfLines(run, "Y,N\r\nY");
    EXPECT_EQ(seqtest::cellsOf(run.gSeqTable), (std::vector<int>{0, 2, 0, 0}));
    ws::tallyYnfLevelLines(run, "Y,Y,P\r\nN,Y", 1, [] {});
    EXPECT_EQ(seqtest::cellsOf(run.gSeqLevelTable[1]), (std::vector<int>{1, 0, 1, 0}));
    // A level code holding a comma stays whole.
    run.gLevelCodes = {"", "P,Q"};
    ws::tallyYnfLevelLines(run, "N,N,P,Q\r\n", 1, [] {});
    EXPECT_EQ(seqtest::cellsOf(run.gSeqLevelTable[1]), (std::vector<int>{1, 0, 1, 1}));
}

} // namespace
