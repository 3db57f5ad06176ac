#include "workstation/core/DoruImport.h"

#include "textfile/FieldReader.h"
#include "textfile/Paths.h"
#include "textfile/RunError.h"
#include "textfile/TextCase.h"
#include "textfile/TextForms.h"
#include "workstation/core/CodeSetFile.h"
#include "workstation/core/ImportMessages.h"
#include "workstation/core/ImportTimes.h"
#include "workstation/core/ImportedSlot.h"

#include <algorithm>

namespace ws {
namespace {

void requireWithin(std::size_t count, int limit) {
    if (count > static_cast<std::size_t>(limit)) {
        throw textfile::RunError(textfile::kSubscriptOutOfRange);
    }
}

bool isTimeCharacter(char ch) {
    return (ch >= '0' && ch <= '9') || ch == ':' || ch == '.';
}

// Walks one utterance line: bracketed codes become entries, and digits, colons and points
// inside braces go on the utterance's time text.
void readUtteranceLine(std::string_view line, DoruUtterance& utterance) {
    bool inCode = false;
    bool inComment = false;
    for (const char ch : line) {
        if (ch == '{') {
            inComment = true;
        } else if (ch == '}') {
            inComment = false;
        }
        if (ch == '[') {
            utterance.entries.emplace_back();
            requireWithin(utterance.entries.size(), kMaxUtteranceEntries);
            inCode = true;
        } else if (ch == ']') {
            if (utterance.entries.empty()) {
                utterance.entries.emplace_back(); // the continuation of a line with no speaker yet
            }
            std::string& entry = utterance.entries.back();
            entry += ']';
            entry = textfile::lowerCase(std::move(entry));
            inCode = false;
        }
        if (inCode) {
            utterance.entries.back() += ch;
        } else if (inComment && isTimeCharacter(ch)) {
            utterance.timeText += ch;
        }
    }
}

std::vector<std::string> translationFields(const std::string& line) {
    std::vector<std::string> fields(1);
    for (const char ch : line) {
        if (ch == ',' || ch == '[') {
            fields.emplace_back(ch == '[' ? "[" : "");
            requireWithin(fields.size(), kMaxTranslationFields);
        } else if (ch != ' ') {
            fields.back() += ch;
        }
    }
    return fields;
}

// The translation lines with their entry fields in small letters, for matching without case.
std::vector<std::vector<std::string>> lowerCased(std::vector<std::vector<std::string>> lines) {
    for (auto& fields : lines) {
        for (std::size_t field = 1; field < fields.size(); ++field) {
            fields[field] = textfile::lowerCase(std::move(fields[field]));
        }
    }
    return lines;
}

// `lowered` (in small letters already) equals `text` with letter case ignored.
bool equalsIgnoringCase(const std::string& lowered, const std::string& text) {
    if (lowered.size() != text.size()) {
        return false;
    }
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char ch = text[at];
        if (lowered[at] != (ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch)) {
            return false;
        }
    }
    return true;
}

// The code of the first translation line every one of whose entry fields the utterance's
// entries fill, counting entries; "" when none fits. The lines' entry fields are lower-cased.
std::string translatedCode(const DoruUtterance& utterance,
                           const std::vector<std::vector<std::string>>& lines) {
    for (const auto& fields : lines) {
        std::size_t matching = 0;
        for (const std::string& entry : utterance.entries) {
            for (std::size_t field = 1; field < fields.size(); ++field) {
                if (equalsIgnoringCase(fields[field], entry)) {
                    ++matching;
                    break;
                }
            }
        }
        if (matching == fields.size() - 1) {
            return fields[0];
        }
    }
    return {};
}

class DoruImport {
public:
    explicit DoruImport(const DataFileRead& read)
        : read_(read), settings_(read.settings), messages_(read.dialogs) {}

    bool run(EventReadResult& result) {
        settings_.gVTRStimebase = 0;
        if (!read_.fileName.empty()) {
            messages_.showingFailures("Error Loading DORU Data: ", [&] { return import(result); });
        }
        result.timeBase = settings_.gVTRStimebase;
        return result.clean;
    }

private:
    bool import(EventReadResult& result) {
        const std::vector<DoruUtterance> utterances = ParseDoruFile(read_.fileName);
        std::string header = "Translated from " + textfile::FileNameOnly(read_.fileName);
        std::vector<std::vector<std::string>> translation;
        const bool translating = settings_.gDORUUseTranslation != 0;
        if (translating) {
            header += " using " + textfile::FileNameOnly(settings_.gDORUTransFile);
            translation = lowerCased(readDoruTranslation(settings_.gDORUTransFile));
        }
        result.header = header;
        for (const DoruUtterance& utterance : utterances) {
            const std::int32_t time =
                textfile::isBlank(utterance.timeText)
                    ? 0
                    : ParseTimeString(settings_, utterance.timeText, messages_.timeErrors());
            if (translating) {
                const std::string code = translatedCode(utterance, translation);
                if (!textfile::isBlank(code)) {
                    append(code, time);
                }
                continue;
            }
            for (std::size_t entry = 1; entry < utterance.entries.size(); ++entry) {
                if (!textfile::isBlank(utterance.entries[entry])) {
                    append(utterance.entries[entry], time);
                }
            }
        }
        SlotWriter& slot = read_.slot;
        sortSlotByTime(slot);
        std::int32_t offset = 0;
        ZeroJustifyTimes(slot, offset);
        const int last = slot.times()[0];
        append(kSessionEndCode, last >= 1 ? slot.times()[static_cast<std::size_t>(last)] : 0);
        if (settings_.gDORUConvertTimes != 0) {
            ConvertTimeBase(settings_, slot);
        }
        result.endRecordRead = true;
        if (settings_.gDORUKeepScratch != 0) {
            result.copyBaseName = read_.fileName;
        }
        result.clean = CheckDoruCodes(read_.codeSet, slot, read_.fileName, read_.sink);
        return result.clean;
    }

    void append(const std::string& code, std::int32_t time) { appendImportedEvent(read_.slot, code, time); }

    const DataFileRead& read_;
    WorkstationSettings settings_; // the import's own copy: it sets the time base as it goes
    ImportMessages messages_;
};

} // namespace

std::vector<DoruUtterance> ParseDoruFile(const std::string& fileName) {
    textfile::FieldReader reader = textfile::FieldReader::fromFile(fileName);
    std::vector<DoruUtterance> table;
    table.reserve(std::min<std::size_t>(reader.linesLeft(), kMaxUtterances));
    DoruUtterance beforeFirst; // takes what continues before the first utterance, and is dropped
    std::string nextTime;      // what the last time line gave the utterance to come
    while (!reader.atEnd()) {
        const std::string_view line = reader.readLineView();
        if (line.empty() || line[0] == '+' || line[0] == '$') {
            continue;
        }
        if (line[0] == '-') {
            if (textfile::trimBlanks(line) != "-") {
                requireWithin(table.size() + 1, kMaxUtterances);
                nextTime = textfile::trimBlanks(line.substr(1));
            }
            continue;
        }
        if (line[0] != ' ') {
            requireWithin(table.size() + 1, kMaxUtterances);
            DoruUtterance& utterance = table.emplace_back();
            utterance.timeText = std::move(nextTime);
            nextTime.clear();
            utterance.entries.reserve(4); // the speaker and a few codes, in one allocation
            utterance.entries.emplace_back(1, line[0]);
        }
        readUtteranceLine(line, table.empty() ? beforeFirst : table.back());
    }
    return table;
}

std::vector<std::vector<std::string>> readDoruTranslation(const std::string& fileName) {
    textfile::FieldReader reader = textfile::FieldReader::fromFile(fileName);
    std::vector<std::vector<std::string>> lines;
    while (!reader.atEnd()) {
        const std::string line = reader.readLine();
        if (textfile::isBlank(line)) {
            continue;
        }
        requireWithin(lines.size() + 1, kMaxTranslationLines);
        lines.push_back(translationFields(line));
    }
    return lines;
}

bool CheckDoruCodes(const CodeSet& codeSet, const SlotWriter& slot, const std::string& importedFile,
                    const EntrySink& warn) {
    const std::string crLf(textfile::kLineEnd);
    bool allFound = true;
    for (int index = 1; index < slot.times()[0]; ++index) {
        const std::string& code = slot.codes()[static_cast<std::size_t>(index)];
        if (FindCode(codeSet, code) == -1) {
            warn(crLf + "Warning for file:" + textfile::FileNameOnly(importedFile) + crLf +
                 "Code not found in code file: " + code + crLf + "Run aborted." + crLf + crLf);
            allFound = false;
        }
    }
    return allFound;
}

EventReadResult ImportDoruFile(const DataFileRead& read) {
    EventReadResult result;
    DoruImport(read).run(result);
    return result;
}

} // namespace ws
