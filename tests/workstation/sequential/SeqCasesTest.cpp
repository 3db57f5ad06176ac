// Every case folder under fixtures/sequential through the driver: case.txt names the input,
// the output kind, the givens and targets, the lag, the direction and the level group; the
// report must match the expected file byte for byte, and slot.txt, when there is one, the
// codes the count left in event slot 1. Each case runs a second time with the files of the
// press kept after a first pairing, which must give the same bytes. With resample=R each
// table is tested R times, drawn from the program's generator as from a fresh start. With
// window=<seven rules> the units are counted by time windows; sbs= and ynf= name a file
// left beside the data and its expected bytes, absent= one that must not be there.
#include "SeqTestSupport.h"
#include "platform/Random.h"
#include "support/FixtureCases.h"
#include "support/ScriptedPlatform.h"
#include "workstation/analyses/AnalTestSupport.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/core/CodeSetFile.h"
#include "workstation/sequential/SeqAnalysisRun.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

namespace fs = std::filesystem;
using namespace analtest;

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string w; in >> w;) {
        out.push_back(w);
    }
    return out;
}

class SeqCase : public testsupport::FixtureCase {
protected:
    fs::path family() const override { return testsupport::fixtureFamily("sequential"); }

    void SetUp() override {
        fs::copy(folder(), scratch.path(), fs::copy_options::recursive);
        inCase.emplace(scratch.path());
        settings = testsupport::readCaseSettings("case.txt");
        g.Code_File = "code.cod";
        ASSERT_EQ(ws::OpenCodeFile(g, sp.platform), textfile::kTrue);
        run = seqtest::runWith(words(settings["givens"]), words(settings["targets"]),
                               std::stoi(settings["lag"]), settings["direction"] == "forward");
        run.gWithinLevel = static_cast<std::int16_t>(std::stoi(settings["level"]));
        if (settings.contains("window")) {
            // Time windows: the seven rules, type first.
            run.gEventLags = textfile::kFalse;
            std::istringstream rules(settings["window"]);
            for (auto& rule : run.gWindowRules) {
                rules >> rule;
            }
        }
        if (settings.contains("resample")) {
            run.gResample = textfile::kTrue;
            run.gResampleCount = static_cast<std::int16_t>(std::stoi(settings["resample"]));
        }
    }

    void runInto(const std::string& output, ws::LagPairFiles* reuse) {
        g.DataFileName = settings["pick"];
        g.InputMode = settings["input"] == "list" ? 4 : 1;
        g.OutputKind = settings["output"] == "csv" ? 2 : 1;
        g.OutputFileName = output;
        ws::SeqAnalysisRun(g, sp.platform, random, status, run, g.DataFileName, g.InputMode, reuse);
    }

    ScratchFolder scratch;
    std::optional<CurrentFolder> inCase;
    std::map<std::string, std::string> settings;
    testsupport::ScriptedPlatform sp;
    platform::FixedRandom random;
    ws::Global g;
    ws::QuietStatus status;
    ws::SequentialRun run;
};

TEST_P(SeqCase, ReportMatchesExpectedBytes) {
    runInto("report.out", nullptr);

    EXPECT_TRUE(sp.dialogs.boxes.empty());
    EXPECT_TRUE(testsupport::sameAsFile(readBytes("report.out"), settings["expected"]));
    if (settings.contains("slot")) {
        std::string slot;
        for (const auto& code : seqtest::slotCodes(g)) {
            slot += code + "\r\n";
        }
        EXPECT_TRUE(testsupport::sameAsFile(slot, settings["slot"]));
    }
    // Scratch files left beside the data, or what stood there before untouched.
    for (const char* kept : {"sbs", "ynf"}) {
        if (settings.contains(kept)) {
            const std::string name = settings[kept].substr(0, settings[kept].find(' '));
            EXPECT_TRUE(testsupport::sameAsFile(readBytes(name), settings[kept].substr(name.size() + 1)))
                << name;
        }
    }
    if (settings.contains("absent")) {
        EXPECT_FALSE(fs::exists(settings["absent"]));
    }
}

TEST_P(SeqCase, FilesKeptFromAnEarlierPairingGiveTheSameBytes) {
    ws::LagPairFiles reuse(g);
    std::swap(run.gGivens, run.gTargets);
    std::swap(run.gGivenCount, run.gTargetCount);
    runInto("earlier.out", &reuse);
    std::swap(run.gGivens, run.gTargets);
    std::swap(run.gGivenCount, run.gTargetCount);
    if (run.gWithinLevel == 0 && run.gEventLags != 0) {
        // Plain event-lag counts come from what the first pairing kept: the files are not read again.
        for (const auto& entry : fs::directory_iterator(scratch.path())) {
            if (entry.path().extension() == ".eve") {
                fs::remove(entry.path());
            }
        }
    }

    random = platform::FixedRandom{}; // the draws as from a fresh start
    runInto("report.out", &reuse);

    EXPECT_TRUE(testsupport::sameAsFile(readBytes("report.out"), settings["expected"]));
}

SUITE_FIXTURE_CASES(SeqCase, "sequential");

} // namespace
