#include "workstation/core/Settings.h"

#include "support/FixtureCases.h"
#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

namespace {

using ws::WindowPlacement;

struct Read {
    std::string section, name, defaultText;
    bool operator==(const Read&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Read& r) {
    return os << r.section << "/" << r.name << " [" << r.defaultText << "]";
}

// Records every read with the default text it offered.
class RecordingSettings : public testsupport::MemorySettings {
public:
    std::vector<Read> reads;
    std::string get(const std::string& app, const std::string& section, const std::string& name,
                    const std::string& defaultText) override {
        EXPECT_EQ(app, "OSTRAVEL");
        reads.push_back({section, name, defaultText});
        return MemorySettings::get(app, section, name, defaultText);
    }
    void store(const std::string& section, const std::string& name, const std::string& value) {
        values[{"OSTRAVEL", section, name}] = value;
    }
    std::string stored(const std::string& section, const std::string& name) const {
        auto it = values.find({"OSTRAVEL", section, name});
        return it == values.end() ? "<absent>" : it->second;
    }
};

// The main window as the settings see it: a placement to give and a record of the ones applied.
class RecordingPlacement : public ws::MainWindowPlacement {
public:
    WindowPlacement current;
    std::vector<WindowPlacement> applied;
    WindowPlacement placement() const override { return current; }
    void applyPlacement(const WindowPlacement& w) override { applied.push_back(w); }
};

struct SettingsPlatform {
    testsupport::ScriptedPlatform doubles;
    RecordingSettings settings;
    platform::Platform platform{doubles.dialogs, settings,     doubles.launcher, doubles.sound,
                                doubles.clock,   "/opt/suite", doubles.printer,  doubles.clipboard};
};

// Every setting global as "name=value", so a difference names the value.
std::vector<std::string> settingsOf(const ws::Global& g) {
    std::vector<std::string> out;
    auto add = [&out](const std::string& name, const auto& value) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>) {
            out.push_back(name + "=" + value);
        } else {
            out.push_back(name + "=" + std::to_string(value));
        }
    };
    add("gSoundsOn", g.gSoundsOn);
    add("gFixedEntry", g.gFixedEntry);
    add("gNumToAuto", g.gNumToAuto);
    add("SessionDuration", g.SessionDuration);
    add("TenthsofSeconds", g.TenthsofSeconds);
    add("gFileFormat", g.gFileFormat);
    add("gCutOffEvents", g.gCutOffEvents);
    add("gNumToUse", g.gNumToUse);
    add("gIOAWindow", g.gIOAWindow);
    add("gUseFormFeeds", g.gUseFormFeeds);
    add("Text_Editor", g.Text_Editor);
    add("Spreadsheet_Editor", g.Spreadsheet_Editor);
    add("Code_File", g.Code_File);
    add("gStartBanner", g.gStartBanner);
    add("FramesPerSecond", g.FramesPerSecond);
    add("gVintro2Secs", g.gVintro2Secs);
    add("gVTRStimebase", g.gVTRStimebase);
    add("gVTRSEndTime", g.gVTRSEndTime);
    add("gVTRSStartTime", g.gVTRSStartTime);
    add("gVTRSCombine", g.gVTRSCombine);
    add("gVTRSKeepScratch", g.gVTRSKeepScratch);
    for (int n = 0; n <= 50; ++n) {
        add("CG_" + std::to_string(n), g.ColumnGroupStates[n]);
    }
    add("gDORUKeepScratch", g.gDORUKeepScratch);
    add("gDORUConvertTimes", g.gDORUConvertTimes);
    add("gDORUUseTranslation", g.gDORUUseTranslation);
    add("gDORUTransFile", g.gDORUTransFile);
    add("gODFKeepScratch", g.gODFKeepScratch);
    add("gODFConvertTimes", g.gODFConvertTimes);
    add("gODFZeroJustify", g.gODFZeroJustify);
    add("gReadCont", g.gReadCont);
    add("gSaveContMerged", g.gSaveContMerged);
    add("gZeroCont", g.gZeroCont);
    add("gContHeader", g.gContHeader);
    add("gContStateChange", g.gContStateChange);
    return out;
}

// Every setting away from its default.
void setEveryValue(ws::Global& g) {
    g.gSoundsOn = 0;
    g.gFixedEntry = 1;
    g.gNumToAuto = 4;
    g.SessionDuration = 12.5f;
    g.TenthsofSeconds = 1;
    g.gFileFormat = 2;
    g.gCutOffEvents = 1;
    g.gNumToUse = -1;
    g.gIOAWindow = 7;
    g.gUseFormFeeds = 0;
    g.Text_Editor = "kate";
    g.Spreadsheet_Editor = "/usr/bin/libreoffice --calc";
    g.Code_File = "/home/j.smith/codes/kids, 2.cod";
    g.gStartBanner = 0;
    g.FramesPerSecond = 25;
    g.gVintro2Secs = 1;
    g.gVTRStimebase = 2;
    g.gVTRSEndTime = 1;
    g.gVTRSStartTime = 1;
    g.gVTRSCombine = 1;
    g.gVTRSKeepScratch = 1;
    for (int n = 0; n <= 50; ++n) {
        g.ColumnGroupStates[n] = static_cast<std::int16_t>(n % 3);
    }
    g.gDORUKeepScratch = 1;
    g.gDORUConvertTimes = 1;
    g.gDORUUseTranslation = 1;
    g.gDORUTransFile = "/data/trans.txt";
    g.gODFKeepScratch = 1;
    g.gODFConvertTimes = 0;
    g.gODFZeroJustify = 0;
    g.gReadCont = 1;
    g.gSaveContMerged = 1;
    g.gZeroCont = 1;
    g.gContHeader = 1;
    g.gContStateChange = 1;
}

std::vector<Read> readsOfEmptyStore() {
    std::vector<Read> r = {
        {"Collection Settings", "gSoundsOn", "1"},
        {"Collection Settings", "gFixedEntry", "0"},
        {"Collection Settings", "gNumToAuto", "1"},
        {"Collection Settings", "SessionDuration", "180"},
        {"Collection Settings", "TenthsofSeconds", "0"},
        {"Analysis Settings", "gFileFormat", "0"},
        {"Analysis Settings", "gCutOffEvents", "0"},
        {"Analysis Settings", "gNumToUse", "100"},
        {"Analysis Settings", "gIOAWindow", "3"},
        {"Analysis Settings", "gUseFormFeeds", "1"},
        {"Analysis Settings", "Text_Editor", "xdg-open"},
        {"Analysis Settings", "Spreadsheet_Editor", "xdg-open"},
        {"StartUp", "Code_File", "NEW.COD"},
        {"StartUp", "gStartBanner", "1"},
        {"StartUp", "WindowState", "0"},
        {"StartUp", "WindowLeft", "0"},
        {"StartUp", "WindowTop", "0"},
        {"StartUp", "WindowWidth", "9135"},
        {"StartUp", "WindowHeight", "6900"},
        {"StartUp", "FramesPerSecond", "30"},
        {"VTRS Settings", "gVintro2Secs", "0"},
        {"VTRS Settings", "gVTRStimebase", "0"},
        {"VTRS Settings", "gVTRSEndTime", "0"},
        {"VTRS Settings", "gVTRSStartTime", "0"},
        {"VTRS Settings", "gVTRSCombine", "0"},
        {"VTRS Settings", "gVTRSKeepScratch", "0"},
    };
    for (int n = 0; n <= 50; ++n) {
        r.push_back({"VTRS Settings", "CG_" + std::to_string(n), "0"});
    }
    const std::vector<Read> rest = {
        {"DORU Settings", "gDORUKeepScratch", "0"},
        {"DORU Settings", "gDORUConvertTimes", "0"},
        {"DORU Settings", "gDORUUseTranslation", "0"},
        {"DORU Settings", "gDORUTransFile", "Browse to pick the translation file..."},
        {"ODF Settings", "gODFKeepScratch", "0"},
        {"ODF Settings", "gODFConvertTimes", "1"},
        {"ODF Settings", "gODFZeroJustify", "1"},
        {"CVar Settings", "gReadCont", "0"},
        {"CVar Settings", "gSaveContMerged", "0"},
        {"CVar Settings", "gZeroCont", "0"},
        {"CVar Settings", "gContHeader", "0"},
        {"CVar Settings", "gContStateChange", "0"},
    };
    r.insert(r.end(), rest.begin(), rest.end());
    return r;
}

TEST(LoadSettings, EmptyStoreGivesEveryDefaultInOrderAndTheDefaultWindow) {
    SettingsPlatform p;
    ws::Global g;
    setEveryValue(g);
    RecordingPlacement mainWindow;
    int openDialogsBeforeContGrid = -1;
    ws::SettingsCalls calls;
    calls.readContGrid = [&] {
        openDialogsBeforeContGrid = static_cast<int>(p.doubles.dialogs.openRequests.size());
    };

    ws::LoadSettings(g, p.platform, &mainWindow, calls);

    EXPECT_EQ(p.settings.reads, readsOfEmptyStore());
    EXPECT_EQ(settingsOf(g), settingsOf(ws::Global{}));
    EXPECT_EQ(g.Text_Editor, "xdg-open");
    ASSERT_EQ(mainWindow.applied.size(), 1u);
    const WindowPlacement& applied = mainWindow.applied.front();
    EXPECT_EQ(applied.state, 0);
    EXPECT_TRUE(applied.withGeometry);
    EXPECT_EQ(applied.left, 0);
    EXPECT_EQ(applied.top, 0);
    EXPECT_EQ(applied.width, 9135);
    EXPECT_EQ(applied.height, 6900);
    // NEW.COD is not there: the code set is asked for (and cancelled) before the rules are read.
    EXPECT_EQ(openDialogsBeforeContGrid, 1);
    EXPECT_EQ(g.NumCodes, 0);
}

TEST(LoadSettings, OpensTheStoredCodeSetWithoutAsking) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("kids.cod").toStdString();
    std::ofstream(path, std::ios::binary) << " 1 \r\n\"HIT\",\"Hits\",0\r\n";
    SettingsPlatform p;
    p.settings.store("StartUp", "Code_File", path);
    ws::Global g;

    ws::LoadSettings(g, p.platform);

    EXPECT_TRUE(p.doubles.dialogs.openRequests.empty());
    EXPECT_EQ(g.Code_File, path);
    EXPECT_EQ(g.NumCodes, 1);
    EXPECT_EQ(g.CodeTable.code(1), "HIT");
}

// The store after one save, as "section/name=value" lines in the store's order.
std::string storeDump(const RecordingSettings& settings) {
    std::string dump;
    for (const auto& [key, value] : settings.values) {
        const auto& [app, section, name] = key;
        EXPECT_EQ(app, "OSTRAVEL");
        dump += section + "/" + name + "=" + value + "\n";
    }
    return dump;
}

// Each case folder: case.txt says whether every value is set away from its default
// (values=every) and the main window's placement (window=state,left,top,width,height, or
// none); expected-store.txt is the store after SaveSettings.
class SettingsStoreCase : public testsupport::FixtureCase {
protected:
    std::filesystem::path family() const override { return testsupport::fixtureFamily("settings"); }
};

TEST_P(SettingsStoreCase, SaveLeavesTheExpectedStore) {
    auto settings = caseSettings();
    SettingsPlatform p;
    ws::Global g;
    if (settings["values"] == "every") {
        setEveryValue(g);
    }
    RecordingPlacement mainWindow;
    if (settings["window"] != "none") {
        std::istringstream numbers(settings["window"]);
        char comma = 0;
        numbers >> mainWindow.current.state >> comma >> mainWindow.current.left >> comma >>
            mainWindow.current.top >> comma >> mainWindow.current.width >> comma >> mainWindow.current.height;
    }
    std::vector<std::string> events;
    ws::SettingsCalls calls;
    calls.unloadSequence = [&] {
        events.push_back("Sequence@" + std::to_string(p.settings.writeOrder.size()));
    };
    calls.unloadMultilev = [&] {
        events.push_back("Multilev@" + std::to_string(p.settings.writeOrder.size()));
    };

    ws::SaveSettings(g, p.platform, settings["window"] == "none" ? nullptr : &mainWindow, calls);

    EXPECT_TRUE(testsupport::sameAsFile(storeDump(p.settings), folder() / "expected-store.txt"));
    // Both windows unload once the start-up values are written, before the VTRS section.
    EXPECT_EQ(events, (std::vector<std::string>{"Sequence@19", "Multilev@19"}));
    // Stored once, after every value is set.
    EXPECT_EQ(p.settings.savedAfterWrites, std::vector<std::size_t>{p.settings.writeOrder.size()});
    EXPECT_TRUE(p.doubles.dialogs.boxes.empty());
}

SUITE_FIXTURE_CASES(SettingsStoreCase, "settings");

TEST(SaveSettings, AFailedSaveIsSaidNamingWhereTheSettingsLive) {
    SettingsPlatform p;
    p.settings.saveFails = true;
    ws::Global g;
    ws::SaveSettings(g, p.platform);
    ASSERT_EQ(p.doubles.dialogs.boxes.size(), 1u);
    const testsupport::ShownBox& box = p.doubles.dialogs.boxes.front();
    EXPECT_EQ(box.text,
              "The settings could not be saved to /home/kid/.config/OSTRAVEL.ini. The settings stored "
              "there before were kept.");
    EXPECT_EQ(box.title, "File Save Error");
    EXPECT_EQ(box.buttons, platform::Buttons::OK);
}

TEST(SaveSettings, RoundTripKeepsEveryValueButFramesPerSecond) {
    SettingsPlatform p;
    ws::Global saved;
    setEveryValue(saved);
    ws::SaveSettings(saved, p.platform);
    ws::SaveSettings(saved, p.platform);

    ws::Global loaded;
    ws::LoadSettings(loaded, p.platform);

    saved.FramesPerSecond = 30; // never written, so it reads as its default
    EXPECT_EQ(settingsOf(loaded), settingsOf(saved));
}

struct StoredNumberCase {
    std::string section, name, stored;
    std::string expected; // the global as "name=value" (see settingsOf)
};

TEST(LoadSettings, StoredNumbersReadAsTheirLeadingNumber) {
    const std::vector<StoredNumberCase> cases = {
        {"Analysis Settings", "gNumToUse", "12abc", "gNumToUse=12"},
        {"Analysis Settings", "gNumToUse", "", "gNumToUse=0"},
        {"Analysis Settings", "gNumToUse", "abc", "gNumToUse=0"},
        {"Analysis Settings", "gNumToUse", " -7 ", "gNumToUse=-7"},
        {"Analysis Settings", "gIOAWindow", "2.5", "gIOAWindow=2"},
        {"Analysis Settings", "gIOAWindow", "3.5", "gIOAWindow=4"},
        {"Collection Settings", "SessionDuration", "12.5s", "SessionDuration=12.500000"},
        {"Collection Settings", "SessionDuration", "", "SessionDuration=0.000000"},
        {"VTRS Settings", "CG_50", "2x", "CG_50=2"},
        {"StartUp", "Code_File", "", "Code_File="},
        // Out of range for the global: the default is kept and reading goes on.
        {"Analysis Settings", "gNumToUse", "40000", "gNumToUse=100"},
        {"Analysis Settings", "gNumToUse", "-40000", "gNumToUse=100"},
        {"Collection Settings", "gSoundsOn", "1e400", "gSoundsOn=1"},
        {"Collection Settings", "SessionDuration", "1e39", "SessionDuration=180.000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.section + "/" + c.name + " = \"" + c.stored + "\"");
        SettingsPlatform p;
        p.settings.store(c.section, c.name, c.stored);
        p.settings.store("CVar Settings", "gContStateChange", "1"); // the last value read
        ws::Global g;
        ws::LoadSettings(g, p.platform);
        const auto values = settingsOf(g);
        EXPECT_NE(std::find(values.begin(), values.end(), c.expected), values.end());
        EXPECT_EQ(g.gContStateChange, 1);
    }
}

struct WindowCase {
    std::string label;
    std::vector<std::pair<std::string, std::string>> stored;
    WindowPlacement expected;
    bool geometryRead;
};

TEST(LoadSettings, StoredWindowStateDecidesWhetherTheGeometryIsReadAndApplied) {
    const WindowPlacement current{0, 1, 2, 3, 4};
    const std::vector<std::pair<std::string, std::string>> geometry = {
        {"WindowLeft", "150"}, {"WindowTop", "300"}, {"WindowWidth", "6000"}, {"WindowHeight", "4500"}};
    auto with = [&](std::string state) {
        auto stored = geometry;
        stored.push_back({"WindowState", std::move(state)});
        return stored;
    };
    const std::vector<WindowCase> cases = {
        {"normal", with("0"), {0, 150, 300, 6000, 4500, true}, true},
        {"minimised opens normal", with("1"), {0, 1, 2, 3, 4, false}, false},
        {"maximised", with("2"), {2, 1, 2, 3, 4, false}, false},
        {"unknown state counts as normal", with("5"), {0, 150, 300, 6000, 4500, true}, true},
        {"edge out of range keeps its default",
         {{"WindowState", "0"},
          {"WindowLeft", "40000"},
          {"WindowTop", "300"},
          {"WindowWidth", "6000"},
          {"WindowHeight", "4500"}},
         {0, 0, 300, 6000, 4500, true},
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        SettingsPlatform p;
        for (const auto& [name, value] : c.stored) {
            p.settings.store("StartUp", name, value);
        }
        ws::Global g;
        RecordingPlacement mainWindow;
        mainWindow.current = current;

        ws::LoadSettings(g, p.platform, &mainWindow);
        const std::vector<WindowPlacement>& applied = mainWindow.applied;

        ASSERT_EQ(applied.size(), 1u);
        const WindowPlacement& w = applied.front();
        EXPECT_EQ(w.state, c.expected.state);
        EXPECT_EQ(w.withGeometry, c.expected.withGeometry);
        EXPECT_EQ(w.left, c.expected.left);
        EXPECT_EQ(w.top, c.expected.top);
        EXPECT_EQ(w.width, c.expected.width);
        EXPECT_EQ(w.height, c.expected.height);

        std::vector<std::string> windowReads;
        for (const auto& r : p.settings.reads) {
            if (r.name.rfind("Window", 0) == 0) {
                windowReads.push_back(r.name);
            }
        }
        const std::vector<std::string> expectedReads =
            c.geometryRead ? std::vector<std::string>{"WindowState", "WindowLeft", "WindowTop", "WindowWidth",
                                                      "WindowHeight"}
                           : std::vector<std::string>{"WindowState"};
        EXPECT_EQ(windowReads, expectedReads);
    }
}

TEST(loadSettingsReadOnly, ReadsTheStandAloneValuesAndWritesNothing) {
    SettingsPlatform p;
    p.settings.store("Collection Settings", "SessionDuration", "90");
    p.settings.store("ODF Settings", "gODFZeroJustify", "0");
    ws::Global g;

    ws::loadSettingsReadOnly(g, p.settings);

    EXPECT_EQ(g.SessionDuration, 90.0f);
    EXPECT_EQ(g.gODFZeroJustify, 1); // the ODF and CVar sections are not read
    EXPECT_TRUE(p.settings.writeOrder.empty());
    EXPECT_TRUE(p.settings.savedAfterWrites.empty());
    std::vector<Read> expected;
    for (const Read& r : readsOfEmptyStore()) {
        if (r.section != "ODF Settings" && r.section != "CVar Settings" && r.name.rfind("Window", 0) != 0) {
            expected.push_back(r);
        }
    }
    for (Read& r : expected) {
        if (r.name == "SessionDuration") {
            r.defaultText = "180";
        }
    }
    EXPECT_EQ(p.settings.reads, expected);
}

} // namespace
