// The coding window's merge of another data file on any bytes; the first byte chooses the
// open data's type (even EVENTS, odd TRANSCRIPT), the rest is the file.
#include "VideoImportChecks.h"

#include "videocoder/core/ImportData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    vc::DataTable table;
    fuzz::openData(table, data[0] % 2 == 0 ? "EVENTS" : "TRANSCRIPT");
    fuzz::readAndCheck(table, [&] { vc::appendDataFileRows(fuzz::bytesOf(data, size).substr(1), table); });
    return 0;
}
