// A fuzzed settings file through the store: loading it, saving what was loaded and loading
// again must give the same settings.
#include "FuzzSupport.h"

#include "platform/qt/QtSettingsStore.h"
#include "support/ScriptedPlatform.h"
#include "workstation/core/Settings.h"

#include <QString>

#include <filesystem>
#include <string>

namespace {

// Every setting as the save writes it.
std::map<testsupport::MemorySettings::Key, std::string> savedForm(ws::Global& g) {
    testsupport::ScriptedPlatform sp;
    ws::SaveSettings(g, sp.platform);
    return sp.settings.values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A folder per input: the settings library keeps files it has read, and a file rewritten
    // within the same second with the same size could be taken for the one it kept.
    static int run = 0;
    const std::string folder = fuzz::scratchPath("settings-" + std::to_string(++run));
    std::filesystem::create_directory(folder);
    fuzz::writeScratch("settings-" + std::to_string(run) + "/OSTRAVEL.ini", fuzz::bytesOf(data, size));

    platform::qt::QtSettingsStore store(QString::fromStdString(folder));
    testsupport::ScriptedPlatform sp;
    platform::Platform p{sp.dialogs, store,        sp.launcher, sp.sound,
                         sp.clock,   "/opt/suite", sp.printer,  sp.clipboard};
    ws::Global& first = fuzz::reusedGlobal(0);
    ws::LoadSettings(first, p);
    ws::SaveSettings(first, p);
    ws::Global& second = fuzz::reusedGlobal(1);
    ws::LoadSettings(second, p);
    if (savedForm(first) != savedForm(second)) {
        fuzz::propertyFailed("settings saved and loaded again differ from those loaded");
    }
    std::filesystem::remove_all(folder);
    return 0;
}
