#pragma once
// The workstation's shared state: settings, code table, event slots and the
// analysis run state. One instance, owned by the program and passed by reference.

#include "workstation/core/CodeTable.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ws {

inline constexpr int kMaxEvents = 20000;
inline const std::string kSessionEndCode = "-500";
inline const std::string kGapCode = "$Gap$";

// Stored state and geometry of the main window, in twips (15 per pixel).
struct WindowPlacement {
    std::int16_t state = 0; // 0 normal, 1 minimised, 2 maximised
    std::int16_t left = 0, top = 0, width = 9135, height = 6900;
    // False when only the state is to be applied: position and size stay as they are
    // (a stored minimised or maximised state brings no usable rectangle).
    bool withGeometry = true;
};

// What the core reaches in windows that are built above it; the program wires them.
// Unset hooks do nothing.
struct CoreHooks {
    // The code-set editor's group grid: the name of group g (0..48) at row g + 1, column 1.
    std::function<void(int group, const std::string& name)> putGroupNameInGrid;
    std::function<std::string(int group)> groupNameFromGrid; // unset: GroupNames as they are
    std::function<void()> readContGrid;                      // continuous-variable rules
    // Merges the continuous variables of a data file into its slot after ReadEventFile has
    // read it (when gReadCont is set). Unset: no merge. A failure throws and fails the read.
    std::function<void(int slot, const std::string& fileName, std::string& header)> mergeContinuousData;
    std::function<void()> unloadSequence;
    std::function<void()> unloadMultilev;
    std::function<void(const WindowPlacement&)> applyMainWindowPlacement;
    std::function<WindowPlacement()> currentMainWindowPlacement;
};

struct Global {
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

    // Code table
    std::int16_t NumCodes = 0;
    CodeTableData CodeTable;
    std::array<std::string, 50> GroupNames;

    // Event slots: records at 1..n, the end record last; element 0 of the times holds n.
    std::vector<std::string> EventCodes = std::vector<std::string>(kMaxEvents + 1);
    std::vector<std::int32_t> EventTimes = std::vector<std::int32_t>(kMaxEvents + 1);
    std::vector<std::string> EventCodes2 = std::vector<std::string>(kMaxEvents + 1);
    std::vector<std::int32_t> EventTimes2 = std::vector<std::int32_t>(kMaxEvents + 1);
    // How far each slot (1, 2) may hold records from earlier reads: a new read empties only
    // that far instead of the whole slot. Anything that writes past times(0) raises it.
    std::array<int, 3> slotFilledTo{kMaxEvents, kMaxEvents, kMaxEvents};

    // Analysis run state
    std::string DataFileName;
    std::int16_t InputMode = 1; // 1 one data file, 4 a list file
    std::int16_t SkipToPooled = 0;
    std::string OutputFileName;
    std::int16_t OutputKind = 1; // 1 text, 2 comma-separated, 3 a named file appended to
    std::int16_t AbortRun = 0;
    std::int16_t RunCancelled = 0;
    std::int16_t ListOfListsMode = 0;
    std::int16_t ListOfListsActive = 0;
    std::int16_t IOAFirstFileTaken = 0;
    std::string IOAFirstFileName;
    std::string SecBySecFileName;

    std::string VersionText;
    CoreHooks hooks;

    std::vector<std::string>& codesOf(int slot) { return slot == 2 ? EventCodes2 : EventCodes; }
    std::vector<std::int32_t>& timesOf(int slot) { return slot == 2 ? EventTimes2 : EventTimes; }
};

} // namespace ws
