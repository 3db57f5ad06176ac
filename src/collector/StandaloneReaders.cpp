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
        const std::string text =
            textfile::fileExists(g.Code_File)
                ? "The code file " + g.Code_File + " could not be read: " + reading.failure
                : "File Not Found: " + g.Code_File;
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
