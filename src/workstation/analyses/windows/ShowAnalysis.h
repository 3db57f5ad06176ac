#pragma once
// The main window's way into the analysis dialog: write the title, load, show modally.

#include "platform/Platform.h"
#include "workstation/analyses/windows/Anal.h"

#include <functional>
#include <string>

namespace ws {

std::function<void(const std::string& title)> makeShowAnalysis(Anal& anal, platform::Platform& p);

} // namespace ws
