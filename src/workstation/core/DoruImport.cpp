#include "workstation/core/DoruImport.h"

#include "textfile/Paths.h"
#include "textfile/TextCase.h"
#include "textfile/TextForms.h"
#include "workstation/core/CodeRowIndex.h"
#include "workstation/core/CodeSetFile.h"
#include "workstation/core/DoruTranscript.h"
#include "workstation/core/DoruTranslation.h"
#include "workstation/core/ImportMessages.h"
#include "workstation/core/ImportTimes.h"
#include "workstation/core/ImportedSlot.h"

#include <optional>
#include <string_view>
#include <vector>

namespace ws {
namespace {

// One transcript table per thread, kept from file to file, so that reading a list of
// transcripts reuses its buffers instead of allocating and faulting them in for every file.
// A read begun while another is under way (from a box the first one shows) takes a table of
// its own.
class KeptTranscript {
public:
    KeptTranscript() : holds_(!inUse()) { inUse() = true; }
    ~KeptTranscript() {
        if (holds_) {
            inUse() = false;
        }
    }
    KeptTranscript(const KeptTranscript&) = delete;
    KeptTranscript& operator=(const KeptTranscript&) = delete;
    DoruTranscript& get() { return holds_ ? kept() : own_; }

private:
    static DoruTranscript& kept() {
        thread_local DoruTranscript transcript;
        return transcript;
    }
    static bool& inUse() {
        thread_local bool used = false;
        return used;
    }
    bool holds_;
    DoruTranscript own_;
};

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
        KeptTranscript kept;
        DoruTranscript& transcript = kept.get();
        ParseDoruFile(read_.fileName, transcript);
        std::string header = "Translated from " + textfile::FileNameOnly(read_.fileName);
        std::optional<DoruTranslation> translation;
        if (settings_.gDORUUseTranslation != 0) {
            header += " using " + textfile::FileNameOnly(settings_.gDORUTransFile);
            translation.emplace(readDoruTranslation(settings_.gDORUTransFile));
        }
        result.header = header;
        const ImportMessageSink timeErrors = messages_.timeErrors();
        // The translation lines whose codes went into the slot.
        std::vector<bool> usedLines(translation ? translation->lines() : 0);
        for (std::size_t utterance = 0; utterance < transcript.size(); ++utterance) {
            const std::string_view timeText = transcript.timeText(utterance);
            const std::int32_t time =
                textfile::isBlank(timeText) ? 0 : ParseTimeString(settings_, timeText, timeErrors);
            if (translation) {
                const std::size_t line = translation->lineFor(transcript, utterance);
                if (line < translation->lines() && !textfile::isBlank(translation->code(line))) {
                    usedLines[line] = true;
                    append(translation->code(line), time);
                }
                continue;
            }
            // The speaker letter is no code.
            for (std::size_t entry = transcript.firstEntry(utterance) + 1;
                 entry < transcript.entryEnd(utterance); ++entry) {
                if (!textfile::isBlank(transcript.entry(entry))) {
                    append(transcript.entry(entry), time);
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
        // Any file parses as a transcript of sorts; one that gives no event at all is most
        // likely no transcript, and an empty session would pass for an observation (and
        // be kept as one).
        if (slot.times()[0] == 1) {
            read_.sink(
                importWarning(read_.fileName, "No utterance giving an event was found.", "Run aborted."));
            result.clean = false;
            return false;
        }
        if (settings_.gDORUKeepScratch != 0) {
            result.copyBaseName = read_.fileName;
        }
        // Translated codes are few: when the table has every one, no record needs looking up.
        result.clean = (translation && tableHasCodes(*translation, usedLines)) ||
                       CheckDoruCodes(read_.codeSet, slot, read_.fileName, read_.sink);
        return result.clean;
    }

    // Whether the code table has the code of every line used, as CheckDoruCodes looks codes
    // up; false also when it cannot tell without that check.
    bool tableHasCodes(const DoruTranslation& translation, const std::vector<bool>& usedLines) const {
        const CodeSet& codeSet = read_.codeSet;
        if (codeSet.NumCodes > codeSet.CodeTable.rows()) {
            return false;
        }
        const CodeRowIndex known(codeSet);
        for (std::size_t line = 0; line < usedLines.size(); ++line) {
            if (usedLines[line] && known.rowOf(translation.code(line)) == -1) {
                return false;
            }
        }
        return true;
    }

    void append(std::string_view code, std::int32_t time) { appendImportedEvent(read_.slot, code, time); }

    const DataFileRead& read_;
    WorkstationSettings settings_; // the import's own copy: it sets the time base as it goes
    ImportMessages messages_;
};

} // namespace

bool CheckDoruCodes(const CodeSet& codeSet, const SlotWriter& slot, const std::string& importedFile,
                    const EntrySink& warn) {
    const std::string crLf(textfile::kLineEnd);
    // A count past the table's rows fails inside FindCode at the first code it does not find,
    // after the warnings before it; that case keeps the row-by-row look-up.
    std::optional<CodeRowIndex> known;
    if (codeSet.NumCodes <= codeSet.CodeTable.rows()) {
        known.emplace(codeSet);
    }
    bool allFound = true;
    for (int index = 1; index < slot.times()[0]; ++index) {
        const std::string& code = slot.codes()[static_cast<std::size_t>(index)];
        if ((known ? known->rowOf(code) : FindCode(codeSet, code)) == -1) {
            warn(importWarning(importedFile, "Code not found in code file: " + code, "Run aborted."));
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
