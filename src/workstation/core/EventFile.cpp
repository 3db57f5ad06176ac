#include "workstation/core/EventFile.h"
#include "workstation/core/EventFileServices.h"

#include "textfile/RunError.h"
#include "workstation/core/ContinuousMerge.h"
#include "workstation/core/DataFileReaders.h"
#include "workstation/core/EventFileEntries.h"
#include "workstation/core/EventFileRows.h"
#include "workstation/core/EventFileSlots.h"
#include "workstation/core/EventSlotWriter.h"
#include "workstation/core/ReadFailures.h"

#include <exception>

namespace ws {
namespace {

// The entry goes out with the farewell sound playing. An output file that cannot take
// the entry is not a data error: that failure goes to the caller.
void reportReadError(Global& g, platform::Platform& p, const std::string& fileName, int index,
                     const ReadFailure& failure) {
    const std::string entry = readErrorEntry(failure.number, failure.description, fileName, index);
    p.sound.setFileName(p.programFolder + "/Marnet.wav");
    p.sound.open();
    p.sound.play();
    try {
        appendErrorEntry(g, entry);
    } catch (...) {
        p.sound.close();
        throw;
    }
    p.sound.close();
}

// The merge needs the end record to put its events before: a read or an import that stopped
// short of it leaves the slot as it is.
bool holdsEndRecord(const Global& g, int slot) {
    const int end = g.timesOf(slot)[0];
    return end >= 1 && end <= kMaxEvents && g.codesOf(slot)[static_cast<std::size_t>(end)] == kSessionEndCode;
}

void mergeContinuousDataWhenAsked(Global& g, platform::Platform& p, int slot, const std::string& fileName,
                                  const std::string& header, EventFileRows& rows) {
    if (g.gReadCont != 0 && holdsEndRecord(g, slot)) {
        MergeContinuousData(g, p, slot, fileName, header);
        rows.noteSlot(g, slot);
    }
}

bool readEventFile(Global& g, platform::Platform& p, const std::string& fileName, int slot,
                   std::string& header, const CodeRowIndex* codeIndex, std::vector<int>* rowsOut) {
    emptySlot(g, slot);
    const DataFileReader reader = readerForFormat(g.gFileFormat);
    if (reader == nullptr) {
        return false;
    }
    EventReadResult result;
    try {
        EventFileRows rows(g, codeIndex, rowsOut);
        const EntrySink sink = [&g](const std::string& entry) { appendErrorEntry(g, entry); };
        {
            SlotWriter writer(g, slot);
            result = reader(DataFileRead{fileName, g, g, writer, rows, sink, &p.dialogs});
        }
        rows.noteUnnoted(g, slot);
        if (result.header) {
            header = *result.header;
        }
        if (!result.refusal.empty()) {
            p.dialogs.messageBox(result.refusal, "Sorry", platform::Buttons::OK, platform::Icon::None);
            return false;
        }
        if (result.timeBase) {
            g.gVTRStimebase = *result.timeBase;
        }
        if (!result.copyBaseName.empty()) {
            WriteScratchEventFile(g, slot, result.copyBaseName, header);
        }
        if (!result.failure) {
            mergeContinuousDataWhenAsked(g, p, slot, fileName, header, rows);
        }
    } catch (const textfile::RunError& error) {
        result.failure = ReadFailure{error.number(), error.description()};
    } catch (const std::exception&) {
        result.failure = ReadFailure{kInternalReadError, textfile::describeError(kInternalReadError)};
    }
    if (result.failure) {
        reportReadError(g, p, fileName, result.index, *result.failure);
        return false;
    }
    return result.clean;
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
