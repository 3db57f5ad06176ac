// The time-window scratch readers on fuzzed bytes: the input's first byte chooses the window
// type and switches, the second the window length; the rest, cut at a NUL, is a
// second-by-second file and a yes/no file. Every unit read gives one yes/no line and one
// count, and a yes/no file of any bytes tallies without reading past its end.
#include "FuzzSupport.h"

#include "workstation/sequential/SeqTimeWindow.h"

namespace {

std::int64_t totalOf(const ws::SeqTable& t) {
    return static_cast<std::int64_t>(t[1][1]) + t[1][2] + t[2][1] + t[2][2];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    ws::SequentialRun run;
    run.gGivens = {"", "A"};
    run.gGivenCount = 1;
    run.gTargets = {"", "B"};
    run.gTargetCount = 1;
    run.gWindowRules[0] = static_cast<std::int16_t>(data[0] % 4 + 1);
    for (int k = 1; k <= 5; ++k) {
        run.gWindowRules[static_cast<std::size_t>(k)] = static_cast<std::int16_t>((data[0] >> (k + 1)) & 1);
    }
    run.gLagCount = static_cast<std::int8_t>(data[1]);
    const auto parts = fuzz::splitParts(fuzz::bytesOf(data + 2, size - 2), 2);
    const std::string sbs = fuzz::writeScratch("input.SBS", parts[0]);

    const ws::WindowUnits units = ws::readWindowUnits(run, sbs, 2);
    const ws::WindowUnits levelUnits = ws::readWindowUnits(run, sbs, 2, 2);
    run.gLevelCodes = {"", "P", "Q"};
    run.gSeqLevelTable.assign(3, ws::SeqTable{});
    ws::tallyYnfLines(run, ws::ynfText(run, units));
    ws::tallyYnfLevelLines(run, ws::ynfText(run, levelUnits), 2, [] {});
    const std::int64_t expected = run.gWindowRules[0] <= 3 ? units.count() : 0;
    std::int64_t levels = 0;
    for (const auto& table : run.gSeqLevelTable) {
        levels += totalOf(table);
    }
    // A level code can hold a line end only when a garbled file quoted one.
    bool oneLineLevels = true;
    for (const std::string& level : levelUnits.level) {
        oneLineLevels = oneLineLevels && level.find_first_of("\r\n") == std::string::npos;
    }
    if (levelUnits.count() != units.count() || totalOf(run.gSeqTable) != expected ||
        (oneLineLevels && levels != expected)) {
        fuzz::propertyFailed("one yes/no line and one count per unit");
    }

    ws::tallyYnfLines(run, std::string(parts[1]));
    ws::tallyYnfLevelLines(run, std::string(parts[1]), 2, [] {});
    return 0;
}
