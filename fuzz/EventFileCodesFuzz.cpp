// The event-file reader against a fuzzed code set: the input is a code-set file, a NUL byte,
// then an event file. A clean read's counts must equal a recount of the slot.
#include "FuzzSupport.h"

#include "support/ScriptedPlatform.h"
#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "workstation/analyses/FreqDurCounts.h"
#include "workstation/core/CodeSetFile.h"
#include "workstation/core/EventFile.h"

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::splitParts(fuzz::bytesOf(data, size), 2);
    testsupport::ScriptedPlatform sp;
    ws::Global& g = fuzz::reusedGlobal();
    g.Code_File = fuzz::writeScratch("codes.cod", parts[0]);
    if (ws::OpenCodeFile(g, sp.platform) != textfile::kTrue) {
        return 0;
    }
    const std::string path = fuzz::writeScratch("input.eve", parts[1]);
    g.OutputFileName = fuzz::scratchPath("report.txt");
    std::remove(g.OutputFileName.c_str());

    std::optional<ws::FreqDurCounter> counter;
    try {
        counter.emplace(g);
    } catch (const textfile::RunError&) {
        return 0; // a group number beyond 16 bits: every analysis refuses this code set
    }
    std::vector<int> rows;
    std::string header;
    if (!ws::ReadEventFile(g, sp.platform, path, 1, header, counter->index(), rows)) {
        return 0;
    }
    ws::FreqDurCounts withRows;
    ws::FreqDurCounts recount;
    bool rowsFailed = false;
    bool recountFailed = false;
    try {
        counter->countFile(g, rows, withRows);
    } catch (const textfile::RunError&) {
        rowsFailed = true;
    }
    try {
        counter->countFile(g, recount);
    } catch (const textfile::RunError&) {
        recountFailed = true;
    }
    if (rowsFailed != recountFailed ||
        (!rowsFailed && (withRows.frequency != recount.frequency || withRows.duration != recount.duration))) {
        fuzz::propertyFailed("a clean read's counts differ from a recount");
    }
    return 0;
}
