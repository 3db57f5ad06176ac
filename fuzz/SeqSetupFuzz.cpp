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
    // A quoted count text may hold what the bare line it is saved as cannot: a comma, a quote,
    // a line end, blanks at either end (the layout keeps those as the window had them, and they
    // read back cut, as the fixture cases "comma-code" and "count-with-blanks" show).
    const std::string& count = setup->countText;
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    if (count.find_first_of(",\"\r\n") != std::string::npos ||
        (!count.empty() && (blank(count.front()) || blank(count.back())))) {
        return 0;
    }
    const auto again = ws::parseSeqSetup(ws::seqSetupBytes(*setup));
    if (!again || !sameSetup(*again, *setup)) {
        fuzz::propertyFailed("a setup file that was read did not read back the same once saved");
    }
    return 0;
}
