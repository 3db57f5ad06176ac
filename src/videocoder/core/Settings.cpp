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
    bool read;             // false: never read; absent or unreadable, a fresh VideoSettings' value
    const char* resetText; // kKept: a reset keeps the value; kFresh: a fresh VideoSettings' value
    SlotOf slot;
    bool written = true;
};

constexpr const char* kVideo = "Video Settings";
constexpr const char* kWindows = "Window Positions";
constexpr const char* kData = "Data Settings";
constexpr const char* kExport = "Export Settings";
constexpr const char* kBacd = "bacd";
constexpr const char* kKept = nullptr;
// Told apart by its address, not its text ("" is a reset value of its own).
constexpr char kFresh[] = "";
constexpr bool kRead = true;
constexpr bool kNeverRead = false;

using V = VideoSettings;

// Every setting in the order SaveSettings writes them.
const Row kRows[] = {
    {kVideo, "FrameDisplay", Kind::Number, kRead, kFresh, member<&V::FrameDisplay>},
    {kVideo, "FrameRate", Kind::Number, kRead, kFresh, member<&V::FrameRate>},
    {kVideo, "PreRoll", Kind::Number, kRead, "30", member<&V::PreRoll>},
    {kVideo, "PostRoll", Kind::Number, kRead, "30", member<&V::PostRoll>},
    {kVideo, "SliderSmall", Kind::Number, kNeverRead, "1", member<&V::SliderSmall>},
    {kVideo, "SliderLarge", Kind::Number, kNeverRead, "30", member<&V::SliderLarge>},
    {kVideo, "SliderTicks", Kind::Number, kNeverRead, "150", member<&V::SliderTicks>},
    {kVideo, "VidSize", Kind::Number, kRead, kFresh, member<&V::VidSize>},
    {kVideo, "gConvertTimes", Kind::Flag, kRead, kKept, member<&V::gConvertTimes>},
    {kVideo, "PlayerSelection", Kind::Number, kRead, kKept, member<&V::PlayerSelection>},
    {kVideo, "DVDDrive", Kind::Text, kRead, kKept, member<&V::DVDDrive>},

    {kWindows, "gVidLeft", Kind::Number, kRead, kFresh, member<&V::gVidLeft>},
    {kWindows, "gVidTop", Kind::Number, kRead, kFresh, member<&V::gVidTop>},
    {kWindows, "gVidWidth", Kind::Number, kRead, kFresh, member<&V::gVidWidth>},
    {kWindows, "gVidHeight", Kind::Number, kRead, kFresh, member<&V::gVidHeight>},
    {kWindows, "gDataLeft", Kind::Number, kRead, kFresh, member<&V::gDataLeft>},
    {kWindows, "gDataTop", Kind::Number, kRead, kFresh, member<&V::gDataTop>},
    {kWindows, "gDataWidth", Kind::Number, kRead, kFresh, member<&V::gDataWidth>},
    {kWindows, "gDataHeight", Kind::Number, kRead, kFresh, member<&V::gDataHeight>},
    {kWindows, "gMainLeft", Kind::Number, kRead, kFresh, member<&V::gMainLeft>},
    {kWindows, "gMainTop", Kind::Number, kRead, kFresh, member<&V::gMainTop>},
    {kWindows, "gMainWidth", Kind::Number, kRead, kFresh, member<&V::gMainWidth>},
    {kWindows, "gMainHeight", Kind::Number, kRead, kFresh, member<&V::gMainHeight>},
    {kWindows, "gCodeLeft", Kind::Number, kRead, kFresh, member<&V::gCodeLeft>},
    {kWindows, "gCodeTop", Kind::Number, kRead, kFresh, member<&V::gCodeTop>},
    {kWindows, "gCodeWidth", Kind::Number, kRead, kFresh, member<&V::gCodeWidth>},
    {kWindows, "gCodeHeight", Kind::Number, kRead, kFresh, member<&V::gCodeHeight>},

    {kData, "gAutoSave", Kind::Flag, kRead, kKept, member<&V::gAutoSave>},
    {kData, "gSaveTimerDuration", Kind::Single, kRead, kKept, member<&V::gSaveTimerDuration>},
    {kData, "gEditInCell", Kind::Whole, kRead, "1", member<&V::gEditInCell>},
    {kData, "gIntMode", Kind::Flag, kRead, kFresh, member<&V::gIntMode>},
    {kData, "gIntTimeFix", Kind::Flag, kRead, kFresh, member<&V::gIntTimeFix>},
    {kData, "gCommentField", Kind::Flag, kRead, kKept, member<&V::gCommentField>},
    {kData, "gIntSeconds", Kind::Number, kRead, kFresh, member<&V::gIntSeconds>},
    {kData, "gQKGroup", Kind::Whole, kRead, kFresh, member<&V::gQKGroup>},
    {kData, "gQKMode", Kind::Flag, kRead, kFresh, member<&V::gQKMode>},
    {kData, "gQKInsert", Kind::Flag, kRead, kKept, member<&V::gQKInsert>},
    {kData, "gQKUpDown", Kind::Flag, kRead, kFresh, member<&V::gQKUpDown>},
    {kData, "gMarkMoves", Kind::Flag, kRead, kKept, member<&V::gMarkMoves>},
    {kData, "gQKPause", Kind::Flag, kRead, kFresh, member<&V::gQKPause>},
    {kData, "gRangeWarning", Kind::Flag, kRead, kKept, member<&V::gRangeWarning>},
    {kData, "gReplayMode", Kind::Number, kRead, kFresh, member<&V::gReplayMode>},
    {kData, "gReplayInGroup", Kind::Number, kRead, kFresh, member<&V::gReplayInGroup>},
    {kData, "gSelectionMode", Kind::Number, kRead, kFresh, member<&V::gSelectionMode>},
    {kData, "recent1", Kind::Text, kRead, kFresh, recent<1>},
    {kData, "recent2", Kind::Text, kRead, kFresh, recent<2>},
    {kData, "recent3", Kind::Text, kRead, kFresh, recent<3>},
    {kData, "recent4", Kind::Text, kRead, kFresh, recent<4>},

    {kExport, "gExportHeader", Kind::Flag, kRead, "False", member<&V::gExportHeader>},
    {kExport, "gOpenCsv", Kind::Flag, kRead, kFresh, member<&V::gOpenCsv>},
    {kExport, "gTimeConvert", Kind::Flag, kRead, "True", member<&V::gTimeConvert>},
    {kExport, "gDoruEXTimes", Kind::Flag, kRead, kFresh, member<&V::gDoruEXTimes>},
    {kExport, "gHelperApp", Kind::Text, kRead, kFresh, member<&V::gHelperApp>},
    {kExport, "gDoruActor", Kind::Whole, kRead, kFresh, member<&V::gDoruActor>},
    {kExport, "gDoruFirstLine", Kind::Text, kRead, kFresh, member<&V::gDoruFirstLine>},
    {kExport, "gDoruActorCode", Kind::Text, kRead, kKept, member<&V::gDoruActorCode>},

    {kBacd, "gFirstRun", Kind::Flag, kRead, kKept, member<&V::gFirstRun>, false},
};

const VideoSettings& fresh() {
    static const VideoSettings values;
    return values;
}

// The row's member as a fresh VideoSettings holds it (the slot is only read).
Slot freshSlot(const Row& row) {
    return row.slot(const_cast<VideoSettings&>(fresh()));
}

void takeFresh(const Row& row, VideoSettings& s) {
    const Slot to = row.slot(s);
    std::visit([&to](auto* from) { *std::get<decltype(from)>(to) = *from; }, freshSlot(row));
}

// The stored text as the row's kind holds it. Reading never fails: a number too large for
// its kind takes a fresh VideoSettings' value, so one bad value never stops the load.
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
        takeFresh(row, s);
    }
}

std::string storedText(const Row& row, const Slot slot) {
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
        if (!row.read) {
            continue;
        }
        assign(row, s, store.get(kSettingsApp, row.section, row.name, storedText(row, freshSlot(row))));
        if (row.slot == member<&V::FrameDisplay> && s.FrameDisplay > 1) {
            s.FrameDisplay -= 2;
        }
    }
}

bool SaveSettings(const VideoSettings& s, platform::SettingsStore& store) {
    for (const Row& row : kRows) {
        if (row.written) {
            store.set(kSettingsApp, row.section, row.name,
                      storedText(row, row.slot(const_cast<VideoSettings&>(s))));
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
        if (row.resetText == kFresh) {
            takeFresh(row, s);
        } else if (row.resetText != kKept) {
            assign(row, s, row.resetText);
        }
    }
    RegisterQvdType(fileTypes, programPath);
}

} // namespace vc
