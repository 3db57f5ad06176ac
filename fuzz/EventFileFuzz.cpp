// The event-file reader with the fixed code set and fuzzed options: four option bytes
// (cut-off on or off, gNumToUse low and high byte, slot and gFileFormat), then the file.
// A slot that held an earlier file must read exactly as a fresh one, and a clean read's
// counts must equal a recount of the slot.
#include "FuzzSupport.h"

#include "support/ScriptedPlatform.h"
#include "textfile/Files.h"
#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "workstation/analyses/FreqDurCounts.h"
#include "workstation/core/EventFile.h"

#include <cstdio>
#include <optional>

namespace {

struct Options {
    std::int16_t cutOff;
    std::int16_t numToUse;
    int slot;
    std::int16_t format;
};

void apply(const Options& options, ws::Global& g, const std::string& output) {
    g.gCutOffEvents = options.cutOff;
    g.gNumToUse = options.numToUse;
    g.gFileFormat = options.format;
    g.OutputFileName = output;
    std::remove(output.c_str());
}

std::string outputOf(const std::string& path) {
    return textfile::fileExists(path) ? textfile::readWholeFile(path) : std::string("<none>");
}

std::optional<ws::FreqDurCounts> countsOf(const std::function<void(ws::FreqDurCounts&)>& count) {
    ws::FreqDurCounts counts;
    try {
        count(counts);
    } catch (const textfile::RunError&) {
        return std::nullopt;
    }
    return counts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) {
        return 0;
    }
    const Options options{static_cast<std::int16_t>((data[0] & 1) != 0 ? textfile::kTrue : textfile::kFalse),
                          static_cast<std::int16_t>(data[1] | (data[2] << 8)), (data[3] & 1) + 1,
                          static_cast<std::int16_t>((data[3] >> 1) % 5)};
    const std::string path = fuzz::writeScratch("input.eve", fuzz::bytesOf(data + 4, size - 4));

    testsupport::ScriptedPlatform fresh;
    ws::Global& g = fuzz::reusedGlobal(0);
    fuzz::emptySlots(g);
    fuzz::useFixedCodeSet(g);
    apply(options, g, fuzz::scratchPath("fresh.txt"));
    const ws::FreqDurCounter counter(g);
    std::vector<int> rows;
    std::string header;
    const bool clean =
        ws::ReadEventFile(g, fresh.platform, path, options.slot, header, counter.index(), rows);

    // One Global for the whole run: each input reads into what the inputs before left.
    ws::Global& reused = fuzz::reusedGlobal(1);
    fuzz::useFixedCodeSet(reused);
    testsupport::ScriptedPlatform again;
    apply(options, reused, fuzz::scratchPath("reused.txt"));
    std::string reusedHeader;
    const bool reusedClean = ws::ReadEventFile(reused, again.platform, path, options.slot, reusedHeader);

    // Reading slot 1 empties slot 2 as well; reading slot 2 leaves slot 1 as it was.
    const bool slotsAlike =
        g.codesOf(options.slot) == reused.codesOf(options.slot) &&
        g.timesOf(options.slot) == reused.timesOf(options.slot) &&
        (options.slot == 2 || (g.EventCodes2 == reused.EventCodes2 && g.EventTimes2 == reused.EventTimes2));
    if (clean != reusedClean || header != reusedHeader || !slotsAlike) {
        fuzz::propertyFailed("a reused slot reads differently from a fresh one");
    }
    if (outputOf(g.OutputFileName) != outputOf(reused.OutputFileName) ||
        fresh.dialogs.boxes.size() != again.dialogs.boxes.size()) {
        fuzz::propertyFailed("a reused slot reports differently from a fresh one");
    }

    if (clean && options.slot == 1) {
        ws::FreqDurCounter recounter(g);
        const auto withRows = countsOf([&](ws::FreqDurCounts& c) { recounter.countFile(g, rows, c); });
        const auto recount = countsOf([&](ws::FreqDurCounts& c) { recounter.countFile(g, c); });
        if (withRows.has_value() != recount.has_value() ||
            (withRows &&
             (withRows->frequency != recount->frequency || withRows->duration != recount->duration))) {
            fuzz::propertyFailed("a clean read's counts differ from a recount");
        }
    }
    return 0;
}
