#pragma once
// The video coder's shared state, alive for the whole run and owned by the program.
// It is made of named parts; a routine takes the part it needs. It holds data only:
// windows and callbacks reach it from the composition root, never through it.

#include "platform/FileLock.h"
#include "textfile/Numeric.h"
#include "textfile/Value.h"
#include "videocoder/core/CellTable.h"
#include "videocoder/core/ValueTable.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vc {

// Message boxes without a title of their own show the program's name.
inline const std::string kProgramTitle = "Vintrosa";
// Every coded row has this many cells; an EVENTS file uses at most this many columns.
inline constexpr int kDataColumns = 50;
inline constexpr int kCodeFields = 3;

using textfile::kFalse;
using textfile::kTrue;

// One member per stored setting, named as it is stored. The initial values are those a
// load from an empty store gives (the Slider values are never read and start at 0).
struct VideoSettings {
    // "Video Settings". FrameDisplay: 0 seconds, 1 "HH:MM:SS.ss", 2 frames, 3 "HH:MM:SS:FF".
    double FrameDisplay = 1;
    double FrameRate = 29.97;
    double PreRoll = 3;
    double PostRoll = 3;
    double SliderSmall = 0;
    double SliderLarge = 0;
    double SliderTicks = 0;
    double VidSize = 1;
    std::int16_t gConvertTimes = kFalse;
    // 0 the media player window, 1 the file play-control window, 2 the DVD window.
    double PlayerSelection = 0;
    std::string DVDDrive = "D:";

    // "Window Positions", in the window system's units; 0 = not stored.
    double gVidLeft = 0, gVidTop = 0, gVidWidth = 0, gVidHeight = 0;
    double gDataLeft = 0, gDataTop = 0, gDataWidth = 0, gDataHeight = 0;
    double gMainLeft = 0, gMainTop = 0, gMainWidth = 0, gMainHeight = 0;
    double gCodeLeft = 0, gCodeTop = 0, gCodeWidth = 0, gCodeHeight = 0;

    // "Data Settings"
    std::int16_t gAutoSave = kFalse;
    float gSaveTimerDuration = 60; // seconds
    // 1 edit in the cell, 2 pick list of codes, 3 pick list of descriptions; 0 acts as 2.
    std::int16_t gEditInCell = 0;
    std::int16_t gIntMode = kFalse;
    std::int16_t gIntTimeFix = kFalse;
    std::int16_t gCommentField = kFalse;
    double gIntSeconds = 150;
    std::int16_t gQKGroup = 0; // -1 = any group
    std::int16_t gQKMode = kFalse;
    std::int16_t gQKInsert = kFalse;
    std::int16_t gQKUpDown = kFalse;
    std::int16_t gMarkMoves = kFalse;
    std::int16_t gQKPause = kFalse;
    std::int16_t gRangeWarning = kFalse;
    double gReplayMode = 0;
    double gReplayInGroup = 0;
    double gSelectionMode = 2;
    std::array<std::string, 5> gRecent; // entries 1 to 4, 1 the newest; 0 unused

    // "Export Settings"
    std::int16_t gExportHeader = kTrue;
    std::int16_t gOpenCsv = kFalse;
    std::int16_t gTimeConvert = kFalse;
    std::int16_t gDoruEXTimes = kFalse;
    std::string gHelperApp = "xdg-open";
    std::int16_t gDoruActor = 0; // 0 transcription, 1 codes, 2 gDoruActorCode
    std::string gDoruFirstLine = "$ Child, Adult";
    std::string gDoruActorCode = "C";

    // "bacd": read, never written; start-up clears it in memory after registering.
    std::int16_t gFirstRun = kTrue;
};

// The open code set: field 1 code, 2 description, 3 group number, by codes 1..gCodeCount.
// The 49 group descriptions live with the code-set editor (GroupDescriptions).
struct CodeSet {
    ValueTable gCodes{kCodeFields, 1};
    std::int32_t gCodeCount = 1; // always the rows gCodes holds
    // "" = none; the one-character text of code 27 makes OpenCodeFile ask for a file.
    std::string gCodeFileName;
    // The file's text as of its last read or save; a set whose text is still this has not
    // been changed, and closing it writes nothing. "" = never read or saved.
    std::string baseline;
};

// Asks OpenCodeFile to show its dialog even when a file is named.
inline const std::string kAskForCodeFile(1, '\x1b');

// A text kept as it was last read or saved, shared with the bytes it was read from where a
// save would write them back unchanged, so that a large file is not held twice.
class SavedText {
public:
    bool empty() const { return !text_ || text_->empty(); }
    void clear() { text_.reset(); }
    SavedText& operator=(std::string text) {
        text_ = std::make_shared<const std::string>(std::move(text));
        return *this;
    }
    void share(std::shared_ptr<const std::string> text) { text_ = std::move(text); }
    bool operator==(const std::string& text) const { return view() == text; }
    std::string_view view() const { return text_ ? std::string_view(*text_) : std::string_view(); }
    // The text itself; only while not empty().
    const std::string& text() const { return *text_; }

private:
    std::shared_ptr<const std::string> text_;
};

// The open data file and its rows.
struct DataTable {
    std::string gFileName; // "" = none or untitled
    // A name an import derived from its source's name, not yet saved to: the first save asks
    // before it replaces a file of that name. "" = none.
    std::string unconfirmedName;
    std::string gDataType; // "EVENTS", "TRANSCRIPT"; "Events"/"Transcript" until a New file's first save
    std::string gVideoFileName;
    CellTable gData{kDataColumns, 1}; // columns 1..50 by rows 1..gRowCount; column 1 the time
    // Counts keep the text they were read from (written back as that text); a count the
    // program sets is a Number (written in print form).
    textfile::Value gRowCount = textfile::Value::ofNumber(1);
    textfile::Value gColCount = textfile::Value::ofNumber(kDataColumns);
    // Set while OpenDataFile or SaveDataFile runs: a player yielding during a load or an
    // autosave tick must not start the other on half-read rows.
    bool fileInUse = false;
    // The text a save would write, as of the file's last read or save: while the rows and
    // header still give this text nothing has changed, and closing or an autosave tick
    // writes nothing. "" = never read or saved.
    SavedText baseline;
    // Held from a file's open (or first save) to its close, so that a second program does
    // not open it and write over this one's work.
    platform::FileLock lock;
};

// Which windows and files are open (flags: -1 true, 0 false).
struct OpenFlags {
    std::int16_t gVideoOpen = kFalse;
    std::int16_t gCodeOpen = kFalse; // the code-set editor is loaded, shown or not
    std::int16_t gDataOpen = kFalse;
};

// What the coding window, its dialogs and the players share while coding.
struct CodingState {
    std::string gFilterText;
    std::int16_t gFilterMode = kFalse;
    // Signed gData columns, negative = descending; no value (Empty) after the sort dialog
    // means it was cancelled.
    std::optional<double> gSortKey1;
    std::optional<double> gSortKey2;
    std::int16_t gKeyDownCoded = kFalse;
    std::int16_t gReplaying = kFalse;
    std::int16_t gUseDVD = kFalse;
    // Set by the warning box; never reset and never stored.
    std::int16_t gSuppressWarnings = kFalse;
};

struct Globals {
    VideoSettings settings;
    CodeSet codeSet;
    DataTable data;
    OpenFlags open;
    CodingState coding;
};

} // namespace vc
