#include "workstation/core/OdfEventReader.h"

#include "textfile/FieldReader.h"
#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "textfile/TextCase.h"
#include "workstation/core/EventFileCodes.h"
#include "workstation/core/EventFileEntries.h"
#include "workstation/core/ImportTimes.h"
#include "workstation/core/NativeEventReader.h"
#include "workstation/core/ReadFailures.h"
#include "workstation/core/SpareReadBuffer.h"

namespace ws {
namespace {

constexpr std::string_view kSuspendMarker = "{susp}";
constexpr std::string_view kEndMarker = "{end}";

std::size_t separatorOf(std::string_view line) {
    for (std::size_t at = 0; at < line.size(); ++at) {
        if (line[at] == ' ' || line[at] == ',') {
            return at;
        }
    }
    return std::string_view::npos;
}

std::int32_t timeBefore(std::string_view line, std::size_t separator, std::int16_t convertTimes) {
    if (separator == std::string_view::npos) {
        return 0;
    }
    // The text before the separator holds no blank, so only a line that begins with one has
    // blanks to trim: and then nothing is left.
    const std::string_view text = line.substr(0, separator);
    if (convertTimes != 0 && text.find('.') != std::string_view::npos) {
        return hundredthsOfSeconds(strictNumber(text));
    }
    return wholeTime(text);
}

std::string_view codeAfter(std::string_view line, std::size_t separator) {
    if (separator == std::string_view::npos) {
        return "None";
    }
    return textfile::trimmedBlanks(line.substr(separator + 1));
}

} // namespace

OdfLine splitOdfLine(std::string_view line, std::int16_t convertTimes) {
    // Nearly every line opens with a whole time of up to nine digits: it is read on the way to
    // the separator. Any other line is looked through for its separator first.
    constexpr std::size_t kAlwaysFits = 9;
    std::int32_t time = 0;
    std::size_t at = 0;
    for (; at < line.size() && at <= kAlwaysFits; ++at) {
        const unsigned digit = static_cast<unsigned>(line[at]) - '0';
        if (digit > 9) {
            break;
        }
        time = time * 10 + static_cast<std::int32_t>(digit);
    }
    if (at != 0 && at <= kAlwaysFits && at < line.size() && (line[at] == ' ' || line[at] == ',')) {
        return {time, codeAfter(line, at)};
    }
    const std::size_t separator = separatorOf(line);
    return {timeBefore(line, separator, convertTimes), codeAfter(line, separator)};
}

namespace {

OdfLine nextLine(textfile::FieldReader& reader, std::int16_t convertTimes) {
    return splitOdfLine(reader.readLineView(), convertTimes);
}

std::string preambleOf(textfile::FieldReader& reader) {
    std::string header;
    for (std::string line = reader.readLine(); textfile::lowerCase(textfile::trimBlanks(line)) != "{start}";
         line = reader.readLine()) {
        header += " " + line;
    }
    return textfile::trimBlanks(header);
}

void readOdfRecords(const DataFileRead& read, EventReadResult& result) {
    const WorkstationSettings& settings = read.settings;
    SpareBufferReader spare(read.fileName);
    textfile::FieldReader& reader = spare.get();
    result.header = preambleOf(reader);

    SlotWriter& slot = read.slot;
    std::int32_t suspended = 0; // the time cut out by the suspensions so far
    bool clean = true;
    int& index = result.index;
    for (index = 1; index <= kMaxEvents;) {
        OdfLine line = nextLine(reader, settings.gODFConvertTimes);
        // A line after a resume line is a body line like any other: it may suspend again.
        while (line.code == kSuspendMarker) {
            const std::int32_t stopped = line.time;
            const std::int32_t resumed = nextLine(reader, settings.gODFConvertTimes).time;
            suspended = timeDifference(suspended, timeDifference(stopped, resumed));
            line = nextLine(reader, settings.gODFConvertTimes);
        }
        if (line.code == kEndMarker) {
            line.code = kSessionEndCode;
        }
        slot.time(index) = timeDifference(line.time, suspended);
        std::string& code = slot.code(index);
        code.clear(); // and appended: cheaper than a replacement
        code.append(line.code);
        if (settings.gCutOffEvents != 0 && code != kSessionEndCode) {
            code = cutOffCode(code, settings.gNumToUse);
        }
        if (code.empty()) {
            continue; // the next line takes this index
        }
        if (slot.times()[static_cast<std::size_t>(index)] <
            slot.times()[static_cast<std::size_t>(index - 1)]) {
            read.sink(sequenceErrorEntryWithPath(read.fileName, index, code));
            clean = false;
        }
        if (code == kSessionEndCode) {
            slot.time(0) = index;
            result.endRecordRead = true;
            if (settings.gODFZeroJustify != 0) {
                std::int32_t offset = 0;
                ZeroJustifyTimes(slot, offset);
            }
            if (!read.rows.allDefined() &&
                !checkEventCodes(read.codeSet, slot.codes(), index, read.fileName, read.sink)) {
                clean = false;
            }
            result.clean = clean;
            if (clean && settings.gODFKeepScratch != 0) {
                result.copyBaseName = read.fileName;
            }
            return;
        }
        read.rows.note(index, code);
        ++index;
    }
    read.sink(fileTooLongEntry(read.fileName));
}

} // namespace

std::int32_t OdfLineTime(std::string_view line, std::int16_t convertTimes) {
    return timeBefore(line, separatorOf(line), convertTimes);
}

std::string OdfLineCode(std::string_view line) {
    return std::string(codeAfter(line, separatorOf(line)));
}

EventReadResult readOdfFile(const DataFileRead& read) {
    return readCatchingFailures([&](EventReadResult& result) { readOdfRecords(read, result); });
}

} // namespace ws
