// The sequential driver on one fuzzed event file with the fixed code set: the first byte
// chooses the output form, the direction and a within-level run, the second the lag (a
// signed byte). The report must be the same whether the file is counted from the slot or
// from the pair counts a press keeps after an earlier pairing.
#include "FuzzSupport.h"

#include "support/ScriptedPlatform.h"
#include "support/ScriptedRandom.h"
#include "textfile/Files.h"
#include "textfile/Numeric.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/sequential/LagPairFiles.h"
#include "workstation/sequential/SeqAnalysisRun.h"

#include <cstdio>

namespace {

void setCodes(std::vector<std::string>& codes, std::int16_t& count, std::vector<std::string> chosen) {
    count = static_cast<std::int16_t>(chosen.size());
    codes.assign(1, std::string());
    codes.insert(codes.end(), chosen.begin(), chosen.end());
}

std::string runInto(const std::string& name, ws::Global& g, testsupport::ScriptedPlatform& sp,
                    ws::SequentialRun& run, ws::LagPairFiles* reuse) {
    g.InputMode = ws::kSingleFileInput;
    g.DataFileName = fuzz::scratchPath("input.eve");
    g.OutputFileName = fuzz::scratchPath(name);
    std::remove(g.OutputFileName.c_str());
    ws::QuietStatus status;
    testsupport::ScriptedRandom random;
    ws::SeqAnalysisRun(g, sp.platform, random, status, run, g.DataFileName, g.InputMode, reuse);
    return textfile::fileExists(g.OutputFileName) ? textfile::readWholeFile(g.OutputFileName) : std::string();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    testsupport::ScriptedPlatform sp;
    ws::Global& g = fuzz::reusedGlobal();
    fuzz::useFixedCodeSet(g);
    g.AbortRun = 0;
    g.SkipToPooled = 0;
    const std::uint8_t mode = data[0];
    ws::SequentialRun run;
    run.gLagCount = static_cast<std::int8_t>(data[1]);
    run.gForward = (mode & 1) != 0 ? textfile::kFalse : textfile::kTrue;
    run.gWithinLevel = static_cast<std::int16_t>((mode & 2) != 0 ? 2 : 0);
    g.OutputKind = run.gWithinLevel != 0 || (mode & 4) != 0 ? ws::kCsvOutput : ws::kTextOutput;
    fuzz::writeScratch("input.eve", fuzz::bytesOf(data + 2, size - 2));

    setCodes(run.gGivens, run.gGivenCount, {"A", "$Gap$"});
    setCodes(run.gTargets, run.gTargetCount, {"C", "D"});
    const std::string fromSlot = runInto("slot.out", g, sp, run, nullptr);

    ws::LagPairFiles reuse(g);
    std::swap(run.gGivens, run.gTargets);
    std::swap(run.gGivenCount, run.gTargetCount);
    runInto("earlier.out", g, sp, run, &reuse);
    std::swap(run.gGivens, run.gTargets);
    std::swap(run.gGivenCount, run.gTargetCount);
    if (runInto("kept.out", g, sp, run, &reuse) != fromSlot) {
        fuzz::propertyFailed("a kept file counts as the slot does");
    }
    return 0;
}
