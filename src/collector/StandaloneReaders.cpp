#include "collector/StandaloneReaders.h"

#include "textfile/Files.h"
#include "workstation/core/CodeSetFile.h"
#include "workstation/core/Settings.h"

#include <utility>

namespace collector {

void readStandaloneCodeSet(ws::Global& g, platform::Platform& p, const std::string& title) {
    ws::CodeSetReading reading = ws::readCodeSetFile(g.Code_File);
    if (!reading.read) {
        ws::CodeSetContents none;
        none.table.resize(1);
        ws::useCodeSet(g, std::move(none));
        // The collector never asks for a code set: say where it comes from and how to choose one.
        const std::string text =
            (textfile::fileExists(g.Code_File)
                 ? "The code file " + g.Code_File + " could not be read: " + reading.failure
                 : "File Not Found: " + g.Code_File) +
            "\r\nThe collector uses the code set last chosen in the workstation (ostravel). Choose one "
            "there (it asks for one at its first start; later in Preferences, \"Helper Files\"), then "
            "start the collector again.";
        p.dialogs.messageBox(text, title, platform::Buttons::OK, platform::Icon::Exclamation);
        return;
    }
    ws::useCodeSet(g, std::move(reading.contents));
}

void readStandaloneSettings(ws::Global& g, platform::Platform& p, const std::string& title) {
    ws::loadSettingsReadOnly(g, p.settings);
    readStandaloneCodeSet(g, p, title);
}

} // namespace collector
