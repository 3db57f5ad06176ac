// The workstation's import of video-coder data files with fuzzed options: one byte (combining,
// header start and end, seconds; the group states follow from it), then the file. A read
// file's slot is in time order and ends in the end record.
#include "ImportFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const std::string path = fuzz::writeScratch("input.qvd", fuzz::bytesOf(data + 1, size - 1));
    ws::Global& g = fuzz::reusedGlobal(0);
    fuzz::emptySlots(g);
    fuzz::useFixedCodeSet(g);
    g.gVTRSCombine = (data[0] & 1) != 0 ? 1 : 0;
    g.gVTRSStartTime = (data[0] & 2) != 0 ? 1 : 0;
    g.gVTRSEndTime = (data[0] & 4) != 0 ? 1 : 0;
    g.gVintro2Secs = (data[0] & 8) != 0 ? 1 : 0;
    for (std::size_t group = 0; group < g.ColumnGroupStates.size(); ++group) {
        g.ColumnGroupStates[group] = static_cast<std::int16_t>((data[0] >> 4) + group) % 3;
    }
    const ws::EventReadResult result = fuzz::readAsFormat(g, 1, path);
    // Header times may lie anywhere, so only the records before the end record are ordered.
    if (result.clean && g.EventCodes[static_cast<std::size_t>(g.EventTimes[0])] != ws::kSessionEndCode) {
        fuzz::propertyFailed("a read data file does not end in the end record");
    }
    return 0;
}
