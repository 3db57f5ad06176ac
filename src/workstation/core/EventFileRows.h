#pragma once
// The code-table rows of the codes a read stores, for a caller that counts by row and need
// not look them up again. A reader may note each record as it stores it, in order, so that a
// file whose codes are all in the table needs no second pass to check them; whatever it left
// unnoted (an import that sorts its records notes none) is filled from the slot after the
// read, in one place for every reader.

#include "workstation/core/CodeRowIndex.h"
#include "workstation/core/CodeSet.h"
#include "workstation/core/EventSlots.h"

#include <optional>
#include <string_view>
#include <vector>

namespace ws {

class EventFileRows {
public:
    // Looks codes up in `index` (an index of the current code table) and keeps the row of
    // each record in `rows` when they are given. Without an index it builds its own when
    // the table can have one (a count that runs past the table's rows cannot), and without
    // one it leaves every check to CheckEventCodes.
    EventFileRows(const CodeSet& set, const CodeRowIndex* index, std::vector<int>* rows);
    EventFileRows(const EventFileRows&) = delete;
    EventFileRows& operator=(const EventFileRows&) = delete;

    // The code of the record at `at` as the slot holds it (never empty). Inline: every
    // record of a file passes through here.
    void note(int at, std::string_view code) {
        if (index_ == nullptr) {
            return;
        }
        // CheckEventCodes looks codes up without the blanks around them: a code with any
        // is left to it.
        const bool bare = code.front() != ' ' && code.back() != ' ';
        noteRow(at, index_->rowOf(code), bare);
    }
    // note() for a code of at most eight bytes, none of them blanks, given as its
    // shortTextWord(): most records of a file come this way.
    void noteShort(int at, std::uint64_t word, std::size_t size) {
        if (index_ != nullptr) {
            noteRow(at, index_->shortRowOf(word, size), true);
        }
    }
    // Whether CheckEventCodes would find every code noted so far.
    bool allDefined() const { return index_ != nullptr && allDefined_; }
    // After the read: the rows of the slot's records that the reader did not note in order.
    void noteUnnoted(const EventSlots& eventSlots, int slot);
    // After a merge has changed the slot: the rows of its records as they are now.
    void noteSlot(const EventSlots& eventSlots, int slot);

private:
    void noteRow(int at, int row, bool bare) {
        if (rows_ != nullptr) {
            (*rows_)[static_cast<std::size_t>(at)] = row;
        }
        if (at == notedThrough_ + 1) {
            notedThrough_ = at;
        }
        allDefined_ = allDefined_ && row != -1 && bare;
    }

    std::optional<CodeRowIndex> ownIndex_;
    const CodeRowIndex* index_ = nullptr;
    std::vector<int>* rows_ = nullptr;
    bool allDefined_ = true;
    int notedThrough_ = 0; // records 1..notedThrough_ were noted in order
};

} // namespace ws
