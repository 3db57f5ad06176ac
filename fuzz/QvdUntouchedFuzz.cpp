// The video coder opens a data file and the code set it names, then exits without an edit:
// whatever the bytes, both files keep them and nothing is left beside them. The input is
// the data file, a NUL, then the code set; "@FOLDER@" in the data file stands for the
// folder both are written to.
#include "FuzzSupport.h"

#include "textfile/Files.h"
#include "videocoder/core/CodeSetFile.h"
#include "videocoder/core/CodingWindowClose.h"
#include "videocoder/core/DataFile.h"
#include "videocoder/core/RecordingCodingWindow.h"

#include <string>

namespace {

std::string withFolder(std::string text, const std::string& folder) {
    for (std::size_t at = text.find("@FOLDER@"); at != std::string::npos; at = text.find("@FOLDER@", at)) {
        text.replace(at, 8, folder);
        at += folder.size();
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string_view> parts = fuzz::splitParts(fuzz::bytesOf(data, size), 2);
    const std::string dataBytes = withFolder(std::string(parts[0]), fuzz::scratchFolder());
    const std::string dataPath = fuzz::writeScratch("data.qvd", dataBytes);
    const std::string codePath = fuzz::writeScratch("set.cod", parts[1]);

    vctest::Coder coder;
    coder.g.data.gFileName = dataPath;
    vc::OpenDataFile(coder.g, coder.links);
    // Exit: the code-set editor, then the coding window.
    if (vc::unloadCodeEditor(coder.g, coder.links) != vc::CodeEditorUnload::Unloaded) {
        fuzz::propertyFailed("an unchanged code set could not be closed");
    }
    if (coder.g.open.gDataOpen != 0 && !vc::closeCodingWindow(coder.g, coder.links)) {
        fuzz::propertyFailed("an unchanged data file could not be closed");
    }
    if (textfile::readWholeFile(dataPath) != dataBytes) {
        fuzz::propertyFailed("opening and closing a data file changed it");
    }
    if (textfile::readWholeFile(codePath) != parts[1]) {
        fuzz::propertyFailed("opening and closing a data file changed its code set");
    }
    if (textfile::fileExists(platform::lockFileOf(dataPath))) {
        fuzz::propertyFailed("a closed data file left its lock");
    }
    return 0;
}
