#include "videocoder/core/Settings.h"

#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "textfile/TextForms.h"
#include "videocoder/core/FileTypeRegistration.h"

#include <variant>

namespace vc {
namespace {

// How a value is held in memory and written as text.
enum class Kind {
    Number, // double; written as its plain text, read as the leading number
    Whole,  // 16-bit; read as the leading number rounded halves to even
    Single, // float
    Flag,   // 16-bit -1/0; "True"/"False", true only for exactly "True"
    Text,   // verbatim
};

using Slot = std::variant<double*, std::int16_t*, float*, std::string*>;
using SlotOf = Slot (*)(VideoSettings&);

template <auto Member> Slot member(VideoSettings& s) {
    return &(s.*Member);
}
template <int Entry> Slot recent(VideoSettings& s) {
    return &s.gRecent[Entry];
}

struct Row {
    const char* section;
    const char* name;
    Kind kind;
    const char* defaultText; // nullptr: never read
    const char* resetText;   // nullptr: a reset keeps the value
    SlotOf slot;
    bool written = true;
};

constexpr const char* kVideo = "Video Settings";
constexpr const char* kWindows = "Window Positions";
constexpr const char* kData = "Data Settings";
constexpr const char* kExport = "Export Settings";
constexpr const char* kBacd = "bacd";
constexpr const char* kKept = nullptr;
constexpr const char* kNeverRead = nullptr;
// The helper that opens an exported file with the person's own program.
constexpr const char* kHelperProgram = "xdg-open";

using V = VideoSettings;

// Every setting in the order SaveSettings writes them.
const Row kRows[] = {
    {kVideo, "FrameDisplay", Kind::Number, "1", "1", member<&V::FrameDisplay>},
    {kVideo, "FrameRate", Kind::Number, "29.97", "29.97", member<&V::FrameRate>},
    {kVideo, "PreRoll", Kind::Number, "3", "30", member<&V::PreRoll>},
    {kVideo, "PostRoll", Kind::Number, "3", "30", member<&V::PostRoll>},
    {kVideo, "SliderSmall", Kind::Number, kNeverRead, "1", member<&V::SliderSmall>},
    {kVideo, "SliderLarge", Kind::Number, kNeverRead, "30", member<&V::SliderLarge>},
    {kVideo, "SliderTicks", Kind::Number, kNeverRead, "150", member<&V::SliderTicks>},
    {kVideo, "VidSize", Kind::Number, "1", "1", member<&V::VidSize>},
    {kVideo, "gConvertTimes", Kind::Flag, "0", kKept, member<&V::gConvertTimes>},
    {kVideo, "PlayerSelection", Kind::Number, "0", kKept, member<&V::PlayerSelection>},
    {kVideo, "DVDDrive", Kind::Text, "D:", kKept, member<&V::DVDDrive>},

    {kWindows, "gVidLeft", Kind::Number, "0", "0", member<&V::gVidLeft>},
    {kWindows, "gVidTop", Kind::Number, "0", "0", member<&V::gVidTop>},
    {kWindows, "gVidWidth", Kind::Number, "0", "0", member<&V::gVidWidth>},
    {kWindows, "gVidHeight", Kind::Number, "0", "0", member<&V::gVidHeight>},
    {kWindows, "gDataLeft", Kind::Number, "0", "0", member<&V::gDataLeft>},
    {kWindows, "gDataTop", Kind::Number, "0", "0", member<&V::gDataTop>},
    {kWindows, "gDataWidth", Kind::Number, "0", "0", member<&V::gDataWidth>},
    {kWindows, "gDataHeight", Kind::Number, "0", "0", member<&V::gDataHeight>},
    {kWindows, "gMainLeft", Kind::Number, "0", "0", member<&V::gMainLeft>},
    {kWindows, "gMainTop", Kind::Number, "0", "0", member<&V::gMainTop>},
    {kWindows, "gMainWidth", Kind::Number, "0", "0", member<&V::gMainWidth>},
    {kWindows, "gMainHeight", Kind::Number, "0", "0", member<&V::gMainHeight>},
    {kWindows, "gCodeLeft", Kind::Number, "0", "0", member<&V::gCodeLeft>},
    {kWindows, "gCodeTop", Kind::Number, "0", "0", member<&V::gCodeTop>},
    {kWindows, "gCodeWidth", Kind::Number, "0", "0", member<&V::gCodeWidth>},
    {kWindows, "gCodeHeight", Kind::Number, "0", "0", member<&V::gCodeHeight>},

    {kData, "gAutoSave", Kind::Flag, "0", kKept, member<&V::gAutoSave>},
    {kData, "gSaveTimerDuration", Kind::Single, "60", kKept, member<&V::gSaveTimerDuration>},
    {kData, "gEditInCell", Kind::Whole, "0", "1", member<&V::gEditInCell>},
    {kData, "gIntMode", Kind::Flag, "0", "False", member<&V::gIntMode>},
    {kData, "gIntTimeFix", Kind::Flag, "0", "False", member<&V::gIntTimeFix>},
    {kData, "gCommentField", Kind::Flag, "0", kKept, member<&V::gCommentField>},
    {kData, "gIntSeconds", Kind::Number, "150", "150", member<&V::gIntSeconds>},
    {kData, "gQKGroup", Kind::Whole, "0", "0", member<&V::gQKGroup>},
    {kData, "gQKMode", Kind::Flag, "0", "False", member<&V::gQKMode>},
    {kData, "gQKInsert", Kind::Flag, "0", kKept, member<&V::gQKInsert>},
    {kData, "gQKUpDown", Kind::Flag, "0", "False", member<&V::gQKUpDown>},
    {kData, "gMarkMoves", Kind::Flag, "0", kKept, member<&V::gMarkMoves>},
    {kData, "gQKPause", Kind::Flag, "0", "False", member<&V::gQKPause>},
    {kData, "gRangeWarning", Kind::Flag, "0", kKept, member<&V::gRangeWarning>},
    {kData, "gReplayMode", Kind::Number, "0", "0", member<&V::gReplayMode>},
    {kData, "gReplayInGroup", Kind::Number, "0", "0", member<&V::gReplayInGroup>},
    {kData, "gSelectionMode", Kind::Number, "2", "2", member<&V::gSelectionMode>},
    {kData, "recent1", Kind::Text, "", "", recent<1>},
    {kData, "recent2", Kind::Text, "", "", recent<2>},
    {kData, "recent3", Kind::Text, "", "", recent<3>},
    {kData, "recent4", Kind::Text, "", "", recent<4>},

    {kExport, "gExportHeader", Kind::Flag, "True", "False", member<&V::gExportHeader>},
    {kExport, "gOpenCsv", Kind::Flag, "False", "False", member<&V::gOpenCsv>},
    {kExport, "gTimeConvert", Kind::Flag, "False", "True", member<&V::gTimeConvert>},
    {kExport, "gDoruEXTimes", Kind::Flag, "False", "False", member<&V::gDoruEXTimes>},
    {kExport, "gHelperApp", Kind::Text, kHelperProgram, kHelperProgram, member<&V::gHelperApp>},
    {kExport, "gDoruActor", Kind::Whole, "0", "0", member<&V::gDoruActor>},
    {kExport, "gDoruFirstLine", Kind::Text, "$ Child, Adult", "$ Child, Adult", member<&V::gDoruFirstLine>},
    {kExport, "gDoruActorCode", Kind::Text, "C", kKept, member<&V::gDoruActorCode>},

    {kBacd, "gFirstRun", Kind::Flag, "True", kKept, member<&V::gFirstRun>, false},
};

// The stored text as the row's kind holds it. Reading never fails: a number too large for
// its kind takes the row's default, so one bad value never stops the load.
void assign(const Row& row, VideoSettings& s, const std::string& stored) {
    const Slot slot = row.slot(s);
    try {
        switch (row.kind) {
        case Kind::Number:
            *std::get<double*>(slot) = textfile::leadingNumber(stored);
            return;
        case Kind::Whole:
            *std::get<std::int16_t*>(slot) = textfile::toInt16(textfile::leadingNumber(stored));
            return;
        case Kind::Single:
            *std::get<float*>(slot) = textfile::toSingle(textfile::leadingNumber(stored));
            return;
        case Kind::Flag:
            *std::get<std::int16_t*>(slot) = textfile::toFlag(stored == "True");
            return;
        case Kind::Text:
            *std::get<std::string*>(slot) = stored;
            return;
        }
    } catch (const textfile::RunError&) {
        if (row.defaultText != nullptr && stored != row.defaultText) {
            assign(row, s, row.defaultText);
        }
    }
}

std::string storedText(const Row& row, const VideoSettings& s) {
    const Slot slot = row.slot(const_cast<VideoSettings&>(s));
    switch (row.kind) {
    case Kind::Number:
        return textfile::doubleText(*std::get<double*>(slot));
    case Kind::Whole:
        return std::to_string(*std::get<std::int16_t*>(slot));
    case Kind::Single:
        return textfile::singleText(*std::get<float*>(slot));
    case Kind::Flag:
        return *std::get<std::int16_t*>(slot) != 0 ? "True" : "False";
    case Kind::Text:
        return *std::get<std::string*>(slot);
    }
    return {};
}

} // namespace

void LoadSettings(VideoSettings& s, platform::SettingsStore& store) {
    for (const Row& row : kRows) {
        if (row.defaultText == nullptr) {
            continue;
        }
        assign(row, s, store.get(kSettingsApp, row.section, row.name, row.defaultText));
        if (row.slot == member<&V::FrameDisplay> && s.FrameDisplay > 1) {
            s.FrameDisplay -= 2;
        }
    }
}

bool SaveSettings(const VideoSettings& s, platform::SettingsStore& store) {
    for (const Row& row : kRows) {
        if (row.written) {
            store.set(kSettingsApp, row.section, row.name, storedText(row, s));
        }
    }
    return store.save(kSettingsApp);
}

void SaveSettings(const VideoSettings& s, platform::SettingsStore& store, platform::Dialogs& dialogs) {
    if (!SaveSettings(s, store)) {
        dialogs.messageBox("The settings could not be saved to " + store.location(kSettingsApp) +
                               ". The settings stored there before were kept.",
                           "File Save Error", platform::Buttons::OK, platform::Icon::Exclamation);
    }
}

void ResetDefaults(VideoSettings& s, platform::FileTypes& fileTypes, const std::string& programPath) {
    for (const Row& row : kRows) {
        if (row.resetText != nullptr) {
            assign(row, s, row.resetText);
        }
    }
    RegisterQvdType(fileTypes, programPath);
}

} // namespace vc
