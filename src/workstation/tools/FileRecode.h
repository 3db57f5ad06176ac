#pragma once
// The recoding run: one event file, or every file of an "Event Files" list, read through
// ReadEventFile, recoded, and written beside its input as the input's name & "r.eve".

#include "platform/Platform.h"
#include "workstation/core/Global.h"
#include "workstation/tools/RecodeEvents.h"

#include <functional>
#include <string>

namespace ws {

// showProgress receives "Processing-" & each list entry before it is recoded.
void FileRecode(Global& g, platform::Platform& p, const RecodeChoice& choice,
                const std::function<void(const std::string&)>& showProgress);

} // namespace ws
