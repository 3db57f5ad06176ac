// The ODF reader with fuzzed options: one byte (convert times, zero justify, code cut-off),
// then the file. A clean read ends in the end record, in time order from time 0 when justified.
#include "ImportFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const std::string path = fuzz::writeScratch("input.odf", fuzz::bytesOf(data + 1, size - 1));
    ws::Global& g = fuzz::reusedGlobal(0);
    fuzz::emptySlots(g);
    fuzz::useFixedCodeSet(g);
    g.gODFConvertTimes = (data[0] & 1) != 0 ? 1 : 0;
    g.gODFZeroJustify = (data[0] & 2) != 0 ? 1 : 0;
    g.gCutOffEvents = (data[0] & 4) != 0 ? -1 : 0;
    g.gNumToUse = 101;
    const ws::EventReadResult result = fuzz::readAsFormat(g, 2, path);
    if (result.clean) {
        fuzz::checkCleanSlot(g, result);
        if (g.gODFZeroJustify != 0 && g.EventTimes[1] != 0) {
            fuzz::propertyFailed("a justified ODF read does not start at 0");
        }
    }
    return 0;
}
