#pragma once
// Until the options dialog is built, its menu item and the analysis dialog's "Prefs..."
// say where the settings it would edit are kept.

#include "platform/Platform.h"
#include "workstation/core/Global.h"

#include <string>

namespace ws {

std::string optionsNotAvailableText(const std::string& settingsLocation, const std::string& codeFile);
void showOptionsNotAvailable(const Global& g, platform::Platform& p);

} // namespace ws
