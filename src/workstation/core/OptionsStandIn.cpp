#include "workstation/core/OptionsStandIn.h"

#include "workstation/core/ContGrid.h"
#include "workstation/core/SettingsTable.h"

namespace ws {

std::string optionsNotAvailableText(const std::string& settingsLocation, const std::string& codeFile) {
    return "The options dialog is not available yet.\rThe input format and the import settings are kept in " +
           settingsLocation +
           " (sections \"Analysis Settings\", \"VTRS Settings\", \"ODF Settings\", \"DORU Settings\" and "
           "\"CVar Settings\").\rThe continuous-variable rules are kept in " +
           contGridFileName(codeFile) + ".";
}

void showOptionsNotAvailable(const Global& g, platform::Platform& p) {
    p.dialogs.messageBox(optionsNotAvailableText(p.settings.location(kSettingsApp), g.Code_File), "TALVOR",
                         platform::Buttons::OK, platform::Icon::Information);
}

} // namespace ws
