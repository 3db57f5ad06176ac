#pragma once
// The native event file: "Events", a header line, one code and time per record, the end
// record "-500" last.

#include "workstation/core/DataFileRead.h"

namespace ws {

// Reads fileName into the slot. Codes the table lacks are checked after the end record
// (their entries follow those of the read). An error, the sink's own included, stops the
// read and comes back as the result's failure.
EventReadResult readNativeEventFile(const std::string& fileName, const CutOffSettings& cutOff,
                                    const CodeSet& codeSet, SlotWriter& slot, EventFileRows& rows,
                                    const EntrySink& sink);

// Entries for the codes of records 1..endIndex - 1 the table lacks; true when there were none.
bool checkEventCodes(const CodeSet& codeSet, const std::vector<std::string>& codes, int endIndex,
                     const std::string& fileName, const EntrySink& sink);

} // namespace ws
