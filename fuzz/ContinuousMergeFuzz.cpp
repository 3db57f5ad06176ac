// The continuous-variable merge: one option byte (header line, state changes, zero option),
// then the rules file and the CSV cut apart at a NUL byte, merged into a slot holding one
// event and the end record, with the fixed code set. A merge that does not fail leaves the
// slot in time order, the end record last, and every code in it one of the code set's.
#include "FuzzSupport.h"

#include "support/ScriptedPlatform.h"
#include "textfile/RunError.h"
#include "workstation/core/CodeSetFile.h"
#include "workstation/core/ContGrid.h"
#include "workstation/core/ContinuousMerge.h"
#include "workstation/core/EventSlotWriter.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const auto parts = fuzz::splitParts(fuzz::bytesOf(data + 1, size - 1), 2);
    ws::Global& g = fuzz::reusedGlobal(0);
    fuzz::emptySlots(g);
    fuzz::useFixedCodeSet(g);
    g.gContHeader = (data[0] & 1) != 0 ? 1 : 0;
    g.gContStateChange = (data[0] & 2) != 0 ? 1 : 0;
    g.gZeroCont = (data[0] & 4) != 0 ? 1 : 0;
    g.Code_File = fuzz::scratchPath("codes.cod");
    fuzz::writeScratch("ContVarGrid.csv", parts[0]);
    const std::string dataFile = fuzz::scratchPath("day.eve");
    fuzz::writeScratch("day.csv", parts[1]);
    g.ContGrid = ws::ContGridData{};
    try {
        ws::ReadContGrid(g.ContGrid, g.Code_File);
    } catch (const textfile::RunError&) {
        return 0;
    }
    {
        ws::SlotWriter slot(g, 1);
        slot.code(1) = "A";
        slot.time(1) = 10;
        slot.code(2) = ws::kSessionEndCode;
        slot.time(2) = 100;
        slot.time(0) = 2;
    }
    testsupport::ScriptedPlatform sp;
    try {
        ws::MergeContinuousData(g, sp.platform, 1, dataFile, "Session");
    } catch (const textfile::RunError&) {
        return 0;
    }
    const int last = g.EventTimes[0];
    if (last < 2 || last > ws::kMaxEvents) {
        fuzz::propertyFailed("a merge leaves an end index outside the slot");
    }
    if (g.EventCodes[static_cast<std::size_t>(last)] != ws::kSessionEndCode) {
        fuzz::propertyFailed("a merge leaves a record after the end record");
    }
    for (int index = 1; index < last; ++index) {
        if (ws::FindCode(g, g.EventCodes[static_cast<std::size_t>(index)]) == -1) {
            fuzz::propertyFailed("a merge inserts a code the code set lacks");
        }
    }
    for (int index = 2; index <= last; ++index) {
        if (g.EventTimes[index] < g.EventTimes[index - 1]) {
            fuzz::propertyFailed("a merge leaves the slot out of time order");
        }
    }
    return 0;
}
