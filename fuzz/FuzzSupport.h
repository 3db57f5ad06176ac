#pragma once
// What every fuzz target shares: a scratch folder of its own, inputs cut into parts, a small
// fixed code set, and a stop that sanitizers and libFuzzer report as a finding.

#include "workstation/core/Global.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// A folder made once per process, below the system's temporary folder.
const std::string& scratchFolder();
// scratchFolder() joined with name.
std::string scratchPath(const std::string& name);
// Writes bytes to scratchPath(name) and returns that path.
std::string writeScratch(const std::string& name, std::string_view bytes);

// The input as bytes.
std::string_view bytesOf(const std::uint8_t* data, std::size_t size);
// The input cut at NUL bytes into exactly `parts` pieces (the last takes the rest; missing
// pieces are empty), so one input can hold several files.
std::vector<std::string_view> splitParts(std::string_view input, std::size_t parts);

// A Global made once per slot number (0, 1, ...) and handed out again with every part but
// the event slots reset: making the slots anew for each input would cost more than the
// input's run. The readers re-create what they read into, as for any later file.
ws::Global& reusedGlobal(int which = 0);
// Slots exactly as a new Global has them, without allocating them again.
void emptySlots(ws::EventSlots& slots);

// Codes A, B, C (group 1), D, E (group 2), "$Gap$" and Z (group 0).
void useFixedCodeSet(ws::CodeSet& set);

// Stops the run as a finding, naming the property that failed.
[[noreturn]] void propertyFailed(const char* what);

} // namespace fuzz
