#include "workstation/core/DataFileReaders.h"

#include "workstation/core/EventFileEntries.h"
#include "workstation/core/NativeEventReader.h"
#include "workstation/core/OdfEventReader.h"

#include <array>

namespace ws {
namespace {

EventReadResult readNative(const DataFileRead& read) {
    const CutOffSettings cutOff{read.settings.gCutOffEvents, read.settings.gNumToUse};
    return readNativeEventFile(read.fileName, cutOff, read.codeSet, read.slot, read.rows, read.sink);
}

// An import this build does not have: an empty slot must not pass for a clean file.
EventReadResult readNotAvailable(const DataFileRead& read) {
    read.sink(formatNotAvailableEntry(read.fileName));
    return {};
}

constexpr std::array<DataFileReader, 4> kReaders = {readNative, readNotAvailable, readOdfFile,
                                                    readNotAvailable};

} // namespace

DataFileReader readerForFormat(int fileFormat) {
    if (fileFormat < 0 || fileFormat >= static_cast<int>(kReaders.size())) {
        return nullptr;
    }
    return kReaders[static_cast<std::size_t>(fileFormat)];
}

} // namespace ws
