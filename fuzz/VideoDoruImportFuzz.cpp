// The video coder's DORU import on any bytes: it fills only the time, codes and utterance
// columns, whatever the lines hold.
#include "VideoImportChecks.h"

#include "videocoder/core/ImportData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vc::DataTable table;
    fuzz::openData(table, "TRANSCRIPT");
    fuzz::readAndCheck(table, [&] { vc::appendDoruRows(fuzz::bytesOf(data, size), table); });
    for (int row = 1; row <= table.gData.rows(); ++row) {
        for (int column = 4; column <= vc::kDataColumns; ++column) {
            if (table.gData.at(column, row).kind() != textfile::Value::Kind::Empty) {
                fuzz::propertyFailed("a DORU import filled a column past the utterance");
            }
        }
    }
    return 0;
}
