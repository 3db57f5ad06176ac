// The slot services that the native reader, the imports and the continuous merge share.
#include "workstation/core/CodeRowIndex.h"
#include "workstation/core/CodeSetFile.h"
#include "workstation/core/EventFile.h"
#include "workstation/core/EventFileCodes.h"
#include "workstation/core/EventFileEntries.h"
#include "workstation/core/EventFileSlots.h"

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
    const auto& codes = g.codesOf(slot);
    requireSlotIndex(endIndex - 1);
    // A count past the table's rows fails inside the lookup for the first code it does not
    // find; that failure stays with the lookup row by row.
    std::optional<CodeRowIndex> known;
    if (g.NumCodes <= g.CodeTable.rows()) {
        known.emplace(g);
    }
    for (int index = 1; index < endIndex; ++index) {
        const std::string_view code = codeWithoutBlanks(codes[index]);
        const bool defined = known ? known->rowOf(code) != -1 : FindCode(g, std::string(code)) != -1;
        if (!defined) {
            appendErrorEntry(g.OutputFileName, undefinedCodeEntry(fileName, index, std::string(code)));
            errorFlag = textfile::kTrue;
        }
    }
}

// The exact exchange steps decide the order of equal times, which reports depend on:
// this sort is deliberately not stable.
void SortEvents(Global& g, int slot) {
    auto& codes = g.codesOf(slot);
    auto& times = g.timesOf(slot);
    const int last = times[0];
    requireSlotIndex(last);
    for (int i = 1; i < last; ++i) {
        for (int j = i + 1; j <= last; ++j) {
            if (times[j] < times[i]) {
                textfile::SwapValues(times[i], times[j]);
                textfile::SwapValues(codes[i], codes[j]);
            }
        }
    }
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
    auto& codes = g.codesOf(slot);
    auto& times = g.timesOf(slot);
    std::int16_t next = 1;
    for (int row = 1; row <= g.NumCodes; ++row) {
        if (isInitialState(g, row)) {
            markSlotFilled(g, slot, next);
            codes[next] = g.CodeTable.code(row);
            times[next] = 0;
            ++next;
        }
    }
    return next;
}

} // namespace ws
