#include "workstation/core/EventFile.h"

#include "textfile/FieldReader.h"
#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "workstation/core/EventFileCodes.h"
#include "workstation/core/EventFileEntries.h"
#include "workstation/core/EventFileRows.h"
#include "workstation/core/EventFileSlots.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <string_view>

namespace ws {
namespace {

enum FileFormat : int { kEventFile = 0, kVideoCoderData = 1, kOdfText = 2, kDoruTranscript = 3 };

// A failure outside the classic run-time errors still needs a number for the entry.
constexpr int kInternalError = 51;

struct NativeResult {
    bool endRecordRead = false;
    bool clean = false;
};

std::string upperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Every record is tested, and a code seldom starts as the end code does: the first byte
// settles it without a call to compare.
inline bool isSessionEnd(std::string_view code) {
    const std::string_view end = kSessionEndCode;
    return code.size() == end.size() && code.front() == end.front() && code == end;
}

// Whichever way a read ends, its slot may hold records up to the one it reached.
class FillNote {
public:
    FillNote(Global& g, int slot, const int& index) : g_(g), slot_(slot), index_(index) {}
    FillNote(const FillNote&) = delete;
    FillNote& operator=(const FillNote&) = delete;
    ~FillNote() { markSlotFilled(g_, slot_, index_); }

private:
    Global& g_;
    int slot_;
    const int& index_;
};

// False when the type line refuses the file; the person is told why.
bool acceptTypeLine(platform::Platform& p, const std::string& typeWord, const std::string& fileName) {
    if (upperCase(typeWord) == "INTERACTIONS") {
        p.dialogs.messageBox("Version 3 no longer supports interaction files", "Sorry", platform::Buttons::OK,
                             platform::Icon::None);
        return false;
    }
    if (lowerCase(typeWord) != "events") {
        p.dialogs.messageBox("Not a valid event file: " + fileName, "Sorry", platform::Buttons::OK,
                             platform::Icon::None);
        return false;
    }
    return true;
}

// index follows the record being read, so a failure can say where it happened.
NativeResult readNativeEventFile(Global& g, platform::Platform& p, const std::string& fileName, int slot,
                                 std::string& header, int& index, EventFileRows& rows) {
    textfile::FieldReader reader = textfile::FieldReader::fromFile(fileName);
    if (!acceptTypeLine(p, reader.readText(), fileName)) {
        return {};
    }
    header = reader.readLine();

    auto& codes = g.codesOf(slot);
    auto& times = g.timesOf(slot);
    std::int16_t errorFlag = textfile::kFalse;
    for (index = 1; index <= kMaxEvents;) {
        std::string& code = codes[index];
        const std::string_view text = codeWithoutBlanks(reader.readFieldView().text);
        code.clear(); // cleared and appended, the slot's string keeps its buffer from file to file
        code.append(text);
        times[index] = reader.readInt32();
        if (g.gCutOffEvents != 0 && !isSessionEnd(code)) {
            code = cutOffCode(code, g.gNumToUse);
        }
        if (code.empty()) {
            continue; // the next record takes this index
        }
        if (times[index] < times[index - 1]) {
            appendErrorEntry(g.OutputFileName, sequenceErrorEntry(fileName, index, code));
            errorFlag = textfile::kTrue;
        }
        if (isSessionEnd(code)) {
            times[0] = index;
            // Only a file with a code the table lacks takes the second pass: its entries
            // follow those of the read.
            if (!rows.allDefined()) {
                CheckEventCodes(g, slot, errorFlag, index, fileName);
            }
            return {true, errorFlag == textfile::kFalse};
        }
        rows.note(index, code);
        ++index;
    }
    appendErrorEntry(g.OutputFileName, fileTooLongEntry(fileName));
    return {};
}

// The entry goes out with the farewell sound playing. An output file that cannot take
// the entry is not a data error: that failure goes to the caller.
void reportReadError(Global& g, platform::Platform& p, const std::string& fileName, int index, int number,
                     const std::string& description) {
    const std::string entry = readErrorEntry(number, description, fileName, index);
    p.sound.setFileName(p.programFolder + "/Marnet.wav");
    p.sound.open();
    p.sound.play();
    try {
        appendErrorEntry(g.OutputFileName, entry);
    } catch (...) {
        p.sound.close();
        throw;
    }
    p.sound.close();
}

void mergeContinuousDataWhenAsked(Global& g, int slot, const std::string& fileName, std::string& header,
                                  EventFileRows& rows) {
    if (g.gReadCont != 0 && g.hooks.mergeContinuousData) {
        markSlotFilled(g, slot, kMaxEvents); // the merge may add records anywhere
        g.hooks.mergeContinuousData(slot, fileName, header);
        rows.noteSlot(g, slot);
    }
}

bool readEventFile(Global& g, platform::Platform& p, const std::string& fileName, int slot,
                   std::string& header, const CodeRowIndex* codeIndex, std::vector<int>* rowsOut) {
    emptySlot(g, slot);
    int index = 0;
    const FillNote fillNote(g, slot, index);
    try {
        switch (g.gFileFormat) {
        case kEventFile: {
            EventFileRows rows(g, codeIndex, rowsOut);
            const NativeResult result = readNativeEventFile(g, p, fileName, slot, header, index, rows);
            if (result.endRecordRead) {
                mergeContinuousDataWhenAsked(g, slot, fileName, header, rows);
            }
            return result.clean;
        }
        case kVideoCoderData:
        case kOdfText:
        case kDoruTranscript:
            // Not built yet; an empty slot must not pass for a clean file.
            appendErrorEntry(g.OutputFileName, formatNotAvailableEntry(fileName));
            return false;
        default:
            return false;
        }
    } catch (const textfile::RunError& error) {
        reportReadError(g, p, fileName, index, error.number(), error.description());
    } catch (const std::exception&) {
        reportReadError(g, p, fileName, index, kInternalError, textfile::describeError(kInternalError));
    }
    return false;
}

} // namespace

bool ReadEventFile(Global& g, platform::Platform& p, const std::string& fileName, int slot,
                   std::string& header) {
    return readEventFile(g, p, fileName, slot, header, nullptr, nullptr);
}

bool ReadEventFile(Global& g, platform::Platform& p, const std::string& fileName, int slot,
                   std::string& header, const CodeRowIndex& index, std::vector<int>& rows) {
    return readEventFile(g, p, fileName, slot, header, &index, &rows);
}

} // namespace ws
