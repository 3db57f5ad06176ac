#include "videocoder/core/EditorCodeTable.h"

#include "videocoder/core/CodeSetFile.h"
#include "videocoder/core/FileNames.h"
#include "videocoder/core/Settings.h"

namespace vc {

std::string EditorCodeTable::captionName() const {
    return FileNameOf(g_.codeSet.gCodeFileName);
}

// A file that is not read (a cancelled dialog, a damaged file read part way) leaves the set
// as it was; the name is OpenCodeFile's to say.
bool EditorCodeTable::open() {
    CodeSet before = g_.codeSet;
    if (OpenCodeFile(g_, links_)) {
        return true;
    }
    before.gCodeFileName = g_.codeSet.gCodeFileName;
    g_.codeSet = std::move(before);
    return false;
}

bool EditorCodeTable::save() {
    return SaveCodeFile(g_, links_);
}

void EditorCodeTable::saveSettings() {
    SaveSettings(g_.settings, settings_, links_.dialogs);
}

bool EditorCodeTable::changed() {
    return codeSetChanged(g_, links_);
}

void EditorCodeTable::markLoaded() {
    links_.codeFrmGroups.touch(g_);
}

void EditorCodeTable::unload() {
    discardCodeEditor(g_, links_);
}

void EditorCodeTable::emptyGroupNames() {
    for (int group = 0; group < kCodeGroups; ++group) {
        links_.codeFrmGroups.at(g_, group).clear();
    }
}

EditorGeometry EditorCodeTable::storedGeometry() const {
    const VideoSettings& s = g_.settings;
    return {s.gCodeLeft, s.gCodeTop, s.gCodeWidth, s.gCodeHeight};
}

void EditorCodeTable::storeGeometry(const EditorGeometry& geometry) {
    VideoSettings& s = g_.settings;
    // Stored as single-precision numbers.
    s.gCodeLeft = static_cast<float>(geometry.left);
    s.gCodeTop = static_cast<float>(geometry.top);
    s.gCodeWidth = static_cast<float>(geometry.width);
    s.gCodeHeight = static_cast<float>(geometry.height);
}

const CodeEditorDifferences& EditorCodeTable::differences() const {
    static const CodeEditorDifferences coder{
        .addLimit = 499,
        .placeFromStore = true,
        .emptyLoadCountsOne = true,
        .openReloads = false,
        .saveAsSavesFirst = true,
        .newEmptiesCodes = false,
        .unloadStoresGeometry = true,
    };
    return coder;
}

} // namespace vc
