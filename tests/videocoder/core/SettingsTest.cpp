#include "videocoder/core/Settings.h"
#include "support/RecordingFileTypes.h"
#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using testsupport::MemorySettings;
using vc::VideoSettings;

std::string stored(MemorySettings& store, const std::string& section, const std::string& name) {
    return store.values.at({vc::kSettingsApp, section, name});
}

TEST(VideoCoderSettings, EmptyStoreGivesTheReadDefaults) {
    MemorySettings store;
    VideoSettings loaded;
    loaded.FrameRate = 0;
    loaded.gExportHeader = vc::kFalse;
    loaded.gHelperApp = "x";
    vc::LoadSettings(loaded, store);

    const VideoSettings fresh;
    EXPECT_EQ(loaded.FrameDisplay, 1);
    EXPECT_EQ(loaded.FrameRate, 29.97);
    EXPECT_EQ(loaded.PreRoll, 3);
    EXPECT_EQ(loaded.gExportHeader, vc::kTrue);
    EXPECT_EQ(loaded.gFirstRun, vc::kTrue);
    EXPECT_EQ(loaded.gHelperApp, "xdg-open");
    EXPECT_EQ(loaded.gDoruFirstLine, "$ Child, Adult");
    EXPECT_EQ(loaded.DVDDrive, "D:");
    EXPECT_EQ(loaded.gSaveTimerDuration, 60.0f);
    EXPECT_EQ(loaded.gSelectionMode, 2);
    // A fresh state and a load from nothing agree value by value, written out in full.
    MemorySettings a, b;
    vc::SaveSettings(loaded, a);
    vc::SaveSettings(fresh, b);
    EXPECT_EQ(a.values, b.values);
    EXPECT_TRUE(store.values.empty()) << "loading writes nothing";
}

struct StoredCase {
    const char* section;
    const char* name;
    const char* text;
    std::function<bool(const VideoSettings&)> holds;
    const char* what;
};

TEST(VideoCoderSettings, StoredTextsOfEachKind) {
    const std::vector<StoredCase> cases = {
        {"Video Settings", "FrameDisplay", "3", [](auto& s) { return s.FrameDisplay == 1; },
         "timecode as clock"},
        {"Video Settings", "FrameDisplay", "2", [](auto& s) { return s.FrameDisplay == 0; },
         "frames as seconds"},
        {"Video Settings", "FrameDisplay", "1", [](auto& s) { return s.FrameDisplay == 1; }, "clock kept"},
        {"Video Settings", "FrameDisplay", "0", [](auto& s) { return s.FrameDisplay == 0; }, "seconds kept"},
        {"Video Settings", "FrameRate", "  25xyz", [](auto& s) { return s.FrameRate == 25; },
         "leading number"},
        {"Video Settings", "FrameRate", "abc", [](auto& s) { return s.FrameRate == 0; }, "no number is 0"},
        {"Video Settings", "gConvertTimes", "True", [](auto& s) { return s.gConvertTimes == -1; }, "True"},
        {"Video Settings", "gConvertTimes", "true", [](auto& s) { return s.gConvertTimes == 0; }, "true"},
        {"Video Settings", "gConvertTimes", "1", [](auto& s) { return s.gConvertTimes == 0; }, "1"},
        {"Video Settings", "gConvertTimes", "-1", [](auto& s) { return s.gConvertTimes == 0; }, "-1"},
        {"Data Settings", "gEditInCell", "2.5", [](auto& s) { return s.gEditInCell == 2; }, "half to even"},
        {"Data Settings", "gEditInCell", "3.5", [](auto& s) { return s.gEditInCell == 4; },
         "half to even up"},
        {"Data Settings", "gQKGroup", "-1", [](auto& s) { return s.gQKGroup == -1; }, "any group"},
        {"Data Settings", "gEditInCell", "99999", [](auto& s) { return s.gEditInCell == 0; },
         "overflow: default"},
        {"Data Settings", "gSaveTimerDuration", "0.1", [](auto& s) { return s.gSaveTimerDuration == 0.1f; },
         "single"},
        {"Data Settings", "gSaveTimerDuration", "1e40", [](auto& s) { return s.gSaveTimerDuration == 60.0f; },
         "too large for a single: default"},
        {"Data Settings", "recent3", " a\\b.qvd ", [](auto& s) { return s.gRecent[3] == " a\\b.qvd "; },
         "text"},
        {"Export Settings", "gExportHeader", "False", [](auto& s) { return s.gExportHeader == 0; }, "False"},
        {"bacd", "gFirstRun", "False", [](auto& s) { return s.gFirstRun == 0; }, "first run stored"},
    };
    for (const StoredCase& c : cases) {
        MemorySettings store;
        store.set(vc::kSettingsApp, c.section, c.name, c.text);
        VideoSettings s;
        vc::LoadSettings(s, store);
        EXPECT_TRUE(c.holds(s)) << c.name << " = \"" << c.text << "\": " << c.what;
    }
}

TEST(VideoCoderSettings, SliderValuesAreWrittenNeverRead) {
    MemorySettings store;
    store.set(vc::kSettingsApp, "Video Settings", "SliderSmall", "7");
    VideoSettings s;
    vc::LoadSettings(s, store);
    EXPECT_EQ(s.SliderSmall, 0);
    s.SliderTicks = 150;
    vc::SaveSettings(s, store);
    EXPECT_EQ(stored(store, "Video Settings", "SliderSmall"), "0");
    EXPECT_EQ(stored(store, "Video Settings", "SliderTicks"), "150");
}

TEST(VideoCoderSettings, SavedInTableOrderNeverFirstRun) {
    MemorySettings store;
    VideoSettings s;
    s.FrameDisplay = 3;
    s.FrameRate = 25;
    s.gSaveTimerDuration = 0.5f;
    s.gEditInCell = 3;
    s.gAutoSave = vc::kTrue;
    s.gRecent[1] = "/data/kid.qvd";
    s.gFirstRun = vc::kFalse;
    vc::SaveSettings(s, store);

    std::vector<std::string> names;
    for (const auto& key : store.writeOrder) {
        EXPECT_EQ(std::get<0>(key), "Vintrosa");
        names.push_back(std::get<1>(key) + "/" + std::get<2>(key));
    }
    ASSERT_EQ(names.size(), 56u);
    EXPECT_EQ(store.savedAfterWrites, std::vector<std::size_t>{56}) << "kept in one step, after every value";
    EXPECT_EQ(names.front(), "Video Settings/FrameDisplay");
    EXPECT_EQ(names[10], "Video Settings/DVDDrive");
    EXPECT_EQ(names[11], "Window Positions/gVidLeft");
    EXPECT_EQ(names[26], "Window Positions/gCodeHeight");
    EXPECT_EQ(names[27], "Data Settings/gAutoSave");
    EXPECT_EQ(names[47], "Data Settings/recent4");
    EXPECT_EQ(names.back(), "Export Settings/gDoruActorCode");
    EXPECT_FALSE(store.has("Vintrosa", "bacd", "gFirstRun"));

    EXPECT_EQ(stored(store, "Video Settings", "FrameDisplay"), "3");
    EXPECT_EQ(stored(store, "Video Settings", "FrameRate"), "25");
    EXPECT_EQ(stored(store, "Data Settings", "gSaveTimerDuration"), "0.5");
    EXPECT_EQ(stored(store, "Data Settings", "gEditInCell"), "3");
    EXPECT_EQ(stored(store, "Data Settings", "gAutoSave"), "True");
    EXPECT_EQ(stored(store, "Data Settings", "gQKMode"), "False");
    EXPECT_EQ(stored(store, "Data Settings", "recent1"), "/data/kid.qvd");

    // Read back, everything but the frame display mode returns as it was.
    VideoSettings back;
    vc::LoadSettings(back, store);
    EXPECT_EQ(back.FrameDisplay, 1);
    EXPECT_EQ(back.FrameRate, 25);
    EXPECT_EQ(back.gSaveTimerDuration, 0.5f);
    EXPECT_EQ(back.gAutoSave, vc::kTrue);
    EXPECT_EQ(back.gRecent[1], "/data/kid.qvd");
    EXPECT_EQ(back.gFirstRun, vc::kTrue) << "never written, so every start is a first run";
}

TEST(VideoCoderSettings, AStoreThatCannotKeepThemIsSaid) {
    testsupport::ScriptedPlatform sp;
    vc::SaveSettings(VideoSettings{}, sp.settings, sp.dialogs);
    EXPECT_TRUE(sp.dialogs.boxes.empty());

    sp.settings.saveFails = true;
    EXPECT_FALSE(vc::SaveSettings(VideoSettings{}, sp.settings));
    vc::SaveSettings(VideoSettings{}, sp.settings, sp.dialogs);
    ASSERT_EQ(sp.dialogs.boxes.size(), 1u);
    EXPECT_EQ(sp.dialogs.boxes[0].text,
              "The settings could not be saved to /home/kid/.config/Vintrosa.ini. The "
              "settings stored there before were kept.");
    EXPECT_EQ(sp.dialogs.boxes[0].title, "File Save Error");
}

TEST(VideoCoderSettings, ResetSetsResetValuesKeepsOthersAndRegisters) {
    VideoSettings s;
    s.PreRoll = 7;
    s.gEditInCell = 2;
    s.gExportHeader = vc::kTrue;
    s.gTimeConvert = vc::kFalse;
    s.gQKMode = vc::kTrue;
    s.FrameRate = 25;
    s.gHelperApp = "kate";
    s.gVidLeft = 300;
    // Kept by a reset:
    s.PlayerSelection = 2;
    s.DVDDrive = "/media/dvd";
    s.gConvertTimes = vc::kTrue;
    s.gQKInsert = vc::kTrue;
    s.gCommentField = vc::kTrue;
    s.gMarkMoves = vc::kTrue;
    s.gAutoSave = vc::kTrue;
    s.gSaveTimerDuration = 15;
    s.gRangeWarning = vc::kTrue;
    s.gDoruActorCode = "K";
    s.gFirstRun = vc::kFalse;
    for (int i = 1; i <= 4; ++i) {
        s.gRecent[i] = "f" + std::to_string(i);
    }

    testsupport::RecordingFileTypes fileTypes;
    vc::ResetDefaults(s, fileTypes, "/opt/coder/Vintrosa");

    EXPECT_EQ(s.PreRoll, 30);
    EXPECT_EQ(s.PostRoll, 30);
    EXPECT_EQ(s.gEditInCell, 1);
    EXPECT_EQ(s.gExportHeader, vc::kFalse);
    EXPECT_EQ(s.gTimeConvert, vc::kTrue);
    EXPECT_EQ(s.gQKMode, vc::kFalse);
    EXPECT_EQ(s.FrameRate, 29.97);
    EXPECT_EQ(s.gHelperApp, "xdg-open");
    EXPECT_EQ(s.gVidLeft, 0);
    EXPECT_EQ(s.SliderSmall, 1);
    EXPECT_EQ(s.SliderLarge, 30);
    EXPECT_EQ(s.SliderTicks, 150);

    EXPECT_EQ(s.PlayerSelection, 2);
    EXPECT_EQ(s.DVDDrive, "/media/dvd");
    EXPECT_EQ(s.gConvertTimes, vc::kTrue);
    EXPECT_EQ(s.gQKInsert, vc::kTrue);
    EXPECT_EQ(s.gCommentField, vc::kTrue);
    EXPECT_EQ(s.gMarkMoves, vc::kTrue);
    EXPECT_EQ(s.gAutoSave, vc::kTrue);
    EXPECT_EQ(s.gSaveTimerDuration, 15.0f);
    EXPECT_EQ(s.gRangeWarning, vc::kTrue);
    EXPECT_EQ(s.gDoruActorCode, "K");
    EXPECT_EQ(s.gFirstRun, vc::kFalse);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(s.gRecent[i], "");
    }

    ASSERT_EQ(fileTypes.registered.size(), 1u);
    EXPECT_EQ(fileTypes.registered[0].extension, ".qvd");
    EXPECT_EQ(fileTypes.registered[0].typeName, "Vintrosa.Document");
    EXPECT_EQ(fileTypes.registered[0].description, "Vintrosa Document");
    EXPECT_EQ(fileTypes.registered[0].mimeType, "application/x-vintrosa-document");
    EXPECT_EQ(fileTypes.registered[0].program, "/opt/coder/Vintrosa");
}

} // namespace
