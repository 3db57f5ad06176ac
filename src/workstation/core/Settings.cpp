#include "workstation/core/Settings.h"

#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "textfile/TextForms.h"
#include "workstation/core/CodeSetFile.h"

#include <string>

namespace ws {
namespace {

const std::string kCollection = "Collection Settings";
const std::string kAnalysis = "Analysis Settings";
const std::string kStartUp = "StartUp";
const std::string kVtrs = "VTRS Settings";
const std::string kDoru = "DORU Settings";
const std::string kOdf = "ODF Settings";
const std::string kCVar = "CVar Settings";

constexpr int kColumnGroups = 51;
// Opens a file with the person's own editor or spreadsheet program.
const std::string kHelperProgram = "xdg-open";

std::string columnGroupName(int n) {
    return "CG_" + std::to_string(n);
}

// Reads values of the workstation's application. Numbers are the leading number of the
// stored text (empty text is 0). A stored number the global cannot hold keeps the global's
// default instead of ending the load, so one bad value never hides the ones after it.
class StoreReader {
public:
    explicit StoreReader(platform::SettingsStore& store) : store_(store) {}

    std::string text(const std::string& section, const std::string& name, const std::string& defaultText) {
        return store_.get(kSettingsApp, section, name, defaultText);
    }

    std::int16_t int16(const std::string& section, const std::string& name, std::int16_t defaultValue) {
        const std::string stored = text(section, name, std::to_string(defaultValue));
        try {
            return textfile::toInt16(textfile::leadingNumber(stored));
        } catch (const textfile::RunError&) {
            return defaultValue;
        }
    }

    float single(const std::string& section, const std::string& name, float defaultValue) {
        const std::string stored = text(section, name, textfile::singleText(defaultValue));
        try {
            return textfile::toSingle(textfile::leadingNumber(stored));
        } catch (const textfile::RunError&) {
            return defaultValue;
        }
    }

private:
    platform::SettingsStore& store_;
};

class StoreWriter {
public:
    explicit StoreWriter(platform::SettingsStore& store) : store_(store) {}

    void text(const std::string& section, const std::string& name, const std::string& value) {
        store_.set(kSettingsApp, section, name, value);
    }
    void int16(const std::string& section, const std::string& name, std::int16_t value) {
        text(section, name, std::to_string(value));
    }
    void single(const std::string& section, const std::string& name, float value) {
        text(section, name, textfile::singleText(value));
    }

private:
    platform::SettingsStore& store_;
};

// The stored state and geometry of the main window. A stored minimised state opens the
// window normal, and neither it nor a maximised state brings a rectangle worth applying.
// A state the window cannot take counts as the default, normal.
WindowPlacement readMainWindowPlacement(StoreReader& read, const Global& g) {
    const WindowPlacement defaults;
    WindowPlacement placement =
        g.hooks.currentMainWindowPlacement ? g.hooks.currentMainWindowPlacement() : defaults;
    std::int16_t state = read.int16(kStartUp, "WindowState", defaults.state);
    if (state < 0 || state > 2) {
        state = defaults.state;
    }
    placement.withGeometry = state == 0;
    placement.state = state == 1 ? 0 : state;
    if (placement.withGeometry) {
        placement.left = read.int16(kStartUp, "WindowLeft", defaults.left);
        placement.top = read.int16(kStartUp, "WindowTop", defaults.top);
        placement.width = read.int16(kStartUp, "WindowWidth", defaults.width);
        placement.height = read.int16(kStartUp, "WindowHeight", defaults.height);
    }
    return placement;
}

} // namespace

void LoadSettings(Global& g, platform::Platform& p) {
    StoreReader read(p.settings);

    g.gSoundsOn = read.int16(kCollection, "gSoundsOn", 1);
    g.gFixedEntry = read.int16(kCollection, "gFixedEntry", 0);
    g.gNumToAuto = read.int16(kCollection, "gNumToAuto", 1);
    g.SessionDuration = read.single(kCollection, "SessionDuration", 180.0f);
    g.TenthsofSeconds = read.int16(kCollection, "TenthsofSeconds", 0);

    g.gFileFormat = read.int16(kAnalysis, "gFileFormat", 0);
    g.gCutOffEvents = read.int16(kAnalysis, "gCutOffEvents", 0);
    g.gNumToUse = read.int16(kAnalysis, "gNumToUse", 100);
    g.gIOAWindow = read.int16(kAnalysis, "gIOAWindow", 3);
    g.gUseFormFeeds = read.int16(kAnalysis, "gUseFormFeeds", 1);
    g.Text_Editor = read.text(kAnalysis, "Text_Editor", kHelperProgram);
    g.Spreadsheet_Editor = read.text(kAnalysis, "Spreadsheet_Editor", kHelperProgram);

    g.Code_File = read.text(kStartUp, "Code_File", "NEW.COD");
    g.gStartBanner = read.int16(kStartUp, "gStartBanner", 1);

    const WindowPlacement placement = readMainWindowPlacement(read, g);
    if (g.hooks.applyMainWindowPlacement) {
        g.hooks.applyMainWindowPlacement(placement);
    }

    g.FramesPerSecond = read.int16(kStartUp, "FramesPerSecond", 30);

    g.gVintro2Secs = read.int16(kVtrs, "gVintro2Secs", 0);
    g.gVTRStimebase = read.int16(kVtrs, "gVTRStimebase", 0);
    g.gVTRSEndTime = read.int16(kVtrs, "gVTRSEndTime", 0);
    g.gVTRSStartTime = read.int16(kVtrs, "gVTRSStartTime", 0);
    g.gVTRSCombine = read.int16(kVtrs, "gVTRSCombine", 0);
    g.gVTRSKeepScratch = read.int16(kVtrs, "gVTRSKeepScratch", 0);
    for (int n = 0; n < kColumnGroups; ++n) {
        g.ColumnGroupStates[n] = read.int16(kVtrs, columnGroupName(n), 0);
    }

    g.gDORUKeepScratch = read.int16(kDoru, "gDORUKeepScratch", 0);
    g.gDORUConvertTimes = read.int16(kDoru, "gDORUConvertTimes", 0);
    g.gDORUUseTranslation = read.int16(kDoru, "gDORUUseTranslation", 0);
    g.gDORUTransFile = read.text(kDoru, "gDORUTransFile", "Browse to pick the translation file...");

    g.gODFKeepScratch = read.int16(kOdf, "gODFKeepScratch", 0);
    g.gODFConvertTimes = read.int16(kOdf, "gODFConvertTimes", 1);
    g.gODFZeroJustify = read.int16(kOdf, "gODFZeroJustify", 1);

    g.gReadCont = read.int16(kCVar, "gReadCont", 0);
    g.gSaveContMerged = read.int16(kCVar, "gSaveContMerged", 0);
    g.gZeroCont = read.int16(kCVar, "gZeroCont", 0);
    g.gContHeader = read.int16(kCVar, "gContHeader", 0);
    g.gContStateChange = read.int16(kCVar, "gContStateChange", 0);

    OpenCodeFile(g, p);
    if (g.hooks.readContGrid) {
        g.hooks.readContGrid();
    }
}

void SaveSettings(Global& g, platform::Platform& p) {
    StoreWriter write(p.settings);

    write.int16(kCollection, "gSoundsOn", g.gSoundsOn);
    write.int16(kCollection, "gFixedEntry", g.gFixedEntry);
    write.int16(kCollection, "gNumToAuto", g.gNumToAuto);
    write.single(kCollection, "SessionDuration", g.SessionDuration);
    write.int16(kCollection, "TenthsofSeconds", g.TenthsofSeconds);

    write.int16(kAnalysis, "gFileFormat", g.gFileFormat);
    write.int16(kAnalysis, "gCutOffEvents", g.gCutOffEvents);
    write.int16(kAnalysis, "gNumToUse", g.gNumToUse);
    write.int16(kAnalysis, "gIOAWindow", g.gIOAWindow);
    write.int16(kAnalysis, "gUseFormFeeds", g.gUseFormFeeds);
    write.text(kAnalysis, "Text_Editor", g.Text_Editor);
    write.text(kAnalysis, "Spreadsheet_Editor", g.Spreadsheet_Editor);

    // The rectangle is stored whatever the state; loading ignores it unless the state is normal.
    write.int16(kStartUp, "gStartBanner", g.gStartBanner);
    write.text(kStartUp, "Code_File", g.Code_File);
    const WindowPlacement window =
        g.hooks.currentMainWindowPlacement ? g.hooks.currentMainWindowPlacement() : WindowPlacement{};
    write.int16(kStartUp, "WindowState", window.state);
    write.int16(kStartUp, "WindowTop", window.top);
    write.int16(kStartUp, "WindowLeft", window.left);
    write.int16(kStartUp, "WindowWidth", window.width);
    write.int16(kStartUp, "WindowHeight", window.height);
    // FramesPerSecond is never written: only an edit outside the workstation changes it.

    // Both windows load afresh next time, so they pick up what was just stored.
    if (g.hooks.unloadSequence) {
        g.hooks.unloadSequence();
    }
    if (g.hooks.unloadMultilev) {
        g.hooks.unloadMultilev();
    }

    write.int16(kVtrs, "gVintro2Secs", g.gVintro2Secs);
    write.int16(kVtrs, "gVTRStimebase", g.gVTRStimebase);
    write.int16(kVtrs, "gVTRSEndTime", g.gVTRSEndTime);
    write.int16(kVtrs, "gVTRSStartTime", g.gVTRSStartTime);
    write.int16(kVtrs, "gVTRSCombine", g.gVTRSCombine);
    write.int16(kVtrs, "gVTRSKeepScratch", g.gVTRSKeepScratch);
    for (int n = 0; n < kColumnGroups; ++n) {
        write.int16(kVtrs, columnGroupName(n), g.ColumnGroupStates[n]);
    }

    write.int16(kDoru, "gDORUKeepScratch", g.gDORUKeepScratch);
    write.int16(kDoru, "gDORUConvertTimes", g.gDORUConvertTimes);
    write.int16(kDoru, "gDORUUseTranslation", g.gDORUUseTranslation);
    write.text(kDoru, "gDORUTransFile", g.gDORUTransFile);

    write.int16(kOdf, "gODFKeepScratch", g.gODFKeepScratch);
    write.int16(kOdf, "gODFConvertTimes", g.gODFConvertTimes);
    write.int16(kOdf, "gODFZeroJustify", g.gODFZeroJustify);

    write.int16(kCVar, "gReadCont", g.gReadCont);
    write.int16(kCVar, "gSaveContMerged", g.gSaveContMerged);
    write.int16(kCVar, "gZeroCont", g.gZeroCont);
    write.int16(kCVar, "gContHeader", g.gContHeader);
    write.int16(kCVar, "gContStateChange", g.gContStateChange);

    // One write for all of them: a save cut short leaves the old settings or the new ones.
    // A save that fails is said at once; the next start would otherwise quietly fall back
    // to whatever was stored before.
    if (!p.settings.save(kSettingsApp)) {
        p.dialogs.messageBox("The settings could not be saved to " + p.settings.location(kSettingsApp) +
                                 ". The settings stored there before were kept.",
                             "File Save Error", platform::Buttons::OK, platform::Icon::Exclamation);
    }
}

} // namespace ws
