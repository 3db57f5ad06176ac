#pragma once
// File-type registration on a freedesktop.org desktop: the type's shared-mime-info package
// and the program's Desktop Entry under the data home, the program as the type's default in
// the config home's mimeapps.list, then the two caches rebuilt by their own programs.

#include "platform/FileTypes.h"
#include "platform/Launcher.h"

#include <string>

namespace platform::qt {

class XdgFileTypes : public FileTypes {
public:
    // dataHome and configHome are $XDG_DATA_HOME and $XDG_CONFIG_HOME (tests pass scratch
    // folders); the launcher starts update-mime-database and update-desktop-database.
    XdgFileTypes(std::string dataHome, std::string configHome, Launcher& launcher);

    void registerType(const FileTypeRegistration& registration) override;

    // The homes of the running user: the environment's, or ~/.local/share and ~/.config.
    static std::string userDataHome();
    static std::string userConfigHome();

private:
    std::string dataHome_;
    std::string configHome_;
    Launcher& launcher_;
};

} // namespace platform::qt
