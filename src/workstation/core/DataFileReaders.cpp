#include "workstation/core/DataFileReaders.h"

#include "workstation/core/DoruImport.h"
#include "workstation/core/NativeEventReader.h"
#include "workstation/core/OdfEventReader.h"
#include "workstation/core/VintroImport.h"

#include <array>

namespace ws {
namespace {

EventReadResult readNative(const DataFileRead& read) {
    const CutOffSettings cutOff{read.settings.gCutOffEvents, read.settings.gNumToUse};
    return readNativeEventFile(read.fileName, cutOff, read.codeSet, read.slot, read.rows, read.sink);
}

constexpr std::array<DataFileReader, 4> kReaders = {readNative, ImportVintroFile, readOdfFile,
                                                    ImportDoruFile};

} // namespace

DataFileReader readerForFormat(int fileFormat) {
    if (fileFormat < 0 || fileFormat >= static_cast<int>(kReaders.size())) {
        return nullptr;
    }
    return kReaders[static_cast<std::size_t>(fileFormat)];
}

} // namespace ws
