#pragma once
// What the event-file and import cases compare: a slot as text, and expected files that
// name the data file's path as {path}.

#include "workstation/core/Global.h"

#include <string>

namespace ws {

// The header, element 0 and every index up to the last one holding anything, so stale
// records past the end show up too.
std::string slotDump(const Global& g, int slot, const std::string& header);
// The text with every "{path}" replaced by path.
std::string withPath(std::string text, const std::string& path);

} // namespace ws
