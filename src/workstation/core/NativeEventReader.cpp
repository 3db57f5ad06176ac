#include "workstation/core/NativeEventReader.h"

#include "textfile/FieldReader.h"
#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "textfile/ShortTextWord.h"
#include "workstation/core/CodeRowIndex.h"
#include "workstation/core/CodeSetFile.h"
#include "workstation/core/EventFileCodes.h"
#include "workstation/core/EventFileEntries.h"
#include "workstation/core/ReadFailures.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string_view>

namespace ws {
namespace {

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

// Empty when the type line accepts the file; otherwise what the person is told.
std::string refusalOfTypeLine(const std::string& typeWord, const std::string& fileName) {
    if (upperCase(typeWord) == "INTERACTIONS") {
        return "Version 3 no longer supports interaction files";
    }
    if (lowerCase(typeWord) != "events") {
        return "Not a valid event file: " + fileName;
    }
    return {};
}

// The file's bytes are read into one buffer kept from file to file (per thread, as reads
// may run side by side): a run over a list reads every file without allocating for it.
std::string& spareBuffer() {
    thread_local std::string buffer;
    return buffer;
}

// Cleared and appended rather than assigned: the slot's string keeps its buffer from file to
// file, and an append into an empty string copies with less ado than a replacement.
void storeCode(std::string& code, std::string_view text) {
    code.clear();
    code.append(text);
}

// storeCode() for a code of one to seven bytes: an append of a known length copies without
// a call.
void storeShortCode(std::string& code, std::string_view text) {
    code.clear();
    const char* const bytes = text.data();
    switch (text.size()) {
    case 1:
        code.push_back(bytes[0]);
        break;
    case 2:
        code.append(bytes, 2);
        break;
    case 3:
        code.append(bytes, 3);
        break;
    case 4:
        code.append(bytes, 4);
        break;
    case 5:
        code.append(bytes, 5);
        break;
    case 6:
        code.append(bytes, 6);
        break;
    default:
        code.append(bytes, 7);
        break;
    }
}

// The code and time of a record of any form, stored in the slot at `index`; the code as the
// slot holds it comes back, a view into the reader's bytes. The code is stored before the
// time is read, so a time that fails leaves it in the slot.
std::string_view readAnyRecord(textfile::FieldReader& reader, SlotWriter& slot, int index) {
    std::string& code = slot.code(index);
    std::int32_t& time = slot.time(index);
    const std::string_view text = codeWithoutBlanks(reader.readFieldView().text);
    storeCode(code, text);
    time = reader.readInt32();
    return text;
}

void readRecords(textfile::FieldReader& reader, const std::string& fileName, const CutOffSettings& cutOff,
                 const CodeSet& codeSet, SlotWriter& slot, EventFileRows& rows, const EntrySink& sink,
                 EventReadResult& result) {
    int& index = result.index;
    result.refusal = refusalOfTypeLine(reader.readText(), fileName);
    if (!result.refusal.empty()) {
        return;
    }
    result.header = reader.readLine();

    bool clean = true;
    // Settles the record just stored at `index` (`code` as the slot holds it): true once the
    // end record is read or the slot is full.
    const auto settle = [&](std::string_view code) {
        if (cutOff.gCutOffEvents != 0 && !isSessionEnd(code)) {
            code = cutOffCode(code, cutOff.gNumToUse);
            storeCode(slot.code(index), code);
        }
        if (code.empty()) {
            return false; // the next record takes this index
        }
        if (slot.times()[static_cast<std::size_t>(index)] <
            slot.times()[static_cast<std::size_t>(index - 1)]) {
            sink(sequenceErrorEntry(fileName, index, slot.codes()[static_cast<std::size_t>(index)]));
            clean = false;
        }
        if (isSessionEnd(code)) {
            slot.time(0) = index;
            result.endRecordRead = true;
            // Only a file with a code the table lacks takes the second pass: its entries
            // follow those of the read.
            if (!rows.allDefined() && !checkEventCodes(codeSet, slot.codes(), index, fileName, sink)) {
                clean = false;
            }
            result.clean = clean;
            return true;
        }
        rows.note(index, code);
        return ++index > kMaxEvents;
    };
    // Runs of short records in one pass, and each record of another form between them.
    const bool cutting = cutOff.gCutOffEvents != 0;
    // The end code as a short record's word, so that each record is told from it by one compare.
    const std::uint64_t endWord = textfile::shortTextWord(kSessionEndCode);
    index = 1;
    bool settled = false;
    while (!settled) {
        // The run keeps its index and the time before it in locals, which the code's bytes
        // stored through the slot cannot alias; `index` is brought up to date before anything
        // that reads it or may fail.
        int at = index;
        std::int32_t timeBefore = slot.times()[static_cast<std::size_t>(at - 1)];
        reader.readShortRecords([&](std::string_view code, std::int32_t time) {
            storeShortCode(slot.code(at), code);
            slot.time(at) = time;
            const std::uint64_t word = textfile::FieldReader::shortRecordFieldWord(code);
            const bool sessionEnd = word == endWord && code.size() == kSessionEndCode.size();
            // Nearly every record is settled here: a code kept whole, in time, not the end.
            if (!cutting && !sessionEnd && time >= timeBefore) {
                rows.noteShort(at, word, code.size());
                timeBefore = time;
                settled = ++at > kMaxEvents;
            } else {
                index = at;
                settled = settle(code);
                at = index;
                timeBefore = slot.times()[static_cast<std::size_t>(at - 1)];
            }
            return !settled;
        });
        index = at;
        if (!settled) {
            settled = settle(readAnyRecord(reader, slot, index));
        }
    }
    if (!result.endRecordRead) {
        sink(fileTooLongEntry(fileName));
    }
}

} // namespace

EventReadResult readNativeEventFile(const std::string& fileName, const CutOffSettings& cutOff,
                                    const CodeSet& codeSet, SlotWriter& slot, EventFileRows& rows,
                                    const EntrySink& sink) {
    return readCatchingFailures([&](EventReadResult& result) {
        textfile::FieldReader reader = textfile::FieldReader::fromFile(fileName, std::move(spareBuffer()));
        readRecords(reader, fileName, cutOff, codeSet, slot, rows, sink, result);
        spareBuffer() = reader.takeBytes();
    });
}

bool checkEventCodes(const CodeSet& codeSet, const std::vector<std::string>& codes, int endIndex,
                     const std::string& fileName, const EntrySink& sink) {
    if (endIndex - 1 < 0 || endIndex - 1 > kMaxEvents) {
        throw textfile::RunError(textfile::kSubscriptOutOfRange);
    }
    // A count past the table's rows fails inside the lookup for the first code it does not
    // find; that failure stays with the lookup row by row.
    std::optional<CodeRowIndex> known;
    if (codeSet.NumCodes <= codeSet.CodeTable.rows()) {
        known.emplace(codeSet);
    }
    bool allDefined = true;
    for (int index = 1; index < endIndex; ++index) {
        const std::string_view code = codeWithoutBlanks(codes[static_cast<std::size_t>(index)]);
        const bool defined = known ? known->rowOf(code) != -1 : FindCode(codeSet, std::string(code)) != -1;
        if (!defined) {
            sink(undefinedCodeEntry(fileName, index, std::string(code)));
            allDefined = false;
        }
    }
    return allDefined;
}

} // namespace ws
