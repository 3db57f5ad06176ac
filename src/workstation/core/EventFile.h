#pragma once
// Reading data files into an event slot, and the small services other readers share.

#include "platform/Platform.h"
#include "workstation/core/Global.h"

#include <cstdint>
#include <string>

namespace ws {

// Reads a data file in the format gFileFormat chooses into slot 1 or 2. Data errors are
// appended to OutputFileName; true only when the file was read to its end record cleanly.
// Throws only when OutputFileName itself cannot be appended to (RunError 75).
bool ReadEventFile(Global& g, platform::Platform& p, const std::string& fileName, int slot,
                   std::string& header);
void CheckEventCodes(Global& g, int slot, std::int16_t& errorFlag, int endIndex, const std::string& fileName);
void SortEvents(Global& g, int slot);
void WriteScratchEventFile(Global& g, int slot, const std::string& baseName, const std::string& header);
std::int16_t InsertInitialStates(Global& g, int slot);

} // namespace ws
