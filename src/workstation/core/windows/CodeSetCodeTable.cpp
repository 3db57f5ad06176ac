#include "workstation/core/windows/CodeSetCodeTable.h"

#include "textfile/Numeric.h"
#include "textfile/Paths.h"
#include "textfile/RunError.h"
#include "workstation/core/CodeSetFile.h"

namespace ws {

void CodeSetCodeTable::setCount(int count) {
    g_.NumCodes = textfile::toInt16(count);
}

textfile::Value& CodeSetCodeTable::cell(int field, int row) {
    if (field < 1 || field > 3 || row < 1 || row > g_.CodeTable.rows()) {
        throw textfile::RunError(textfile::kSubscriptOutOfRange);
    }
    return g_.CodeTable(field, row);
}

std::string CodeSetCodeTable::captionName() const {
    return textfile::FileNameOnly(g_.Code_File);
}

bool CodeSetCodeTable::open() {
    if (OpenCodeFile(g_, p_) == textfile::kFalse) {
        return false;
    }
    baseline_ = codeSetBytes(g_);
    return true;
}

bool CodeSetCodeTable::save() {
    if (SaveCodeFile(g_, p_) == textfile::kFalse) {
        return false;
    }
    baseline_ = codeSetBytes(g_);
    return true;
}

void CodeSetCodeTable::saveSettings() {
    SaveSettings(g_, p_, mainWindow_, calls_ != nullptr ? *calls_ : SettingsCalls{});
}

bool CodeSetCodeTable::changed() {
    return codeSetBytes(g_) != baseline_;
}

// The set in memory is the one read at start or by the editor's last visit; the load that
// every action re-runs leaves what counts as changed alone.
void CodeSetCodeTable::markLoaded() {
    if (!loaded_) {
        baseline_ = codeSetBytes(g_);
        loaded_ = true;
    }
}

void CodeSetCodeTable::emptyGroupNames() {
    g_.GroupNames.fill({});
}

const vc::CodeEditorDifferences& CodeSetCodeTable::differences() const {
    static const vc::CodeEditorDifferences workstation{
        .addLimit = 999,
        .placeFromStore = false,
        .emptyLoadCountsOne = false,
        .openReloads = true,
        .saveAsSavesFirst = false,
        .newEmptiesCodes = true,
        .unloadStoresGeometry = false,
    };
    return workstation;
}

} // namespace ws
