// A fuzzed second-by-second file read back as the graph window reads it, then drawn: the
// first byte gives the number of group columns, the rest is the file.
#include "FuzzSupport.h"

#include "support/RecordingCanvas.h"
#include "textfile/RunError.h"
#include "workstation/analyses/GraphDrawing.h"
#include "workstation/analyses/SecBySecReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int groupCount = data[0] % 8;
    std::vector<ws::SecBySecRecord> records;
    try {
        records = ws::ReadSecBySecBytes(std::string(fuzz::bytesOf(data + 1, size - 1)), groupCount);
    } catch (const textfile::RunError&) {
        return 0;
    }
    for (const ws::SecBySecRecord& record : records) {
        if (static_cast<int>(record.codes.size()) != groupCount) {
            fuzz::propertyFailed("a record holds another number of columns than asked");
        }
    }
    testsupport::RecordingCanvas canvas;
    ws::setPictureScale(canvas);
    const auto units = static_cast<std::int32_t>(records.size());
    ws::DrawGraph(canvas, {"s.SBS", {"A", "None", ""}, units, std::move(records)});
    return 0;
}
