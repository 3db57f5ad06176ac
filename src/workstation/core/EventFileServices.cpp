#include "workstation/core/EventFileServices.h"

#include "workstation/core/CodeRowIndex.h"
#include "workstation/core/CodeSetFile.h"
#include "workstation/core/EventFile.h"
#include "workstation/core/EventFileCodes.h"
#include "workstation/core/EventFileEntries.h"
#include "workstation/core/EventFileSlots.h"
#include "workstation/core/EventSlotWriter.h"
#include "workstation/core/ImportedSlot.h"
#include "workstation/core/NativeEventReader.h"

#include "textfile/Files.h"
#include "textfile/Numeric.h"
#include "textfile/Paths.h"
#include "textfile/RunError.h"
#include "textfile/TextForms.h"

#include <optional>
#include <string_view>

namespace ws {
namespace {

// A last index from the slot itself or from a caller must stay inside the slot's arrays.
void requireSlotIndex(int index) {
    if (index < 0 || index > kMaxEvents) {
        throw textfile::RunError(textfile::kSubscriptOutOfRange);
    }
}

// No code-table row is an initial state yet, so ODF files start at index 1.
bool isInitialState(const Global&, int) {
    return false;
}

} // namespace

void CheckEventCodes(Global& g, int slot, std::int16_t& errorFlag, int endIndex,
                     const std::string& fileName) {
    const EntrySink sink = [&g](const std::string& entry) { appendErrorEntry(g, entry); };
    if (!checkEventCodes(g, g.codesOf(slot), endIndex, fileName, sink)) {
        errorFlag = textfile::kTrue;
    }
}

// The exact exchange steps decide the order of equal times, which reports depend on:
// this sort is deliberately not stable.
void SortEvents(Global& g, int slot) {
    SlotWriter writer(g, slot);
    sortSlotByTime(writer);
}

void WriteScratchEventFile(Global& g, int slot, const std::string& baseName, const std::string& header) {
    if (slot != 1 && slot != 2) {
        return; // an empty file would replace a good one for nothing
    }
    const auto& codes = g.codesOf(slot);
    const auto& times = g.timesOf(slot);
    const int last = times[0];
    requireSlotIndex(last);
    const std::string lineEnd(textfile::kLineEnd);
    std::string text = "Events" + lineEnd + header + lineEnd;
    for (int index = 1; index <= last; ++index) {
        text += codes[index] + "," + textfile::printNumber(times[index]) + lineEnd;
    }
    textfile::saveFileAtomically(baseName + ".eve", text);
}

std::int16_t InsertInitialStates(Global& g, int slot) {
    SlotWriter writer(g, slot);
    std::int16_t next = 1;
    for (int row = 1; row <= g.NumCodes; ++row) {
        if (isInitialState(g, row)) {
            writer.code(next) = g.CodeTable.code(row);
            writer.time(next) = 0;
            ++next;
        }
    }
    return next;
}

} // namespace ws
