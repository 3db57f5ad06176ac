#pragma once
// The slot services that the native reader, the imports and the continuous merge share:
// checking the codes of a slot, sorting it, writing it out as a scratch event file and
// putting the initial states in.

#include "workstation/core/Global.h"

#include <cstdint>
#include <string>

namespace ws {

void CheckEventCodes(Global& g, int slot, std::int16_t& errorFlag, int endIndex, const std::string& fileName);
void SortEvents(Global& g, int slot);
void WriteScratchEventFile(Global& g, int slot, const std::string& baseName, const std::string& header);
std::int16_t InsertInitialStates(Global& g, int slot);

} // namespace ws
