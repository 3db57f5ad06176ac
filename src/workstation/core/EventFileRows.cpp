#include "workstation/core/EventFileRows.h"

#include <algorithm>

namespace ws {

EventFileRows::EventFileRows(const CodeSet& set, const CodeRowIndex* index, std::vector<int>* rows)
    : index_(index), rows_(rows) {
    if (index_ == nullptr && set.NumCodes <= set.CodeTable.rows()) {
        index_ = &ownIndex_.emplace(set);
    }
    if (rows_ != nullptr) {
        rows_->resize(kMaxEvents + 1);
    }
}

void EventFileRows::noteUnnoted(const EventSlots& eventSlots, int slot) {
    if (index_ == nullptr || rows_ == nullptr) {
        return;
    }
    const auto& codes = eventSlots.codesOf(slot);
    const int end = std::clamp(eventSlots.timesOf(slot)[0], 0, kMaxEvents);
    for (int at = notedThrough_ + 1; at < end; ++at) {
        (*rows_)[static_cast<std::size_t>(at)] = index_->rowOf(codes[static_cast<std::size_t>(at)]);
    }
    notedThrough_ = std::max(notedThrough_, end - 1);
}

void EventFileRows::noteSlot(const EventSlots& eventSlots, int slot) {
    notedThrough_ = 0;
    noteUnnoted(eventSlots, slot);
}

} // namespace ws
