// The coding window's CSV import on any bytes.
#include "VideoImportChecks.h"

#include "videocoder/core/ImportData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vc::DataTable table;
    fuzz::openData(table, "EVENTS");
    fuzz::readAndCheck(table, [&] { vc::appendCsvRows(fuzz::bytesOf(data, size), table); });
    return 0;
}
