// Presses of the sequential window's start button over generated lists, each against one
// read() of the list and its files plus one write() of as many bytes as the press's report.
// - By event lags: 5 givens by 5 targets, lag 1, 50 files of 19999 events and the end record
//   each (a full event slot).
// - By time windows: 3 givens by 3 targets, window type 1 of five seconds, scrap files killed,
//   20 one-hour files in tenths of a second (36,000 units, about 2,000 events over 4 groups).
#include "BenchFiles.h"
#include "platform/Random.h"
#include "support/ScriptedPlatform.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/core/CodeSetFile.h"
#include "workstation/core/RunOutput.h"
#include "workstation/sequential/LagPairFiles.h"
#include "workstation/sequential/SeqAnalysisRun.h"
#include "workstation/sequential/SeqTimeWindow.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct StudyShape {
    const char* name;
    int files;
    int eventsPerFile;
    int codes;
    int groups;
    int maxStep;  // between events, in time units
    int lastTime; // the end record's time; 0: five units after the last event
};

constexpr StudyShape kLagStudy{"sequential", 50, 19999, 20, 4, 3, 0};
constexpr StudyShape kWindowStudy{"time-window", 20, 2000, 12, 4, 35, 35999};

std::string codeName(int k) {
    return "C" + std::to_string(k);
}

// Generated once per process in a scratch folder, removed when the process ends.
class Study {
public:
    explicit Study(const StudyShape& shape) : folder_(std::string(shape.name) + "-bench") {
        std::string codes = " " + std::to_string(shape.codes) + " \r\n";
        for (int k = 1; k <= shape.codes; ++k) {
            codes += "\"" + codeName(k) + "\",\"Behaviour " + std::to_string(k) + "\"," +
                     std::to_string(k % shape.groups + 1) + "\r\n";
        }
        for (int group = 0; group <= 48; ++group) {
            codes += "\"\"\r\n";
        }
        bench::writeFile(folder_ / "bench.cod", codes);

        std::mt19937 random(20261210);
        std::uniform_int_distribution<int> code(1, shape.codes);
        std::uniform_int_distribution<int> step(0, shape.maxStep);
        std::string list = "\"Event Files\"\r\n " + std::to_string(shape.files) + " \r\n";
        for (int f = 0; f < shape.files; ++f) {
            std::string text = "Events\r\nGenerated session " + std::to_string(f) + "\r\n";
            int time = 0;
            for (int e = 0; e < shape.eventsPerFile && (shape.lastTime == 0 || time < shape.lastTime); ++e) {
                time += step(random);
                text += codeName(code(random)) + "," + std::to_string(time) + "\r\n";
            }
            text += "-500," +
                    std::to_string(shape.lastTime == 0 ? time + 5 : std::max(time, shape.lastTime)) + "\r\n";
            const fs::path path = folder_ / ("s" + std::to_string(f) + ".eve");
            bench::writeFile(path, text);
            files_.push_back(path.string());
            list += path.string() + "\r\n";
        }
        bench::writeFile(folder_ / "study.lst", list);

        g.Code_File = (folder_ / "bench.cod").string();
        ws::OpenCodeFile(g, doubles.platform);
        g.OutputFileName = (folder_ / "study.lst.txt").string();
        g.OutputKind = ws::kTextOutput;
    }
    const std::vector<std::string>& files() const { return files_; }
    std::string list() const { return (folder_ / "study.lst").string(); }
    fs::path folder() const { return folder_.path(); }
    bool scratchFilesLeft() const {
        for (const auto& entry : fs::directory_iterator(folder_.path())) {
            if (entry.path().extension() == ".SBS" || entry.path().extension() == ".YNF") {
                return true;
            }
        }
        return false;
    }

    testsupport::ScriptedPlatform doubles;
    ws::Global g;

private:
    bench::ScratchFolder folder_;
    std::vector<std::string> files_;
};

Study& lagStudy() {
    static Study instance(kLagStudy);
    return instance;
}

Study& windowStudy() {
    static Study instance(kWindowStudy);
    return instance;
}

// What the start button does for one press: every pairing of one given and one target,
// the driver once for each, the files of the press read once. run holds all but the codes.
void timePress(benchmark::State& state, Study& study, ws::SequentialRun run, int codesPerSide) {
    ws::QuietStatus status;
    platform::FixedRandom random;
    run.gGivens.resize(2);
    run.gTargets.resize(2);
    run.gGivenCount = 1;
    run.gTargetCount = 1;
    bench::Baseline baseline;
    baseline.reads({study.list()}).reads(study.files()).writesAsMuchAs(study.folder() / "baseline.txt", [&] {
        return std::vector<std::string>{study.g.OutputFileName};
    });
    bench::contest(
        state, codesPerSide * codesPerSide, [&] { std::remove(study.g.OutputFileName.c_str()); },
        [&] {
            ws::RunOutputHold output(study.g); // the press's report goes out in one append
            ws::LagPairFiles reuse(study.g);
            for (int given = 1; given <= codesPerSide; ++given) {
                for (int target = codesPerSide + 1; target <= 2 * codesPerSide; ++target) {
                    run.gGivens[1] = codeName(given);
                    run.gTargets[1] = codeName(target);
                    study.g.DataFileName = study.list();
                    study.g.InputMode = ws::kListFileInput;
                    ws::SeqAnalysisRun(study.g, study.doubles.platform, random, status, run,
                                       study.g.DataFileName, study.g.InputMode, &reuse);
                }
            }
            output.write();
        },
        baseline);
    if (!study.doubles.dialogs.boxes.empty() || study.scratchFilesLeft()) {
        state.SkipWithError("the run took its failure path or left scratch files");
    }
}

void BM_SequentialPress(benchmark::State& state) {
    timePress(state, lagStudy(), ws::SequentialRun{}, 5);
}

void BM_TimeWindowPress(benchmark::State& state) {
    ws::SequentialRun run;
    run.gEventLags = 0;
    run.gLagCount = 50; // five seconds
    run.gWindowRules = {ws::kWindowFromOnset, 1, 0, 0, 1, 0, 1};
    timePress(state, windowStudy(), run, 3);
}

} // namespace

BENCHMARK(BM_SequentialPress)->Iterations(7)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TimeWindowPress)->Iterations(7)->Unit(benchmark::kMillisecond);
