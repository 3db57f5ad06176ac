#pragma once
// What a data-file reader is given and what it gives back. A reader fills one slot through
// its SlotWriter, hands each error entry to the sink, and returns what it read; showing
// boxes, playing sounds and writing the entries out are the caller's.

#include "platform/Dialogs.h"
#include "workstation/core/CodeSet.h"
#include "workstation/core/EventFileRows.h"
#include "workstation/core/EventSlotWriter.h"
#include "workstation/core/WorkstationSettings.h"

#include <functional>
#include <optional>
#include <string>

namespace ws {

using EntrySink = std::function<void(const std::string& entry)>;

// The code cut-off: with gCutOffEvents set, each code is cut as gNumToUse says.
struct CutOffSettings {
    std::int16_t gCutOffEvents = 0;
    std::int16_t gNumToUse = 100;
};

// A run-time error that stopped a read.
struct ReadFailure {
    int number = 0;
    std::string description;
};

struct EventReadResult {
    bool endRecordRead = false;
    bool clean = false;                   // read to its end record with no data error
    std::optional<std::string> header;    // once the type line has been accepted
    std::string refusal;                  // why the file was refused before its records; empty otherwise
    std::optional<ReadFailure> failure;   // set when an error stopped the read
    int index = 0;                        // the record reached: the end record's on a whole read
    std::string copyBaseName;             // the slot kept as copyBaseName + ".eve"; empty: no copy
    std::optional<std::int16_t> timeBase; // an import's unit of the last time text converted
};

struct DataFileRead {
    const std::string& fileName;
    const WorkstationSettings& settings;
    const CodeSet& codeSet;
    SlotWriter& slot;
    EventFileRows& rows;
    const EntrySink& sink;
    platform::Dialogs* dialogs = nullptr; // the boxes an import shows; none when run on its own
};

} // namespace ws
