// The DORU import with fuzzed options: one byte (translation, converted times), then the
// transcript and the translation file cut apart at a NUL byte. A read transcript's slot is in
// time order and ends in the end record.
#include "ImportFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const auto parts = fuzz::splitParts(fuzz::bytesOf(data + 1, size - 1), 2);
    const std::string path = fuzz::writeScratch("input.slt", parts[0]);
    ws::Global& g = fuzz::reusedGlobal(0);
    fuzz::emptySlots(g);
    fuzz::useFixedCodeSet(g);
    g.gDORUUseTranslation = (data[0] & 1) != 0 ? 1 : 0;
    g.gDORUConvertTimes = (data[0] & 2) != 0 ? 1 : 0;
    g.gDORUTransFile = fuzz::writeScratch("trans.txt", parts[1]);
    const ws::EventReadResult result = fuzz::readAsFormat(g, 3, path);
    fuzz::checkCleanSlot(g, result);
    return 0;
}
