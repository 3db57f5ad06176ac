#include "workstation/core/SettingsTable.h"

namespace ws {
namespace {

constexpr int kColumnGroups = 51;

using S = WorkstationSettings;

std::vector<SettingEntry> buildTable() {
    const std::string collection = "Collection Settings";
    const std::string analysis = "Analysis Settings";
    const std::string startUp = "StartUp";
    const std::string vtrs = "VTRS Settings";
    const std::string doru = "DORU Settings";
    const std::string odf = "ODF Settings";
    const std::string cVar = "CVar Settings";
    std::vector<SettingEntry> table = {
        {collection, "gSoundsOn", &S::gSoundsOn},
        {collection, "gFixedEntry", &S::gFixedEntry},
        {collection, "gNumToAuto", &S::gNumToAuto},
        {collection, "SessionDuration", &S::SessionDuration},
        {collection, "TenthsofSeconds", &S::TenthsofSeconds},
        {analysis, "gFileFormat", &S::gFileFormat},
        {analysis, "gCutOffEvents", &S::gCutOffEvents},
        {analysis, "gNumToUse", &S::gNumToUse},
        {analysis, "gIOAWindow", &S::gIOAWindow},
        {analysis, "gUseFormFeeds", &S::gUseFormFeeds},
        {analysis, "Text_Editor", &S::Text_Editor},
        {analysis, "Spreadsheet_Editor", &S::Spreadsheet_Editor},
        {startUp, "Code_File", &S::Code_File},
        {startUp, "gStartBanner", &S::gStartBanner},
        {startUp, "", PlacementStep{}, true, false},
        {startUp, "FramesPerSecond", &S::FramesPerSecond, false},
        {vtrs, "gVintro2Secs", &S::gVintro2Secs},
        {vtrs, "gVTRStimebase", &S::gVTRStimebase},
        {vtrs, "gVTRSEndTime", &S::gVTRSEndTime},
        {vtrs, "gVTRSStartTime", &S::gVTRSStartTime},
        {vtrs, "gVTRSCombine", &S::gVTRSCombine},
        {vtrs, "gVTRSKeepScratch", &S::gVTRSKeepScratch},
    };
    for (int n = 0; n < kColumnGroups; ++n) {
        table.push_back({vtrs, "CG_" + std::to_string(n), ColumnGroupState{n}});
    }
    const std::vector<SettingEntry> rest = {
        {doru, "gDORUKeepScratch", &S::gDORUKeepScratch},
        {doru, "gDORUConvertTimes", &S::gDORUConvertTimes},
        {doru, "gDORUUseTranslation", &S::gDORUUseTranslation},
        {doru, "gDORUTransFile", &S::gDORUTransFile},
        {odf, "gODFKeepScratch", &S::gODFKeepScratch, true, false},
        {odf, "gODFConvertTimes", &S::gODFConvertTimes, true, false},
        {odf, "gODFZeroJustify", &S::gODFZeroJustify, true, false},
        {cVar, "gReadCont", &S::gReadCont, true, false},
        {cVar, "gSaveContMerged", &S::gSaveContMerged, true, false},
        {cVar, "gZeroCont", &S::gZeroCont, true, false},
        {cVar, "gContHeader", &S::gContHeader, true, false},
        {cVar, "gContStateChange", &S::gContStateChange, true, false},
    };
    table.insert(table.end(), rest.begin(), rest.end());
    return table;
}

} // namespace

const std::vector<SettingEntry>& workstationSettingsTable() {
    static const std::vector<SettingEntry> table = buildTable();
    return table;
}

} // namespace ws
