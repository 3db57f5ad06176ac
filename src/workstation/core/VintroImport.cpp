#include "workstation/core/VintroImport.h"

#include "textfile/FieldReader.h"
#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "textfile/TextCase.h"
#include "workstation/core/DescriptionLookup.h"
#include "workstation/core/ImportMessages.h"
#include "workstation/core/ImportTimes.h"
#include "workstation/core/ImportedSlot.h"
#include "workstation/core/SpareReadBuffer.h"

#include <algorithm>

namespace ws {
namespace {

// The coder keeps its comment in this column; it never holds a code.
constexpr int kCommentColumn = 50;
// Combining mode keeps a state for code groups 0..50, so for columns up to 52.
constexpr int kCombiningColumns = 52;
constexpr std::int16_t kJoined = 1;
constexpr std::int16_t kIgnored = 2;

class VintroImport {
public:
    explicit VintroImport(const DataFileRead& read)
        : read_(read), settings_(read.settings), messages_(read.dialogs) {}

    bool run(EventReadResult& result) {
        settings_.gVTRStimebase = 0;
        if (read_.fileName.empty()) {
            result.timeBase = settings_.gVTRStimebase;
            return false;
        }
        const bool imported =
            messages_.showingFailures("Error Loading VTRS Data: ", [&] { return import(result); });
        result.timeBase = settings_.gVTRStimebase;
        return imported;
    }

private:
    bool import(EventReadResult& result) {
        SpareBufferReader spare(read_.fileName);
        textfile::FieldReader& reader = spare.get();
        const std::string type = textfile::upperCase(reader.readLine());
        std::string header;
        for (int line = 0; line < 6; ++line) {
            header += reader.readLine() + "|";
        }
        result.header = header;
        reader.readLine(); // the notes marker
        while (textfile::lowerCase(reader.readLine()) != "</notes>") {
        }
        std::string startText;
        std::string endText;
        for (int line = 7; line <= 12; ++line) {
            std::string text = reader.readLine();
            if (line == 9) {
                startText = std::move(text);
            } else if (line == 10) {
                endText = std::move(text);
            }
        }
        if (type == "TRANSCRIPT") {
            messages_.tell(
                "TALVOR can't process Vintro Transcription files.\rYou must convert them to DORU format "
                "first. Sorry");
            return false;
        }
        if (type != "EVENTS") {
            messages_.tell(read_.fileName + " is not a valid Vintro data file.");
            return false;
        }
        readRows(reader);
        sortSlotByTime(read_.slot);
        const bool endsAfterItsEvents = appendEndRecord(startText, endText);
        if (settings_.gVintro2Secs != 0) {
            ConvertTimeBase(settings_, read_.slot);
        }
        result.endRecordRead = true;
        // The header's end time cuts the session short: the events after it would be counted
        // in a session that ended before them.
        if (!endsAfterItsEvents) {
            read_.sink(importWarning(read_.fileName,
                                     "End time " + std::string(textfile::trimmedBlanks(endText)) +
                                         " is before the last event.",
                                     "Run aborted."));
            return true;
        }
        result.clean = true;
        if (settings_.gVTRSKeepScratch != 0) {
            result.copyBaseName = read_.fileName;
        }
        return true;
    }

    void readRows(textfile::FieldReader& reader) {
        const std::int16_t rowCount = textfile::toInt16(reader.readNumber());
        const std::int16_t columnCount = textfile::toInt16(reader.readNumber());
        const bool combining = settings_.gVTRSCombine != 0;
        if (columnCount > (combining ? kCombiningColumns : kVintroFields)) {
            throw textfile::RunError(textfile::kSubscriptOutOfRange);
        }
        VintroRow row;
        for (int rowNumber = 1; rowNumber <= rowCount; ++rowNumber) {
            SplitVintroLine(reader.readLineView(), row, columnCount);
            if (combining) {
                combiningRow(row, columnCount);
            } else {
                plainRow(row, columnCount);
            }
        }
    }

    static std::string_view cellOf(const VintroRow& row, int column) {
        return column == kCommentColumn ? std::string_view() : textfile::trimmedBlanks(row.fields[column]);
    }

    void takeRowTime(std::string_view cell) {
        if (!cell.empty()) {
            time_ = parse(cell);
        }
    }

    void plainRow(const VintroRow& row, int columnCount) {
        for (int column = 1; column <= columnCount; ++column) {
            const std::string_view cell = cellOf(row, column);
            if (column == 1) {
                takeRowTime(cell);
            } else {
                appendEventOf(cell);
            }
        }
    }

    void combiningRow(const VintroRow& row, int columnCount) {
        std::array<std::string_view, kCombiningColumns + 1> cells;
        for (int column = 1; column <= columnCount; ++column) {
            cells[column] = cellOf(row, column);
            if (column == 1) {
                takeRowTime(cells[column]);
            }
        }
        combined_.clear();
        for (int column = 2; column <= columnCount; ++column) {
            if (!textfile::isBlank(cells[column]) && stateOf(column) == kJoined) {
                combined_ += cells[column];
                cells[column] = {};
            }
        }
        if (!textfile::isBlank(combined_)) {
            appendEventOf(combined_);
        }
        for (int column = 2; column <= columnCount; ++column) {
            if (stateOf(column) != kIgnored) {
                appendEventOf(cells[column]);
            }
        }
    }

    std::int16_t stateOf(int column) const {
        return settings_.ColumnGroupStates[static_cast<std::size_t>(column - 2)];
    }

    void appendEventOf(std::string_view text) {
        if (text.empty()) {
            return; // an empty cell, as most rows have: no code to look up
        }
        const std::string& code = codes_.codeOf(text);
        if (!code.empty() && (code.front() != ' ' || !textfile::isBlank(code))) {
            append(code, time_);
        }
    }

    void append(const std::string& code, std::int32_t time) { appendImportedEvent(read_.slot, code, time); }

    // False when the end time the header gives comes before the slot's last event.
    bool appendEndRecord(const std::string& startText, const std::string& endText) {
        std::int32_t end = 0;
        if (settings_.gVTRSEndTime == 1 && !textfile::isBlank(endText)) {
            end = parse(endText);
        }
        std::int32_t start = 0;
        if (settings_.gVTRSStartTime == 1 && !textfile::isBlank(startText)) {
            start = parse(startText);
        }
        const int last = read_.slot.times()[0];
        const std::int32_t lastTime = last >= 1 ? read_.slot.times()[static_cast<std::size_t>(last)] : 0;
        if (end == 0) {
            end = lastTime;
        }
        append(kSessionEndCode, end);
        ZeroJustifyTimes(read_.slot, start);
        return end >= lastTime;
    }

    std::int32_t parse(std::string_view text) { return ParseTimeString(settings_, text, timeErrors_); }

    const DataFileRead& read_;
    WorkstationSettings settings_; // the import's own copy: it sets the time base as it goes
    ImportMessages messages_;
    const ImportMessageSink timeErrors_ = messages_.timeErrors(); // made once, not per time
    DescriptionLookup codes_{read_.codeSet, read_.fileName, read_.sink};
    std::int32_t time_ = 0;
    std::string combined_; // a combining row's joined cells, kept from row to row
};

} // namespace

void SplitVintroLine(std::string_view line, VintroRow& row, std::int16_t columnCount) {
    textfile::splitQvdRow(line, row, columnCount);
}

EventReadResult ImportVintroFile(const DataFileRead& read) {
    EventReadResult result;
    VintroImport(read).run(result);
    return result;
}

} // namespace ws
