#pragma once
// The workstation's stored settings, one member per value, by section.

#include <array>
#include <cstdint>
#include <string>

namespace ws {

struct WorkstationSettings {
    // "Collection Settings"
    std::int16_t gSoundsOn = 1;
    std::int16_t gFixedEntry = 0;
    std::int16_t gNumToAuto = 1;
    float SessionDuration = 180;
    std::int16_t TenthsofSeconds = 0;
    // "Analysis Settings"
    std::int16_t gFileFormat = 0;
    std::int16_t gCutOffEvents = 0;
    std::int16_t gNumToUse = 100;
    std::int16_t gIOAWindow = 3;
    std::int16_t gUseFormFeeds = 1;
    std::string Text_Editor = "xdg-open";
    std::string Spreadsheet_Editor = "xdg-open";
    // "StartUp"
    std::string Code_File = "NEW.COD";
    std::int16_t gStartBanner = 1;
    std::int16_t FramesPerSecond = 30;
    // "VTRS Settings"
    std::int16_t gVintro2Secs = 0;
    std::int16_t gVTRStimebase = 0;
    std::int16_t gVTRSEndTime = 0;
    std::int16_t gVTRSStartTime = 0;
    std::int16_t gVTRSCombine = 0;
    std::int16_t gVTRSKeepScratch = 0;
    std::array<std::int16_t, 51> ColumnGroupStates{};
    // "DORU Settings"
    std::int16_t gDORUKeepScratch = 0;
    std::int16_t gDORUConvertTimes = 0;
    std::int16_t gDORUUseTranslation = 0;
    std::string gDORUTransFile = "Browse to pick the translation file...";
    // "ODF Settings"
    std::int16_t gODFKeepScratch = 0;
    std::int16_t gODFConvertTimes = 1;
    std::int16_t gODFZeroJustify = 1;
    // "CVar Settings"
    std::int16_t gReadCont = 0;
    std::int16_t gSaveContMerged = 0;
    std::int16_t gZeroCont = 0;
    std::int16_t gContHeader = 0;
    std::int16_t gContStateChange = 0;
};

} // namespace ws
