#include "workstation/core/ImportedSlot.h"

#include "textfile/Paths.h"
#include "textfile/RunError.h"

namespace ws {

void sortSlotByTime(SlotWriter& slot) {
    const int last = slot.times()[0];
    if (last < 0 || last > kMaxEvents) {
        throw textfile::RunError(textfile::kSubscriptOutOfRange);
    }
    auto& codes = slot.codesUpTo(last);
    auto& times = slot.timesUpTo(last);
    for (int i = 1; i < last; ++i) {
        for (int j = i + 1; j <= last; ++j) {
            if (times[j] < times[i]) {
                textfile::SwapValues(times[i], times[j]);
                textfile::SwapValues(codes[i], codes[j]);
            }
        }
    }
}

void appendImportedEvent(SlotWriter& slot, const std::string& code, std::int32_t time) {
    const int index = slot.times()[0] + 1;
    if (index > kMaxEvents) {
        throw textfile::RunError(textfile::kSubscriptOutOfRange);
    }
    slot.code(index) = code;
    slot.time(index) = time;
    slot.time(0) = index;
}

} // namespace ws
