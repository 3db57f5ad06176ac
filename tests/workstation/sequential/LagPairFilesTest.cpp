// A press's later pairings count each file from the pair counts its first read kept: over
// random sessions, lags and pairings they must give the table that reading the file and
// counting it event by event gives.
#include "workstation/sequential/LagPairFiles.h"

#include "SeqTestSupport.h"
#include "support/ScriptedPlatform.h"
#include "workstation/analyses/AnalTestSupport.h"
#include "workstation/core/EventFile.h"
#include "workstation/sequential/SeqCount.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace analtest;

TEST(LagPairFiles, KeptCountsGiveTheTablesOfTheEventByEventCount) {
    ws::Global g;
    useCodeTable(g, {{"A", "", 1}, {"B", "", 1}, {"C", "", 2}, {"D", "", 2}, {"E", "", 3}});
    ScratchFolder scratch;
    g.OutputFileName = scratch.file("errors.txt");
    testsupport::ScriptedPlatform sp;
    const std::vector<std::string> codes{"A", "B", "C", "D", "E"};
    std::mt19937 random(33);
    for (int trial = 0; trial < 60; ++trial) {
        const std::string file = scratch.file("s" + std::to_string(trial) + ".eve");
        std::vector<std::pair<std::string, int>> records;
        const int events = static_cast<int>(random() % 40);
        for (int e = 1; e <= events; ++e) {
            records.emplace_back(codes[random() % codes.size()], e);
        }
        records.emplace_back("-500", events + 1);
        writeEventFile(file, "random", records);

        ws::SequentialRun run =
            seqtest::runWith({}, {}, static_cast<int>(random() % 7) - 2, random() % 2 == 0);
        ws::LagPairFiles reuse(g);
        std::string header;
        ASSERT_TRUE(reuse.read(g, sp.platform, file, header, run));
        ASSERT_TRUE(reuse.holds(file, run));
        for (int pairing = 0; pairing < 8; ++pairing) {
            std::vector<std::string> givens{codes[random() % codes.size()]};
            std::vector<std::string> targets{codes[random() % codes.size()]};
            if (random() % 3 == 0) {
                givens.push_back(random() % 2 == 0 ? codes[random() % codes.size()] : "X");
                targets.push_back(codes[random() % codes.size()]);
            }
            const ws::SequentialRun pair =
                seqtest::runWith(givens, targets, run.gLagCount, run.gForward != 0);
            run.gGivens = pair.gGivens;
            run.gGivenCount = pair.gGivenCount;
            run.gTargets = pair.gTargets;
            run.gTargetCount = pair.gTargetCount;

            const ws::SeqTable kept = reuse.table(file, run, g);
            ASSERT_TRUE(ws::ReadEventFile(g, sp.platform, file, 1, header));
            ws::SeqCountTable(run, g, sp.dialogs);
            EXPECT_EQ(kept, run.gSeqTable) << "trial " << trial << " pairing " << pairing;
        }
    }
}

} // namespace
