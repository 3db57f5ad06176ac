#pragma once
// What the fuzz targets of the imports share: a read through the format's reader on its own,
// and the shape every clean import leaves: records in time order, the end record last.

#include "FuzzSupport.h"

#include "workstation/core/DataFileReaders.h"
#include "workstation/core/EventFileRows.h"

#include <string>

namespace fuzz {

inline ws::EventReadResult readAsFormat(ws::Global& g, int format, const std::string& path) {
    const ws::EntrySink sink = [](const std::string&) {};
    ws::EventFileRows rows(g, nullptr, nullptr);
    ws::SlotWriter slot(g, 1);
    return ws::readerForFormat(format)(ws::DataFileRead{path, g, g, slot, rows, sink});
}

inline void checkCleanSlot(const ws::Global& g, const ws::EventReadResult& result) {
    if (!result.endRecordRead) {
        return;
    }
    const int last = g.EventTimes[0];
    if (last < 1 || last > ws::kMaxEvents || g.EventCodes[last] != ws::kSessionEndCode) {
        propertyFailed("a read import does not end in the end record");
    }
    for (int index = 2; index <= last; ++index) {
        if (g.EventTimes[index] < g.EventTimes[index - 1]) {
            propertyFailed("a read import is out of time order");
        }
    }
}

} // namespace fuzz
