// The code setup reader on any bytes: it takes a file or throws RunError, and a setup it
// takes writes out and reads back the same.
#include "FuzzSupport.h"

#include "textfile/RunError.h"
#include "workstation/sequential/SeqSetupFile.h"

namespace {

bool oneLine(const std::string& text) {
    return text.find_first_of("\r\n") == std::string::npos;
}

bool sameSetup(const ws::SeqSetup& a, const ws::SeqSetup& b) {
    return a.givens == b.givens && a.targets == b.targets && a.merge == b.merge && a.backward == b.backward &&
           a.givensAsGroup == b.givensAsGroup && a.eventLags == b.eventLags && a.timeWindow == b.timeWindow &&
           a.countText == b.countText;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::optional<ws::SeqSetup> setup;
    try {
        setup = ws::parseSeqSetup(std::string(fuzz::bytesOf(data, size)));
    } catch (const textfile::RunError&) {
        return 0;
    }
    if (!setup) {
        return 0;
    }
    for (const auto* codes : {&setup->givens, &setup->targets}) {
        for (const auto& code : *codes) {
            if (!oneLine(code)) {
                return 0;
            }
        }
    }
    // A quoted count text may hold what a bare one cannot.
    if (setup->countText.find_first_of(",\"\r\n") != std::string::npos) {
        return 0;
    }
    const auto again = ws::parseSeqSetup(ws::seqSetupBytes(*setup));
    if (!again || !sameSetup(*again, *setup)) {
        fuzz::propertyFailed("a setup file that was read did not read back the same once saved");
    }
    return 0;
}
