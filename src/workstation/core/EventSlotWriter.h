#pragma once
// A writer's hold on one event slot. A slot is emptied before each read only as far as its
// fill mark, so every write into a slot goes through a SlotWriter: when the writer lets go,
// the mark covers every index written and the slot's end index as the writer left it.

#include "workstation/core/EventSlots.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ws {

class SlotWriter {
public:
    SlotWriter(EventSlots& eventSlots, int slot);
    ~SlotWriter();
    SlotWriter(const SlotWriter&) = delete;
    SlotWriter& operator=(const SlotWriter&) = delete;

    // Inline: the reader writes every record through these.
    std::string& code(int index) {
        reach(index);
        return codes_[static_cast<std::size_t>(index)];
    }
    std::int32_t& time(int index) {
        reach(index);
        return times_[static_cast<std::size_t>(index)];
    }
    // The whole arrays, for a writer that moves records in bulk up to index `last`.
    std::vector<std::string>& codesUpTo(int last) {
        reach(last);
        return codes_;
    }
    std::vector<std::int32_t>& timesUpTo(int last) {
        reach(last);
        return times_;
    }
    const std::vector<std::string>& codes() const { return codes_; }
    const std::vector<std::int32_t>& times() const { return times_; }

private:
    void reach(int index) {
        if (index > furthest_) {
            furthest_ = index;
        }
    }
    EventSlots& slots_;
    int slot_;
    std::vector<std::string>& codes_;
    std::vector<std::int32_t>& times_;
    int furthest_ = 0;
};

} // namespace ws
