// The ODF reader with fuzzed options: one byte (convert times, zero justify, code cut-off),
// then the file. A clean read ends in the end record, in time order from time 0 when justified.
#include "FuzzSupport.h"

#include "workstation/core/DataFileReaders.h"
#include "workstation/core/EventFileRows.h"

#include <string>

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

    std::string entries;
    const ws::EntrySink sink = [&entries](const std::string& entry) { entries += entry; };
    ws::EventReadResult result;
    {
        ws::EventFileRows rows(g, nullptr, nullptr);
        ws::SlotWriter slot(g, 1);
        result = ws::readerForFormat(2)(ws::DataFileRead{path, g, g, slot, rows, sink});
    }
    if (result.clean) {
        const int last = g.EventTimes[0];
        if (last < 1 || last > ws::kMaxEvents || g.EventCodes[last] != ws::kSessionEndCode) {
            fuzz::propertyFailed("a clean ODF read does not end in the end record");
        }
        for (int index = 2; index <= last; ++index) {
            if (g.EventTimes[index] < g.EventTimes[index - 1]) {
                fuzz::propertyFailed("a clean ODF read is out of time order");
            }
        }
        if (g.gODFZeroJustify != 0 && g.EventTimes[1] != 0) {
            fuzz::propertyFailed("a justified ODF read does not start at 0");
        }
    }
    return 0;
}
